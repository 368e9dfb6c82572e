// Applying stored text to a form: which entry is found, what is assigned, what a failure leaves.
#include "RuntimeFakeForm.h"
#include "TempDir.h"
#include "TestTexts.h"
#include "clsTralyx.h"

#include <gtest/gtest.h>

using namespace tralyx;
using namespace tralyx::test;
using K = enuControlKind;

namespace {

ControlTextItem Entry(const char* pstrForm, const char* pstrControl, uint8_t pbytIndex, const char* pstrCaption,
                      const char* pstrToolTip)
{
    return {QString::fromUtf8(pstrForm), QString::fromUtf8(pstrControl), pbytIndex, QString::fromUtf8(pstrCaption),
            QString::fromUtf8(pstrToolTip)};
}

TEST(SetControlText, FirstMatchingEntryOnlyWithExactCaseSensitiveKeys)
{
    clsTralyx objStore;
    objStore.SetControlTextTable({
        Entry("FRMMAIN", "lblName", 0, "form case", "x"),
        Entry("frmMain", "LBLNAME", 0, "control case", "x"),
        Entry("frmMain", "lblName", 1, "other index", "x"),
        Entry("frmMain ", "lblName", 0, "trailing blank", "x"),
        Entry("frmMain", "lblName", 0, "first", "tip one"),
        Entry("frmMain", "lblName", 0, "second", "tip two"),
    });
    clsFakeForm frm(QStringLiteral("frmMain"));
    clsFakeControl& lbl = frm.Add(K::Label, QStringLiteral("lblName"));
    objStore.SetControlText(frm, lbl, 0, false);
    EXPECT_EQ(lbl.mstrLog, QStringList({"ToolTip=tip one", "Caption=first"}));

    clsFakeForm frmOtherCase(QStringLiteral("frmmain"));
    clsFakeControl& lbl2 = frmOtherCase.Add(K::Label, QStringLiteral("lblName"));
    objStore.SetControlText(frmOtherCase, lbl2, 0, false);
    EXPECT_TRUE(lbl2.mstrLog.isEmpty());
}

TEST(SetControlText, DirectCallWidensAnyKindToItsCaption)
{
    // Only check boxes and option buttons get the room of their box; a text box gets no caption.
    const struct {
        K Kind;
        QStringList Log;
    } udtCases[] = {
        {K::Label, {"ToolTip=Tip", "Caption=Caption", "Width=70"}},
        {K::TextBox, {"ToolTip=Tip", "Width=70"}},
        {K::OptionButton, {"ToolTip=Tip", "Caption=Caption", "Width=420"}},
    };
    clsTralyx objStore;
    objStore.SetControlTextTable({Entry("frm", "ctl", 0, "Caption", "Tip")});
    for (const auto& c : udtCases) {
        clsFakeForm frm(QStringLiteral("frm"));
        clsFakeControl& ctl = frm.Add(c.Kind, QStringLiteral("ctl"));
        objStore.SetControlText(frm, ctl, 0, true);
        EXPECT_EQ(ctl.mstrLog, c.Log) << "kind " << int(c.Kind);
    }
}

TEST(SetControlText, FailureReachesTheCallerAndKeepsEarlierAssignments)
{
    clsTralyx objStore;
    objStore.SetControlTextTable({Entry("frm", "mnuFile", 0, "File", "tip"), Entry("frm", "lbl", 0, "Cap", "Tip")});
    clsFakeForm frm(QStringLiteral("frm"));
    clsFakeControl& mnu = frm.Add(K::Other, QStringLiteral("mnuFile"));
    mnu.mbooFailToolTip = true;  // a menu item has no tool-tip
    EXPECT_EQ(ErrorNumber([&] { objStore.SetControlText(frm, mnu, 0, false); }), 438);
    EXPECT_TRUE(mnu.mstrLog.isEmpty()) << "the caption must not be touched after the tool-tip failed";

    clsFakeControl& lbl = frm.Add(K::Label, QStringLiteral("lbl"));
    lbl.mbooFailCaption = true;
    EXPECT_EQ(ErrorNumber([&] { objStore.SetControlText(frm, lbl, 0, true); }), 438);
    EXPECT_EQ(lbl.mstrLog, QStringList({"ToolTip=Tip"}));
    EXPECT_FALSE(lbl.msngWidth);
}

TEST(SetControlText, TableNeverLoadedOrTooLargeRaises)
{
    clsFakeForm frm(QStringLiteral("frm"));
    clsFakeControl& lbl = frm.Add(K::Label, QStringLiteral("lbl"));
    clsTralyx objEmpty;
    EXPECT_EQ(ErrorNumber([&] { objEmpty.SetControlText(frm, lbl, 0, false); }), 9);

    clsTralyx objHuge;
    objHuge.SetControlTextTable(QVector<ControlTextItem>(clsTralyx::MaxRecords + 1, Entry("frm", "lbl", 0, "C", "T")));
    EXPECT_EQ(ErrorNumber([&] { objHuge.SetControlText(frm, lbl, 0, false); }), 6);
    EXPECT_TRUE(lbl.mstrLog.isEmpty());
}

TEST(SetFormText, IndexZeroOutsideArraysAndBeyondAByte)
{
    clsTralyx objStore;
    objStore.SetControlTextTable({
        Entry("frm", "lblA", 0, "A0", ""),
        Entry("frm", "lblA", 44, "A44", ""),  // 300 modulo 256: must not be used
        Entry("frm", "lblB", 0, "B0", ""),
        Entry("frm", "lblB", 2, "B2", ""),
        Entry("frm", "lblB", 255, "B255", ""),
    });
    clsFakeForm frm(QStringLiteral("frm"));
    frm.Add(K::Label, QStringLiteral("lblA"));                           // not in an array
    frm.Add(K::Label, QStringLiteral("lblA"), 300);                      // too large for a byte
    frm.Add(K::Label, QStringLiteral("lblA"), -1);
    frm.Add(K::Label, QStringLiteral("lblA"), 4).mbooFailIndex = true;  // reading fails
    frm.Add(K::Label, QStringLiteral("lblB"), 2);
    frm.Add(K::Label, QStringLiteral("lblB"), 255);
    objStore.SetFormText(frm);
    QStringList strCaptions;
    for (const auto& ctl : frm.mobjControls) strCaptions << ctl->mstrCaption;
    EXPECT_EQ(strCaptions, QStringList({"A0", "A0", "A0", "A0", "B2", "B255"}));
}

TEST(SetFormText, KindsAndWidening)
{
    clsTralyx objStore;
    objStore.SetControlTextTable({
        Entry("frm", "txtName", 0, "never shown", "Your name"),
        Entry("frm", "lblName", 0, "Name", "lbl tip"),
        Entry("frm", "cmdOK", 0, "OK", ""),
        Entry("frm", "chkAll", 0, "All", ""),
        Entry("frm", "optSize", 1, "Big", ""),
        Entry("frm", "fraSize", 0, "Size", ""),
        Entry("frm", "lstItems", 0, "list", "list"),
    });
    clsFakeForm frm(QStringLiteral("frm"));
    frm.Add(K::TextBox, QStringLiteral("txtName")).mstrCaption = QStringLiteral("typed text");
    frm.Add(K::Label, QStringLiteral("lblName"));
    clsFakeControl& cmd = frm.Add(K::CommandButton, QStringLiteral("cmdOK"));
    cmd.mstrToolTip = QStringLiteral("an empty stored tool-tip clears this");
    frm.Add(K::CheckBox, QStringLiteral("chkAll"));
    frm.Add(K::OptionButton, QStringLiteral("optSize"), 1);
    frm.Add(K::Frame, QStringLiteral("fraSize"));
    frm.Add(K::Other, QStringLiteral("lstItems"));
    objStore.SetFormText(frm);
    EXPECT_EQ(frm.AllLogs(), QStringList({
                                 "txtName ToolTip=Your name",
                                 "lblName ToolTip=lbl tip", "lblName Caption=Name",
                                 "cmdOK ToolTip=", "cmdOK Caption=OK",
                                 "chkAll ToolTip=", "chkAll Caption=All", "chkAll Width=380",
                                 "optSize ToolTip=", "optSize Caption=Big", "optSize Width=380",
                                 "fraSize ToolTip=", "fraSize Caption=Size",
                             }));
    EXPECT_EQ(frm.mobjControls[0]->mstrCaption, QStringLiteral("typed text"));
    EXPECT_EQ(cmd.mstrToolTip, QString());
}

TEST(SetFormText, TabsAreLookedUpByTabNumberAndTheSelectionRestored)
{
    clsTralyx objStore;
    objStore.SetControlTextTable({
        Entry("frm", "tabMain", 0, "General", "g"),
        Entry("frm", "tabMain", 1, "View", "v"),
        Entry("frm", "tabMain", 2, "Advanced", "a"),
    });
    clsFakeForm frm(QStringLiteral("frm"));
    clsFakeControl& tab = frm.Tabs(QStringLiteral("tabMain"), {"1", "2", "3"}, 1);
    tab.mlngIndex = 2;  // its own array index plays no part
    objStore.SetFormText(frm);
    EXPECT_EQ(tab.mstrTabCaptions, QStringList({"General", "View", "Advanced"}));
    EXPECT_EQ(tab.mstrTabToolTips, QStringList({"g", "v", "a"}));
    EXPECT_EQ(tab.mintTab, 1);
    EXPECT_EQ(tab.mstrLog.filter(QStringLiteral("Tab=")), QStringList({"Tab=0", "Tab=1", "Tab=2", "Tab=1"}));
}

TEST(SetFormText, FailingStepsAreSkippedAndTheWalkGoesOn)
{
    clsTralyx objStore;
    objStore.SetControlTextTable({
        Entry("frm", "lblBad", 0, "bad", "bad tip"),
        Entry("frm", "tabMain", 0, "T0", ""),
        Entry("frm", "tabMain", 1, "T1", ""),
        Entry("frm", "tabMain", 2, "T2", ""),
        Entry("frm", "lblGood", 0, "good", ""),
    });
    clsFakeForm frm(QStringLiteral("frm"));
    clsFakeControl& bad = frm.Add(K::Label, QStringLiteral("lblBad"));
    bad.mbooFailCaption = true;
    clsFakeControl& tab = frm.Tabs(QStringLiteral("tabMain"), {"a", "b", "c"}, 2);
    tab.mintFailTabs = {1};
    clsFakeControl& good = frm.Add(K::Label, QStringLiteral("lblGood"));
    objStore.SetFormText(frm);
    EXPECT_EQ(bad.mstrToolTip, QStringLiteral("bad tip"));  // set before the caption failed
    EXPECT_EQ(tab.mstrTabCaptions, QStringList({"T0", "b", "T2"}));
    EXPECT_EQ(tab.mintTab, 2);
    EXPECT_EQ(good.mstrCaption, QStringLiteral("good"));
}

TEST(SetFormText, NeverLoadedTableLeavesTheFormAlone)
{
    clsTralyx objStore;
    clsFakeForm frm(QStringLiteral("frm"));
    frm.Add(K::Label, QStringLiteral("lbl"));
    frm.Tabs(QStringLiteral("tabMain"), {"a", "b"}, 1);
    objStore.SetFormText(frm);
    objStore.GetFormDimensions(frm);
    EXPECT_TRUE(frm.AllLogs().isEmpty());
}

TEST(SetFormText, TableLoadedFromAFileWithManyForms)
{
    // Loaded records share their name strings; the lookup must still tell the forms apart.
    clsTempDir objDir;
    const QString strFile = objDir.Write(QStringLiteral("core.lrc"),
                                         "frmA.lbl.0.T:a tip\r\nfrmA.lbl.0.C:a\r\nfrmB.lbl.0.T:b tip\r\nfrmB.lbl.0.C:b\r\n"
                                         "frmBB.lbl.0.T:bb tip\r\nfrmBB.lbl.0.C:bb\r\nfrmB.cmd.0.T:\r\nfrmB.cmd.0.C:go\r\n");
    clsTralyx objStore;
    bool booSuccess = false;
    objStore.LoadControlText(strFile, booSuccess);
    ASSERT_TRUE(booSuccess);
    for (const char* pstrForm : {"frmA", "frmB", "frmBB"}) {
        clsFakeForm frm(QString::fromLatin1(pstrForm));
        clsFakeControl& lbl = frm.Add(K::Label, QStringLiteral("lbl"));
        clsFakeControl& cmd = frm.Add(K::CommandButton, QStringLiteral("cmd"));
        objStore.SetFormText(frm);
        EXPECT_EQ(lbl.mstrCaption, QString::fromLatin1(pstrForm).mid(3).toLower());
        EXPECT_EQ(cmd.mstrCaption, QString::fromLatin1(pstrForm) == u"frmB" ? QStringLiteral("go") : QString());
    }
}

}  // namespace
