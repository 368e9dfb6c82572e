// Merging a language file entry by entry: what two branches changed in different texts always
// merges, the same text changed differently keeps ours in a file the checks accept and names
// theirs as the other candidate, and Git runs it as the merge driver that `git setup` configures.
#include "RunProgram.h"
#include "TempDir.h"

#include "state/clsMergeCandidates.h"
#include "update/basThreeWayMerge.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace tralyx;
using namespace tralyx::test;

namespace {

QString Q(const char* p) { return QString::fromUtf8(p); }
QStringList L(std::initializer_list<const char*> p)
{
    QStringList s;
    for (const char* c : p) s << Q(c);
    return s;
}

}  // namespace

TEST(ThreeWayMerge, ProceduralTextsFollowEachSidesRenumbering)
{
    struct {
        const char* Name;
        QStringList Ours, Theirs, Result;
        QStringList ConflictIds;
    } udtCases[] = {
        {"neighbours", L({"Eins", "ZWEI", "Drei"}), L({"Eins", "Zwei", "DREI"}), L({"Eins", "ZWEI", "DREI"}), {}},
        {"the same edit", L({"Eins", "Zwo", "Drei"}), L({"Eins", "Zwo", "Drei"}), L({"Eins", "Zwo", "Drei"}), {}},
        {"different edits", L({"Eins", "Zwo", "Drei"}), L({"Eins", "Zwoo", "Drei"}), L({"Eins", "Zwo", "Drei"}), L({"TXT002"})},
        {"theirs inserted, ours edited after", L({"Eins", "Zwei", "DREI"}), L({"Eins", "Neu", "Zwei", "Drei"}),
         L({"Eins", "Neu", "Zwei", "DREI"}), {}},
        {"ours inserted, theirs edited after", L({"Eins", "Neu", "Zwei", "Drei"}), L({"Eins", "Zwei", "DREI"}),
         L({"Eins", "Neu", "Zwei", "DREI"}), {}},
        {"both took in the same release", L({"Eins", "Neu", "ZWEI", "Drei"}), L({"Eins", "Neu", "Zwei", "DREI"}),
         L({"Eins", "Neu", "ZWEI", "DREI"}), {}},
        {"theirs removed an untouched one", L({"Eins", "Zwei", "DREI"}), L({"Eins", "Drei"}), L({"Eins", "DREI"}), {}},
    };
    for (const auto& c : udtCases) {
        QStringList strResult;
        const udtThreeWayReport r = MergeThreeWay(L({"Eins", "Zwei", "Drei"}), c.Ours, c.Theirs, strResult);
        EXPECT_EQ(strResult, c.Result) << c.Name;
        QStringList strIds;
        for (const udtMergeCandidate& u : r.Conflicts) strIds << u.Id;
        EXPECT_EQ(strIds, c.ConflictIds) << c.Name;
        EXPECT_EQ(r.Clean(), c.ConflictIds.isEmpty()) << c.Name;
    }
}

TEST(ThreeWayMerge, ControlTextByPathMessagesByField)
{
    const auto Item = [](const char* pstrControl, const char* pstrCaption, const char* pstrToolTip) {
        return ControlTextItem{Q("frmMain"), Q(pstrControl), 0, Q(pstrCaption), Q(pstrToolTip)};
    };
    const QVector<ControlTextItem> udtBase{Item("cmdNew", "&New", "New note"), Item("cmdOpen", "&Open", "Open")};
    QVector<ControlTextItem> udtResult;
    // Ours translates a caption; theirs the tool-tip of the same control and adds a control.
    udtThreeWayReport r = MergeThreeWay(udtBase, {Item("cmdNew", "&Neu", "New note"), Item("cmdOpen", "&Open", "Open")},
                                        {Item("cmdNew", "&New", "Neue Notiz"), Item("cmdOpen", "&Open", "Open"), Item("cmdDel", "&Delete", "")},
                                        udtResult);
    EXPECT_TRUE(r.Clean());
    EXPECT_EQ(udtResult, (QVector<ControlTextItem>{Item("cmdNew", "&Neu", "Neue Notiz"), Item("cmdOpen", "&Open", "Open"),
                                                   Item("cmdDel", "&Delete", "")}));
    r = MergeThreeWay(udtBase, {Item("cmdNew", "&Neu", "New note"), udtBase[1]}, {Item("cmdNew", "N&eu", "New note"), udtBase[1]}, udtResult);
    ASSERT_EQ(r.Conflicts.size(), 1);
    EXPECT_EQ(r.Conflicts[0], (udtMergeCandidate{Q("frmMain.cmdNew.0.C"), Q("&Neu"), Q("N&eu"), Q("&New")}));

    // The title above a message and the message: one entry, two texts, each merged alone.
    QVector<MessageItem> udtMessages;
    r = MergeThreeWay(QVector<MessageItem>{{1, Q("Text"), Q("Title")}}, QVector<MessageItem>{{1, Q("Text"), Q("Titel")}},
                      QVector<MessageItem>{{1, Q("Der Text"), Q("Title")}}, udtMessages);
    EXPECT_TRUE(r.Clean());
    EXPECT_EQ(udtMessages, (QVector<MessageItem>{{1, Q("Der Text"), Q("Titel")}}));
}

TEST(ThreeWayMerge, StateKeepsBothSidesMarksAndNotes)
{
    const auto K = enuFileKind::Secondary;
    clsTranslationState objBase, objOurs, objTheirs, objResult;
    objBase.SetNote(K, Q("TXT002"), Q("base"));
    objOurs = objBase;
    objTheirs = objBase;
    objOurs.SetDone(K, Q("TXT001"), true);
    objTheirs.SetNote(K, Q("TXT003"), Q("theirs"));
    objOurs.SetNote(K, Q("TXT002"), Q("ours"));
    objTheirs.SetNote(K, Q("TXT002"), Q("theirs too"));
    const udtThreeWayReport r = MergeThreeWay(objBase, objOurs, objTheirs, objResult);
    EXPECT_TRUE(objResult.Get(K, Q("TXT001")).Done);
    EXPECT_EQ(objResult.Get(K, Q("TXT003")).Note, Q("theirs"));
    EXPECT_EQ(objResult.Get(K, Q("TXT002")).Note, Q("ours\ntheirs too"));  // nothing lost, and said
    EXPECT_EQ(r.Notes.size(), 1);
}

// Two branches of one repository set up by `git setup`: neighbouring lines merge, one text changed
// differently is a conflict that leaves a valid file and the other candidate for the editor.
TEST(GitMergeDriver, NeighboursMergeAndAClashLeavesAValidFile)
{
    const clsTempDir objDir;
    const auto Git = [&](const QStringList& pstrArgs) {
        return RunProgram(Q("git"), QStringList{Q("-C"), objDir.Path(), Q("-c"), Q("user.name=T"), Q("-c"), Q("user.email=t@example.org")} +
                                        pstrArgs);
    };
    const auto Commit = [&](const char* pstrBranch, const QByteArray& pbytMessages, const QByteArray& pbytTexts) {
        if (pstrBranch) {
            EXPECT_EQ(Git({Q("checkout"), Q("-q"), Q(pstrBranch)}).ExitCode, 0);
        }
        objDir.Write(Q("German/messages.lrc"), pbytMessages);
        objDir.Write(Q("German/secondary.lrc"), pbytTexts);
        EXPECT_EQ(Git({Q("add"), Q(".")}).ExitCode, 0);
        EXPECT_EQ(Git({Q("commit"), Q("-qm"), Q("c")}).ExitCode, 0);
    };
    ASSERT_EQ(Git({Q("init"), Q("-q"), Q("-b"), Q("main")}).ExitCode, 0);
    const udtRun udtSetup = RunLrc({Q("git"), Q("setup"), objDir.Path()});
    ASSERT_EQ(udtSetup.ExitCode, 0) << udtSetup.Said().toStdString();
    EXPECT_TRUE(clsTempDir::Read(objDir.Path(Q(".gitattributes"))).contains("*.lrc -text merge=tralyx diff=tralyx"));
    const QByteArray bytMessages = "MSG001:Eins\r\nMST001:Titel\r\nMSG002:Zwei\r\nMST002:Titel\r\n";
    Commit(nullptr, bytMessages, "TXT001:Eins\r\nTXT002:Zwei\r\n");
    ASSERT_EQ(Git({Q("branch"), Q("other")}).ExitCode, 0);
    Commit(nullptr, "MSG001:Eins\r\nMST001:TITEL\r\nMSG002:Zwei\r\nMST002:Titel\r\n", "TXT001:Eins\r\nTXT002:Zwo\r\n");
    Commit("other", "MSG001:Eins\r\nMST001:Titel\r\nMSG002:ZWEI\r\nMST002:Titel\r\n", "TXT001:Eins\r\nTXT002:Zwoo\r\n");
    Git({Q("checkout"), Q("-q"), Q("main")});

    const udtRun udtMerge = Git({Q("merge"), Q("--no-edit"), Q("other")});
    EXPECT_NE(udtMerge.ExitCode, 0);  // the clash in secondary.lrc
    EXPECT_TRUE(udtMerge.Said().contains(Q("TXT002: both sides changed it"))) << udtMerge.Said().toStdString();
    EXPECT_EQ(clsTempDir::Read(objDir.Path(Q("German/messages.lrc"))), "MSG001:Eins\r\nMST001:TITEL\r\nMSG002:ZWEI\r\nMST002:Titel\r\n");
    EXPECT_EQ(clsTempDir::Read(objDir.Path(Q("German/secondary.lrc"))), "TXT001:Eins\r\nTXT002:Zwo\r\n");
    const udtRun udtCheck = RunLrc({Q("check"), objDir.Path(Q("German/secondary.lrc"))});
    EXPECT_EQ(udtCheck.ExitCode, 0) << udtCheck.Said().toStdString();
    clsMergeCandidates objCandidates;
    QString strReason;
    ASSERT_TRUE(objCandidates.Load(objDir.Path(Q("German")), strReason)) << strReason.toStdString();
    ASSERT_EQ(objCandidates.Of(enuFileKind::Secondary).size(), 1);
    EXPECT_EQ(objCandidates.Of(enuFileKind::Secondary)[0], (udtMergeCandidate{Q("TXT002"), Q("Zwo"), Q("Zwoo"), Q("Zwei")}));
    // The diff shows the texts decoded, a line a text.
    const udtRun udtTextconv = RunLrc({Q("git"), Q("textconv"), objDir.Path(Q("German/secondary.lrc"))});
    EXPECT_EQ(udtTextconv.Out, Q("TXT001:Eins\nTXT002:Zwo\n"));
}

// A link under the candidates' name never has a language file written over through it.
TEST(MergeCandidates, NeverWrittenThroughALink)
{
    const clsTempDir objDir;
    const QString strCore = objDir.Write(Q("German/core.lrc"), "frmMain.cmdOK.0.C:OK\r\n");
    ASSERT_TRUE(QFile::link(strCore, objDir.Path(Q("German/translation-candidates.json"))));
    clsMergeCandidates objCandidates;
    objCandidates.Add(enuFileKind::Secondary, {Q("TXT001"), Q("a"), Q("b"), Q("c")});
    QString strReason;
    EXPECT_FALSE(objCandidates.Save(objDir.Path(Q("German")), strReason));
    EXPECT_EQ(clsTempDir::Read(strCore), "frmMain.cmdOK.0.C:OK\r\n");
}
