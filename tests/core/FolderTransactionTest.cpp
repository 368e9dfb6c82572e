// One read-modify-write of a language folder: the state a crash leaves between the state's and the
// texts' writes, two writers at once, and state files it must not write (a link, one it could not
// read, one too large), and what a killed writer left.
#include "state/clsFolderTransaction.h"
#include "exchange/basFolderImport.h"
#include "TempDir.h"
#include "TestTexts.h"
#include "store/basSafeFile.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <thread>
#include <unistd.h>

using namespace tralyx;
using namespace tralyx::test;

namespace {

const enuFileKind K = enuFileKind::Secondary;
const QString Id = Q("TXT001");

clsTranslationState OnDisk(const clsTempDir& pobjDir)
{
    clsTranslationState objState;
    QString strReason;
    EXPECT_TRUE(objState.Load(pobjDir.Path(), strReason)) << strReason.toStdString();
    return objState;
}

}  // namespace

// Whatever the moment of a crash, a text whose new version may be on disk is never counted finished
// without its mark: the state while the text is written, and after.
TEST(FolderTransaction, ACrashAtAnyPointLeavesNoTextCountedFinishedWithoutItsMark)
{
    udtTextState None, Review, Done, Noted;
    Review.Review = true, Review.PreviousSource = Q("old"), Done.Done = true, Noted.Note = Q("n");
    const struct {
        const char* Name;
        udtTextState Before, After;
        bool Written;  // the text's write succeeds
        udtTextState During, End;
    } Rows[] = {
        {"a new review is on disk before the text", None, Review, true, Review, Review},
        {"an ended review stays until the text is written", Review, None, true, Review, None},
        {"done only once the text is written", None, Done, true, None, Done},
        {"done then review: review at once", Done, Review, true, Review, Review},
        {"a note stays until the text is written", Noted, None, true, Noted, None},
        {"a failed write keeps the state it had", Review, Done, false, Review, Review},
        {"a failed write marks nothing done", None, Done, false, None, None},
    };
    for (const auto& r : Rows) {
        const clsTempDir objDir;
        clsTranslationState objBefore, objAfter;
        objBefore.Set(K, Id, r.Before);
        objBefore.SetNote(enuFileKind::Messages, Q("MSG001"), Q("another file's, kept"));
        if (!objBefore.IsEmpty()) objDir.Write(Q("translation-state.json"), objBefore.ToJson());
        objAfter.Set(K, Id, r.After);
        clsFolderTransaction objChange;
        QString strReason;
        ASSERT_TRUE(objChange.Begin(objDir.Path(), strReason)) << strReason.toStdString();
        udtTextState udtDuring;
        const udtFolderCommit udtCommit = objChange.Commit(objAfter, {{K, [&](QString& pstrReason) {
                                                                            udtDuring = OnDisk(objDir).Get(K, Id);
                                                                            if (!r.Written) pstrReason = Q("disk full");
                                                                            return r.Written;
                                                                        }}});
        EXPECT_EQ(udtDuring, r.During) << r.Name;
        EXPECT_EQ(OnDisk(objDir).Get(K, Id), r.End) << r.Name;
        EXPECT_EQ(OnDisk(objDir).Get(enuFileKind::Messages, Q("MSG001")).Note, Q("another file's, kept")) << r.Name;
        ASSERT_EQ(udtCommit.Files.size(), 1u);
        EXPECT_EQ(udtCommit.Files[0].Written, r.Written) << r.Name;
        EXPECT_EQ(udtCommit.Files[0].Reason, r.Written ? QString() : Q("disk full")) << r.Name;
    }
}

// Two writers at once, each adding a line to a text file and a note to the state under the one
// lock: every line and every note arrives.
TEST(FolderTransaction, TwoWritersAtOnceLoseNothing)
{
    const clsTempDir objDir;
    const QString strTexts = objDir.Write(Q("secondary.lrc"), "");
    const int Rounds = 25;
    const auto Writer = [&](int plngWriter) {
        for (int i = 0; i < Rounds; ++i) {
            clsFolderTransaction objChange;
            QString strReason;
            ASSERT_TRUE(objChange.Begin(objDir.Path(), strReason)) << strReason.toStdString();
            const QString strId = QStringLiteral("TXT%1#%2").arg(plngWriter).arg(i);
            const QByteArray bytOld = clsTempDir::Read(strTexts);
            clsTranslationState objState = objChange.State();
            objState.SetNote(K, strId, Q("note"));
            const udtFolderCommit udtCommit = objChange.Commit(objState, {{K, [&](QString& pstrReason) {
                                                                                return WriteFileAtomically(strTexts, bytOld + strId.toUtf8() + "\r\n",
                                                                                                           pstrReason, true, &bytOld);
                                                                            }}});
            EXPECT_TRUE(udtCommit.AllWritten()) << udtCommit.StateReason.toStdString();
        }
    };
    std::thread objOne(Writer, 1), objTwo(Writer, 2);
    objOne.join();
    objTwo.join();
    const QByteArray bytTexts = clsTempDir::Read(strTexts);
    EXPECT_EQ(bytTexts.count("\r\n"), 2 * Rounds);
    const clsTranslationState objState = OnDisk(objDir);
    EXPECT_EQ(objState.Texts(K).size(), 2 * Rounds);
    for (auto it = objState.Texts(K).cbegin(); it != objState.Texts(K).cend(); ++it)
        EXPECT_TRUE(bytTexts.contains(it.key().toUtf8() + "\r\n")) << it.key().toStdString();
}

// A state file that is a link, cannot be read or is too large to be one is never written (the link's
// file, the bytes, stay), and nothing of the folder is; a discarded unreadable one is replaced.
TEST(FolderTransaction, RefusesAStateItMustNotWriteAndClearsWhatAKilledWriterLeft)
{
    const struct {
        const char* Name;
        std::function<void(const clsTempDir&)> Make;
        bool Discard;
        const char* Says;  // empty: written
    } Rows[] = {
        {"a link to a .lrc file", [](const clsTempDir& d) { (void)!symlink("core.lrc", QFile::encodeName(d.Path(Q("translation-state.json"))).constData()); },
         false, "translation-state.json is a link (to "},
        {"a link, discarded", [](const clsTempDir& d) { (void)!symlink("core.lrc", QFile::encodeName(d.Path(Q("translation-state.json"))).constData()); },
         true, "is a link"},
        {"a merge conflict", [](const clsTempDir& d) { d.Write(Q("translation-state.json"), "{\"tralyx-translation-state\": 1,\n<<<<<<< HEAD"); },
         false, "translation-state.json: line 2: an unresolved merge conflict"},
        {"not JSON, discarded", [](const clsTempDir& d) { d.Write(Q("translation-state.json"), "{"); }, true, ""},
        {"larger than any folder's", [](const clsTempDir& d) {
             QFile objFile(d.Write(Q("translation-state.json"), "{"));
             ASSERT_TRUE(objFile.resize(clsTranslationState::MaxFileSize + 1));
         }, false, "more than the state of any language folder"},
        {"what a killed writer left", [](const clsTempDir& d) {
             d.Write(Q(".translation-state.json.tralyx-1a2b3c"), "{");
             d.Write(Q(".Core.LRC.tralyx-ff"), "x");
         }, false, ""},
    };
    for (const auto& r : Rows) {
        const clsTempDir objDir;
        objDir.Write(Q("core.lrc"), "f.c.0.C:x\r\n");
        objDir.Write(Q(".notes.tralyx-1"), "not ours");
        r.Make(objDir);
        const QByteArray bytState = clsTempDir::Read(objDir.Path(Q("translation-state.json")));
        clsFolderTransaction objChange;
        QString strReason;
        ASSERT_TRUE(objChange.Begin(objDir.Path(), strReason)) << r.Name;
        if (r.Discard) objChange.DiscardState();
        EXPECT_TRUE(objChange.StateProblem().contains(Q(r.Says))) << r.Name << ": " << objChange.StateProblem().toStdString();
        clsTranslationState objNew;
        objNew.SetNote(K, Id, Q("n"));
        bool booWrote = false;
        const udtFolderCommit udtCommit = objChange.Commit(objNew, {{K, [&](QString&) { return booWrote = true; }}});
        const bool booRefused = *r.Says != 0;
        EXPECT_EQ(booWrote, !booRefused) << r.Name;
        EXPECT_EQ(udtCommit.AllWritten(), !booRefused) << r.Name;
        EXPECT_EQ(clsTempDir::Read(objDir.Path(Q("core.lrc"))), QByteArray("f.c.0.C:x\r\n")) << r.Name;
        if (booRefused) EXPECT_EQ(clsTempDir::Read(objDir.Path(Q("translation-state.json"))), bytState) << r.Name;
        else EXPECT_EQ(OnDisk(objDir).Get(K, Id).Note, Q("n")) << r.Name;
        EXPECT_EQ(QDir(objDir.Path()).entryList(QDir::Files | QDir::Hidden).filter(Q(".tralyx-")), QStringList{Q(".notes.tralyx-1")}) << r.Name;
    }
}

// The same through the import itself, in this process: two imports at once, each bringing one text
// to review, into one folder; both texts and both marks arrive.
TEST(FolderTransaction, TwoImportsAtOnceKeepBothTextsAndBothMarks)
{
    const clsTempDir objDir;
    for (int r = 0; r < 10; ++r) {
        const QString strFolder = QFileInfo(objDir.Write(Q("G/secondary.lrc"), "TXT001:one\r\nTXT002:two\r\n")).path();
        QFile::remove(objDir.Path(Q("G/translation-state.json")));
        std::thread objImports[2];
        for (int i = 0; i < 2; ++i)
            objImports[i] = std::thread([&, i] {
                const QString strPo = objDir.Write(QStringLiteral("%1.po").arg(i), QStringLiteral(
                    "#, fuzzy\nmsgctxt \"secondary.lrc:TXT00%1\"\nmsgid \"x\"\nmsgstr \"new%1\"\n").arg(i + 1).toUtf8());
                const udtImportRun udtRun = ImportIntoFolder({strPo, strFolder, {}, Q("windows-1252"), {}, true, false, false});
                EXPECT_TRUE(udtRun.AllWell) << (udtRun.Lines.empty() ? std::string() : udtRun.Lines.back().Text.toStdString());
            });
        for (std::thread& objImport : objImports) objImport.join();
        EXPECT_EQ(clsTempDir::Read(objDir.Path(Q("G/secondary.lrc"))), QByteArray("TXT001:new1\r\nTXT002:new2\r\n")) << "round " << r;
        QString strReason;
        clsTranslationState objState;
        ASSERT_TRUE(objState.Load(strFolder, strReason));
        EXPECT_EQ(objState.Texts(K).size(), 2) << "round " << r;
    }
}
