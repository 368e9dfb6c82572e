// tralyx-lrc update: exit codes, what it writes, and what it prints: the text names the first
// entries and counts the rest, `update --json` names them all, by the files' own ids.
#include "RunProgram.h"
#include "TempDir.h"
#include "TestTexts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace tralyx::test;

namespace {

udtRun RunUpdate(const QStringList& pstrArgs) { return RunLrc(QStringList{QStringLiteral("update")} + pstrArgs); }

const QByteArray OldCore = "frmMain.cmdOK.0.T:Valider\r\nfrmMain.cmdOK.0.C:D'accord\r\nfrmMain.cmdGone.0.T:\r\nfrmMain.cmdGone.0.C:Parti\r\n";
const QByteArray NewCore = "frmMain.cmdOK.0.T:Accept\r\nfrmMain.cmdOK.0.C:OK\r\n";
const QByteArray MergedCore = "frmMain.cmdOK.0.T:Valider\r\nfrmMain.cmdOK.0.C:D'accord\r\n";
const QByteArray Messages = "MSG001:\xc9t\xe9\r\nMST001:Title\r\n";  // windows-1252 bytes
const QByteArray Secondary = "TXT001:One\r\n";
const QByteArray Existing = "existing\r\n";

}  // namespace

TEST(CliUpdateTest, ExitCodesFilesAndWhatItSays)
{
    enum { Empty, HasCore, Missing };
    const std::tuple<QStringList, int, bool, int, QByteArray, bool, const char*> udtCases[] = {
        // options, destination, old messages.lrc missing, exit code, dest/core.lrc afterwards, dest/secondary.lrc written, says
        {{}, Empty, false, 0, MergedCore, true, "core.lrc was written to"},
        {{}, HasCore, false, 1, Existing, true, "already exists and was not overwritten (--force overwrites it)"},
        {{"--force"}, HasCore, false, 0, MergedCore, true, "frmMain.cmdGone.0 \"Parti\""},
        {{"--dry-run"}, Empty, false, 0, {}, false, "core.lrc would be written to"},
        {{"--dry-run"}, HasCore, false, 1, Existing, false, "already exists (--force overwrites it)"},
        {{"--dry-run", "--force"}, HasCore, false, 0, Existing, false, "core.lrc would be overwritten"},
        {{}, Empty, true, 1, MergedCore, true, "messages.lrc was not merged:"},
        {{}, Missing, false, 0, MergedCore, true, "Created the destination folder "},
        {{"--dry-run"}, Missing, false, 0, {}, false, "would be created"},
        {{"--code-page=ISO-8859-1"}, Empty, false, 0, MergedCore, true, "was written"},
        {{"--", "--force"}, Empty, false, 2, {}, false, ""},  // options after "--" are folders
    };
    for (const auto& [strOptions, intDest, booOldMessagesMissing, intExit, bytCore, booSecondary, pstrSays] : udtCases) {
        SCOPED_TRACE(strOptions.join(u' ').toStdString() + " " + pstrSays);
        clsTempDir objDir;
        for (const char* pstrSide : {"old", "new"}) {
            objDir.Write(Q(pstrSide) + "/core.lrc", Q(pstrSide) == "old" ? OldCore : NewCore);
            if (Q(pstrSide) == "new" || !booOldMessagesMissing) objDir.Write(Q(pstrSide) + "/messages.lrc", Messages);
            objDir.Write(Q(pstrSide) + "/secondary.lrc", Secondary);
        }
        if (intDest != Missing) QDir().mkpath(objDir.Path("dest"));
        if (intDest == HasCore) objDir.Write("dest/core.lrc", Existing);
        const udtRun udtResult = RunUpdate(QStringList{objDir.Path("old"), objDir.Path("new"), objDir.Path("dest")} + strOptions);
        EXPECT_EQ(udtResult.ExitCode, intExit) << udtResult.Out.toStdString() << udtResult.Err.toStdString();
        EXPECT_EQ(clsTempDir::Read(objDir.Path("dest/core.lrc")), bytCore);
        EXPECT_EQ(clsTempDir::Read(objDir.Path("dest/messages.lrc")), booSecondary && !booOldMessagesMissing ? Messages : QByteArray());
        EXPECT_EQ(clsTempDir::Read(objDir.Path("dest/secondary.lrc")), booSecondary ? Secondary : QByteArray());
        EXPECT_TRUE(udtResult.Out.contains(pstrSays)) << udtResult.Out.toStdString();
        EXPECT_EQ(QFileInfo(objDir.Path("dest")).isDir(), intDest != Missing || !strOptions.contains("--dry-run"));
    }
}

TEST(CliUpdateTest, JsonNamesEveryEntryTheTextTheFirstOnes)
{
    clsTempDir objDir;
    QByteArray bytNew;
    for (int i = 1; i <= 1200; ++i) bytNew += QStringLiteral("TXT%1:Text %2\r\n").arg(i % 1000, 3, 10, QChar(u'0')).arg(i).toLatin1();
    objDir.Write(Q("old/secondary.lrc"), "TXT001:Eins\r\nTXT002:Zwei\r\n");
    objDir.Write(Q("new/secondary.lrc"), bytNew);
    objDir.Write(Q("old/messages.lrc"), "MSG001:Eins\r\nMST001:\r\nMSG002:Zwei\r\nMST002:\r\n");
    objDir.Write(Q("new/messages.lrc"), "MSG001:One\r\nMST001:\r\n");
    QDir().mkpath(objDir.Path(Q("dest")));
    const auto Run = [&](const QStringList& pstrOptions) {
        return RunUpdate(QStringList{Q("--dry-run")} + pstrOptions +
                         QStringList{objDir.Path(Q("old")), objDir.Path(Q("new")), objDir.Path(Q("dest"))})
            .Out;
    };

    const QJsonArray udtFiles = QJsonDocument::fromJson(Run({Q("--json")}).toUtf8()).object()[Q("files")].toArray();
    ASSERT_EQ(udtFiles.size(), 3);
    const QJsonArray udtNew = udtFiles[2].toObject()[Q("new")].toArray();
    ASSERT_EQ(udtNew.size(), 1198);
    EXPECT_EQ(udtNew[0].toObject()[Q("entry")].toString(), Q("TXT003"));
    EXPECT_EQ(udtNew[996].toObject()[Q("entry")].toString(), Q("TXT999"));
    EXPECT_EQ(udtNew[997].toObject()[Q("entry")].toString(), Q("TXT000#1000"));  // the file's number wraps
    EXPECT_EQ(udtFiles[1].toObject()[Q("dropped")].toArray()[0].toObject()[Q("entry")].toString(), Q("MSG002"));

    const QString strText = Run({});
    EXPECT_TRUE(strText.contains(Q("    TXT022 \"Text 22\"\n    ... and 1,178 more"))) << strText.toStdString();
    EXPECT_TRUE(strText.contains(Q("    MSG002 \"Zwei\""))) << strText.toStdString();
}

// A control renamed in the new release comes back in English; the memory of the old release puts
// its translation back, for review.
TEST(CliUpdateTest, FillFromMemoryTranslatesTheRenamedControlForReview)
{
    const QByteArray OldEnglish = "frmMain.lblCount.0.T:\r\nfrmMain.lblCount.0.C:Notes:\r\n";
    const QByteArray OldGerman = "frmMain.lblCount.0.T:\r\nfrmMain.lblCount.0.C:Notizen:\r\n";
    const QByteArray NewEnglish = "frmMain.lblNoteCount.0.T:\r\nfrmMain.lblNoteCount.0.C:Notes:\r\n";
    const struct {
        QStringList Options;
        int Exit;
        QByteArray Caption;  // of dest/German/core.lrc, empty: not written
        bool Review;
    } udtCases[] = {
        {{}, 0, "Notes:", false},
        {{"--fill-from-memory", "--memory", "Rel1/German"}, 0, "Notizen:", true},
        {{"--fill-from-memory"}, 2, "", false},
        {{"--memory", "Rel1/German"}, 2, "", false},
        {{"--fill-from-memory", "--memory", "Rel1/German", "--dry-run"}, 0, "", false},
    };
    for (const auto& udtCase : udtCases) {
        SCOPED_TRACE(udtCase.Options.join(u' ').toStdString());
        clsTempDir objDir;
        for (const auto& [pstrFolder, bytCore] : {std::pair{"Rel1/English", OldEnglish}, {"Rel1/German", OldGerman}, {"Rel2/English", NewEnglish}}) {
            objDir.Write(Q(pstrFolder) + "/core.lrc", bytCore);
            objDir.Write(Q(pstrFolder) + "/messages.lrc", Messages);
            objDir.Write(Q(pstrFolder) + "/secondary.lrc", Secondary);
        }
        QDir().mkpath(objDir.Path("Rel2/German"));
        QStringList strArgs{objDir.Path("Rel1/German"), objDir.Path("Rel2/English"), objDir.Path("Rel2/German")};
        for (const QString& strOption : udtCase.Options) strArgs << (strOption.startsWith(u'-') ? strOption : objDir.Path(strOption));
        const udtRun udtResult = RunUpdate(strArgs);
        EXPECT_EQ(udtResult.ExitCode, udtCase.Exit) << udtResult.Out.toStdString() << udtResult.Err.toStdString();
        const QByteArray bytCore = clsTempDir::Read(objDir.Path("Rel2/German/core.lrc"));
        EXPECT_EQ(bytCore, udtCase.Caption.isEmpty() ? QByteArray() : "frmMain.lblNoteCount.0.T:\r\nfrmMain.lblNoteCount.0.C:" + udtCase.Caption + "\r\n");
        const QByteArray bytState = clsTempDir::ReadState(objDir.Path("Rel2/German/translation-state.json"));
        EXPECT_EQ(bytState.contains(R"({"id": "frmMain.lblNoteCount.0.C", "review": "Notes:"})"), udtCase.Review) << bytState.toStdString();
        if (udtCase.Review) {
            EXPECT_TRUE(udtResult.Out.contains("filled from the memory: 1 text, each marked for review")) << udtResult.Out.toStdString();
        }
    }
}

// A root of language folders: each language but the English goes into DEST as its own update
// against that English would put it, in one command.
TEST(CliUpdateTest, ARootUpdatesEachLanguageAsItsOwnUpdateWould)
{
    clsTempDir objDir;
    const QByteArray OldEnglish = "frmMain.cmdOK.0.T:Accept\r\nfrmMain.cmdOK.0.C:OK\r\nfrmMain.cmdGo.0.T:\r\nfrmMain.cmdGo.0.C:Go\r\n";
    objDir.Write(Q("R1/English/core.lrc"), OldEnglish);
    objDir.Write(Q("R1/German/core.lrc"), "frmMain.cmdOK.0.T:Annehmen\r\nfrmMain.cmdOK.0.C:OK\r\nfrmMain.cmdGo.0.T:\r\nfrmMain.cmdGo.0.C:Los\r\n");
    objDir.Write(Q("R1/French/core.lrc"), OldCore);
    const QByteArray NewEnglish = "frmMain.cmdOK.0.T:Accept\r\nfrmMain.cmdOK.0.C:OK\r\nfrmMain.cmdGo.0.T:\r\nfrmMain.cmdGo.0.C:Start\r\n";
    objDir.Write(Q("R2/English/core.lrc"), NewEnglish);
    for (const char* pstrFolder : {"R1/English", "R1/German", "R1/French", "R2/English"}) {
        objDir.Write(Q(pstrFolder) + "/messages.lrc", Messages);
        objDir.Write(Q(pstrFolder) + "/secondary.lrc", Secondary);
    }
    const udtRun udtRoot = RunUpdate({objDir.Path(Q("R1")), objDir.Path(Q("R2/English")), objDir.Path(Q("R2")), Q("--json")});
    ASSERT_EQ(udtRoot.ExitCode, 0) << udtRoot.Err.toStdString();
    const QJsonArray udtLanguages = QJsonDocument::fromJson(udtRoot.Out.toUtf8()).object()[Q("languages")].toArray();
    ASSERT_EQ(udtLanguages.size(), 2);
    EXPECT_EQ(udtLanguages[0].toObject()[Q("folder")].toString(), objDir.Path(Q("R1/French")));
    for (const char* pstrLanguage : {"French", "German"}) {
        SCOPED_TRACE(pstrLanguage);
        const udtRun udtAlone = RunUpdate({objDir.Path(Q("R1/") + pstrLanguage), objDir.Path(Q("R2/English")), objDir.Path(Q("alone/") + pstrLanguage),
                                           Q("--old-source"), objDir.Path(Q("R1/English"))});
        ASSERT_EQ(udtAlone.ExitCode, 0) << udtAlone.Err.toStdString();
        for (const char* pstrFile : {"core.lrc", "translation-state.json"})
            EXPECT_EQ(clsTempDir::Read(objDir.Path(Q("R2/") + pstrLanguage + "/" + pstrFile)),
                      clsTempDir::Read(objDir.Path(Q("alone/") + pstrLanguage + "/" + pstrFile)))
                << pstrFile;
    }
    EXPECT_EQ(clsTempDir::Read(objDir.Path(Q("R2/English/core.lrc"))), NewEnglish);  // the source is not touched
    // A root without its English, and a fill that belongs to one language, are usage errors.
    QFile::rename(objDir.Path(Q("R1/English")), objDir.Path(Q("English")));
    EXPECT_EQ(RunUpdate({objDir.Path(Q("R1")), objDir.Path(Q("R2/English")), objDir.Path(Q("R3"))}).ExitCode, 2);
    EXPECT_EQ(RunUpdate({objDir.Path(Q("R1")), objDir.Path(Q("R2/English")), objDir.Path(Q("R3")), Q("--old-source"), objDir.Path(Q("English")),
                         Q("--fill-from-memory"), Q("--memory"), objDir.Path(Q("English"))})
                  .ExitCode,
              2);
}
