// A state record holds for the texts it was given for: whatever put it beside another text (a clean
// Git merge of a release branch and a translator's branch, a copy), its done mark is not applied.
#include "RunProgram.h"
#include "TempDir.h"

#include "state/clsTranslationState.h"
#include "store/clsTralyx.h"

#include <gtest/gtest.h>

using namespace tralyx;
using namespace tralyx::test;

namespace {

QString Q(const char* p) { return QString::fromUtf8(p); }

clsTralyx Texts(const QStringList& pstrTexts)
{
    clsTralyx objStore;
    objStore.SetSecondaryTable(pstrTexts);
    return objStore;
}

}  // namespace

TEST(StateTiedToText, VerifyTakesOnlyWhatWasGivenForTheseTexts)
{
    const auto K = enuFileKind::Secondary;
    const clsTralyx objEnglish = Texts({Q("Open"), Q("Cloud")}), objGerman = Texts({Q("\u00d6ffnen"), Q("Cloud")});
    struct {
        const char* Name;
        udtTextState Given;
        clsTralyx Now, NowSource;
        bool Done, Review, NoteFlagged, Reported;
    } udtCases[] = {
        {"the same texts", {.Done = true, .Note = Q("n")}, objGerman, objEnglish, true, false, false, false},
        {"done, another translation", {.Done = true}, Texts({Q("x"), Q("Archive")}), objEnglish, false, false, false, true},
        {"done, another source", {.Done = true}, objGerman, Texts({Q("Open"), Q("Archive")}), false, false, false, true},
        {"review, translation changed", {.Review = true, .PreviousSource = Q("Clod")}, Texts({Q("x"), Q("Wolke")}), objEnglish,
         false, false, false, true},
        {"review, only the source changed", {.Review = true, .PreviousSource = Q("Clod")}, objGerman, Texts({Q("Open"), Q("Sky")}),
         false, true, false, false},
        {"note, another text", {.Note = Q("keep")}, Texts({Q("x"), Q("Archive")}), objEnglish, false, false, true, true},
    };
    for (const auto& c : udtCases) {
        clsTranslationState objGiven;
        objGiven.Set(K, Q("TXT002"), c.Given);
        objGiven.Stamp(K, objGerman, &objEnglish);
        clsTranslationState objRead;
        QString strReason;
        ASSERT_TRUE(objRead.Parse(objGiven.ToJson(), strReason)) << strReason.toStdString();
        std::vector<clsTranslationState::udtMismatch> udtFound;
        objRead.Verify(K, c.Now, &c.NowSource, &udtFound);
        const udtTextState u = objRead.Get(K, Q("TXT002"));
        EXPECT_EQ(u.Done, c.Done) << c.Name;
        EXPECT_EQ(u.Review, c.Review) << c.Name;
        EXPECT_EQ(u.NoteForEarlierText(), c.NoteFlagged) << c.Name;
        EXPECT_EQ(udtFound.size(), c.Reported ? 1u : 0u) << c.Name;
        EXPECT_EQ(u.Note, c.Given.Note) << c.Name;  // a note is never lost
    }
    // A file of an older Tralyx says nothing of its texts: taken as it is.
    clsTranslationState objOld;
    QString strReason;
    ASSERT_TRUE(objOld.Parse(R"({"tralyx-translation-state": 1, "files": {"secondary.lrc": [{"id": "TXT002", "done": true}]}})", strReason));
    objOld.Verify(K, Texts({Q("x"), Q("Archive")}), &objEnglish);
    EXPECT_TRUE(objOld.Get(K, Q("TXT002")).Done);
}

// The release branch inserts an English text before the last one (the update moves the German
// after it); the translator's branch marks that last text done. Git merges both cleanly, and the
// mark would stand on the new, untranslated text.
TEST(StateTiedToText, AGitMergeNeverMovesADoneMarkOntoAnotherText)
{
    const clsTempDir objDir;
    const auto Git = [&](const QStringList& pstrArgs) {
        const udtRun r = RunProgram(Q("git"), QStringList{Q("-C"), objDir.Path(), Q("-c"), Q("user.name=T"), Q("-c"),
                                                          Q("user.email=t@example.org")} + pstrArgs);
        EXPECT_EQ(r.ExitCode, 0) << pstrArgs.join(u' ').toStdString() << r.Said().toStdString();
    };
    const auto Write = [&](const char* pstrFolder, const QByteArray& pbytTexts) { objDir.Write(Q(pstrFolder) + "/secondary.lrc", pbytTexts); };
    Git({Q("init"), Q("-q"), Q("-b"), Q("main")});
    Write("English", "TXT001:Open\r\nTXT002:Quillnote Cloud\r\n");
    Write("German", "TXT001:\xd6" "ffnen\r\nTXT002:Quillnote Cloud\r\n");
    Git({Q("add"), Q(".")});
    Git({Q("commit"), Q("-qm"), Q("base")});
    Git({Q("checkout"), Q("-qb"), Q("translator")});
    clsTranslationState objState;
    objState.SetDone(enuFileKind::Secondary, Q("TXT002"), true);
    const clsTralyx objEnglish = Texts({Q("Open"), Q("Quillnote Cloud")});
    objState.Stamp(enuFileKind::Secondary, Texts({Q("\u00d6ffnen"), Q("Quillnote Cloud")}), &objEnglish);
    objDir.Write(Q("German/translation-state.json"), objState.ToJson());
    Git({Q("add"), Q(".")});
    Git({Q("commit"), Q("-qm"), Q("done")});
    Git({Q("checkout"), Q("-q"), Q("main")});
    Git({Q("checkout"), Q("-qb"), Q("release2")});
    Write("English", "TXT001:Open\r\nTXT002:Archive\r\nTXT003:Quillnote Cloud\r\n");
    Write("German", "TXT001:\xd6" "ffnen\r\nTXT002:Archive\r\nTXT003:Quillnote Cloud\r\n");
    Git({Q("commit"), Q("-qam"), Q("release 2")});
    Git({Q("checkout"), Q("-q"), Q("main")});
    Git({Q("merge"), Q("-q"), Q("release2")});
    Git({Q("merge"), Q("-q"), Q("--no-edit"), Q("translator")});

    const udtRun udtLint = RunLrc({Q("lint"), objDir.Path(Q("German"))});
    EXPECT_TRUE(udtLint.Out.contains(Q("secondary.lrc:2: warning: TXT002: state: the state was given for another text"))) << udtLint.Out.toStdString();
    EXPECT_TRUE(udtLint.Out.contains(Q("1 of 3 entries translated"))) << udtLint.Out.toStdString();
    const udtRun udtExport = RunLrc({Q("export"), objDir.Path(Q("German")), objDir.Path(Q("de.po"))});
    ASSERT_EQ(udtExport.ExitCode, 0) << udtExport.Said().toStdString();
    EXPECT_FALSE(clsTempDir::Read(objDir.Path(Q("de.po"))).contains("msgid \"Archive\"\nmsgstr \"Archive\"")) << "English sent as finished";
}
