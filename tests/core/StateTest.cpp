// The translation state beside a folder's files: read back as written, an unreadable file ignored
// with its reason, a save that keeps the other files' sections, pruning and renumbering.
#include "state/clsTranslationState.h"
#include "TempDir.h"
#include "TestTexts.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace tralyx;
using namespace tralyx::test;

namespace {

const QString StateFile = Q("translation-state.json");

}  // namespace

TEST(StateTest, AFileThatCannotBeReadIsIgnoredWithItsReason)
{
    const std::pair<QByteArray, const char*> udtCases[] = {
        {"{\n  \"tralyx-translation-state\": 1,\n  \"files\": {\n", "line 4: not valid JSON"},
        {"[1, 2]", "not a translation state file"},
        {"{\"tralyx-translation-state\": 2, \"files\": {}}", "version 2 of the state file is not known"},
        {"{\"tralyx-translation-state\": 1, \"files\": {\"core.lrc\": {}}}", "\"core.lrc\" must be a list"},
        {"{\"tralyx-translation-state\": 1, \"files\": {\"secondary.lrc\": [{\"id\": \"TXT001\"}, {\"review\": \"x\"}]}}",
         "\"secondary.lrc\" entry 2: must be an object with an \"id\""},
        {"{\"tralyx-translation-state\": 1, \"files\": {\"messages.lrc\": [{\"id\": \"MSG001\", \"done\": \"yes\"}]}}",
         "\"done\" true or false"},
    };
    for (const auto& [bytContent, pstrReason] : udtCases) {
        const clsTempDir objDir;
        objDir.Write(StateFile, bytContent);
        clsTranslationState objState;
        objState.SetNote(enuFileKind::Secondary, Q("TXT001"), Q("left from before"));
        QString strReason;
        EXPECT_FALSE(objState.Load(objDir.Path(), strReason)) << pstrReason;
        EXPECT_TRUE(strReason.startsWith(objDir.Path(StateFile)) && strReason.contains(Q(pstrReason))) << strReason.toStdString();
        EXPECT_TRUE(objState.IsEmpty());
    }
    const clsTempDir objDir;  // no file: no state, and nothing to say
    clsTranslationState objState;
    QString strReason;
    EXPECT_TRUE(objState.Load(objDir.Path(), strReason));
    EXPECT_TRUE(objState.IsEmpty() && strReason.isEmpty());
}

TEST(StateTest, SavesItsFilesSectionsOnlyKeepsTheOthersAndWritesNothingWithoutAChange)
{
    const clsTempDir objDir;
    clsTranslationState objOnDisk;
    objOnDisk.MarkReview(enuFileKind::ControlText, Q("frmMain.cmdNew.0.C"), Q("&New \"quoted\"\r\n\u00e9"));
    objOnDisk.SetNote(enuFileKind::Messages, Q("MST002"), Q("a title\nof two lines"));
    QString strReason;
    bool booWritten = false;
    ASSERT_TRUE(objOnDisk.Save(objDir.Path(), AllFileKinds, strReason, &booWritten)) << strReason.toStdString();
    EXPECT_TRUE(booWritten);
    clsTranslationState objRead;
    ASSERT_TRUE(objRead.Load(objDir.Path(), strReason)) << strReason.toStdString();
    EXPECT_TRUE(objRead == objOnDisk);

    // Another writer's state of core.lrc only: messages.lrc's section stays as the file has it.
    clsTranslationState objMine;
    objMine.SetDone(enuFileKind::ControlText, Q("frmMain.[Caption].0.C"), true);
    objMine.SetNote(enuFileKind::Messages, Q("MSG001"), Q("not mine to write"));
    const enuFileKind enuCore[] = {enuFileKind::ControlText};
    ASSERT_TRUE(objMine.Save(objDir.Path(), enuCore, strReason, &booWritten));
    ASSERT_TRUE(objRead.Load(objDir.Path(), strReason));
    EXPECT_EQ(objRead.Texts(enuFileKind::ControlText), objMine.Texts(enuFileKind::ControlText));
    EXPECT_EQ(objRead.Texts(enuFileKind::Messages), objOnDisk.Texts(enuFileKind::Messages));
    const QByteArray bytBefore = clsTempDir::Read(objDir.Path(StateFile));
    ASSERT_TRUE(objRead.Save(objDir.Path(), AllFileKinds, strReason, &booWritten));
    EXPECT_FALSE(booWritten);
    EXPECT_EQ(clsTempDir::Read(objDir.Path(StateFile)), bytBefore);

    const clsTempDir objEmpty;  // no state, no file: none made
    ASSERT_TRUE(clsTranslationState().Save(objEmpty.Path(), AllFileKinds, strReason, &booWritten));
    EXPECT_FALSE(booWritten || QDir(objEmpty.Path()).exists(StateFile));
    EXPECT_FALSE(objMine.Save(objEmpty.Path(Q("missing/folder")), AllFileKinds, strReason));
    EXPECT_FALSE(strReason.isEmpty());
}

TEST(StateTest, PrunesIdsTheTableLacksAndRenumbers)
{
    clsTralyx objStore;
    objStore.SetControlTextTable({{"frmMain", "cmdOK", 0, "OK", ""}});
    objStore.SetSecondaryTable({Q("one"), Q("two")});
    clsTranslationState objState;
    for (const char* pstrId : {"frmMain.cmdOK.0.C", "frmMain.cmdOK.0.T", "frmMain.cmdGone.0.C"})
        objState.SetNote(enuFileKind::ControlText, Q(pstrId), Q(pstrId));
    for (const char* pstrId : {"TXT001", "TXT002", "TXT003", "TXT000#1000"})
        objState.SetNote(enuFileKind::Secondary, Q(pstrId), Q(pstrId));
    objState.Prune(enuFileKind::ControlText, objStore);
    objState.Prune(enuFileKind::Secondary, objStore);
    EXPECT_EQ(objState.Texts(enuFileKind::ControlText).keys().size(), 2);
    EXPECT_FALSE(objState.Texts(enuFileKind::ControlText).contains(Q("frmMain.cmdGone.0.C")));
    objState.Renumber(enuFileKind::Secondary, {-1, 999});  // TXT001 gone, TXT002 now the 1,000th
    EXPECT_EQ(objState.Texts(enuFileKind::Secondary).keys(), QStringList{Q("TXT000#1000")});
    EXPECT_EQ(objState.Get(enuFileKind::Secondary, Q("TXT000#1000")).Note, Q("TXT002"));
}
