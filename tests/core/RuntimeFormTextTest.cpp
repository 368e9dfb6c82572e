// Applying stored text to a form: which entry is found, what is assigned, what a failure leaves.
#include "RuntimeFakeForm.h"
#include "store/clsTralyx.h"
#include "TestTexts.h"

#include <gtest/gtest.h>

using namespace tralyx;
using namespace tralyx::test;
using K = enuControlKind;

namespace {

TEST(SetControlText, FirstMatchingEntryOnlyWithExactKeysAndWidenedCaptions)
{
    clsTralyx objStore;
    objStore.SetControlTextTable({{"FRMMAIN", "lbl", 0, "form case", "x"}, {"frmMain", "LBL", 0, "control case", "x"},
                                  {"frmMain", "lbl", 1, "other index", "x"}, {"frmMain ", "lbl", 0, "trailing blank", "x"},
                                  {"frmMain", "lbl", 0, "Caption", "tip one"}, {"frmMain", "lbl", 0, "second", "tip two"}});
    // A direct call widens any kind to its caption; only check and option boxes get the room of their box.
    const std::pair<K, QStringList> udtCases[] = {
        {K::Label, {"ToolTip=tip one", "Caption=Caption", "Width=70"}},
        {K::TextBox, {"ToolTip=tip one", "Width=70"}},
        {K::OptionButton, {"ToolTip=tip one", "Caption=Caption", "Width=420"}},
    };
    for (const auto& [enuFileKind, strLog] : udtCases) {
        clsFakeForm frm("frmMain");
        clsFakeControl& ctl = frm.Add(enuFileKind, "lbl");
        objStore.SetControlText(frm, ctl, 0, true);
        EXPECT_EQ(ctl.mstrLog, strLog) << int(enuFileKind);
    }
    clsFakeForm frm("frmMain"), frmOtherCase("frmmain");
    clsFakeControl &lbl = frm.Add(K::Label, "lbl"), &lblOther = frmOtherCase.Add(K::Label, "lbl");
    objStore.SetControlText(frm, lbl, 0, false);
    objStore.SetControlText(frmOtherCase, lblOther, 0, false);
    EXPECT_EQ(lbl.mstrLog, QStringList({"ToolTip=tip one", "Caption=Caption"}));
    EXPECT_TRUE(lblOther.mstrLog.isEmpty());
}

TEST(SetControlText, ErrorsReachTheCallerAndKeepEarlierAssignments)
{
    clsTralyx objStore, objEmpty, objHuge;
    objStore.SetControlTextTable({{"frm", "mnu", 0, "File", "tip"}, {"frm", "lbl", 0, "Cap", "Tip"}});
    objHuge.SetControlTextTable(QVector<ControlTextItem>(clsTralyx::MaxRecords + 1, {"frm", "lbl", 0, "C", "T"}));
    clsFakeForm frm("frm");
    clsFakeControl& mnu = frm.Add(K::Other, "mnu");
    mnu.mbooFailToolTip = true;  // a menu item has no tool-tip: its caption is not touched either
    clsFakeControl& lbl = frm.Add(K::Label, "lbl");
    lbl.mbooFailCaption = true;
    clsFakeControl& lblFine = frm.Add(K::Label, "lbl");
    const std::tuple<clsTralyx*, clsFakeControl*, int32_t, QStringList> udtCases[] = {
        {&objStore, &mnu, 438, {}}, {&objStore, &lbl, 438, {"ToolTip=Tip"}}, {&objEmpty, &lblFine, 9, {}}, {&objHuge, &lblFine, 6, {}}};
    for (const auto& [pobjStore, pctl, lngNumber, strLog] : udtCases) {
        EXPECT_EQ(ErrorNumber([&] { pobjStore->SetControlText(frm, *pctl, 0, true); }), lngNumber);
        EXPECT_EQ(pctl->mstrLog, strLog) << lngNumber;
        EXPECT_FALSE(pctl->msngWidth);
    }
}

TEST(SetFormText, KindsIndexesAndWidening)
{
    clsTralyx objStore;
    objStore.SetControlTextTable({{"frm", "txtName", 0, "never shown", "Your name"}, {"frm", "lblName", 0, "Name", "lbl tip"},
                                  {"frm", "cmdOK", 0, "OK", ""}, {"frm", "chkAll", 0, "All", ""}, {"frm", "optSize", 1, "Big", ""},
                                  {"frm", "fraSize", 0, "Size", ""}, {"frm", "lstItems", 0, "list", "list"},
                                  {"frm", "lblA", 0, "A0", ""}, {"frm", "lblA", 44, "A44", ""},  // 300 modulo 256: never used
                                  {"frm", "lblB", 255, "B255", ""}});
    clsFakeForm frm("frm");
    frm.Add(K::TextBox, "txtName").mstrCaption = "typed text";
    frm.Add(K::Label, "lblName");
    frm.Add(K::CommandButton, "cmdOK").mstrToolTip = "an empty stored tool-tip clears this";
    frm.Add(K::CheckBox, "chkAll");
    frm.Add(K::OptionButton, "optSize", 1);
    frm.Add(K::Frame, "fraSize");
    frm.Add(K::Other, "lstItems");
    // Index 0 outside arrays, beyond a byte, negative or unreadable.
    frm.Add(K::Label, "lblA");
    frm.Add(K::Label, "lblA", 300);
    frm.Add(K::Label, "lblA", -1);
    frm.Add(K::Label, "lblA", 4).mbooFailIndex = true;
    frm.Add(K::Label, "lblB", 255);
    objStore.SetFormText(frm);
    EXPECT_EQ(frm.AllLogs().mid(0, 13),
              QStringList({"txtName ToolTip=Your name", "lblName ToolTip=lbl tip", "lblName Caption=Name", "cmdOK ToolTip=",
                           "cmdOK Caption=OK", "chkAll ToolTip=", "chkAll Caption=All", "chkAll Width=380", "optSize ToolTip=",
                           "optSize Caption=Big", "optSize Width=380", "fraSize ToolTip=", "fraSize Caption=Size"}));
    QStringList strCaptions;
    for (const auto& ctl : frm.mobjControls) strCaptions << ctl->mstrCaption;
    EXPECT_EQ(strCaptions.mid(0, 3), QStringList({"typed text", "Name", "OK"}));
    EXPECT_EQ(strCaptions.mid(7), QStringList({"A0", "A0", "A0", "A0", "B255"}));
}

TEST(SetFormText, TabsByTabNumberFailingStepsSkippedAndTheSelectionRestored)
{
    clsTralyx objStore;
    objStore.SetControlTextTable({{"frm", "lblBad", 0, "bad", "bad tip"}, {"frm", "tabMain", 0, "T0", "g"}, {"frm", "tabMain", 1, "T1", "v"},
                                  {"frm", "tabMain", 2, "T2", "a"}, {"frm", "lblGood", 0, "good", ""}});
    clsFakeForm frm("frm");
    clsFakeControl& bad = frm.Add(K::Label, "lblBad");
    bad.mbooFailCaption = true;
    clsFakeControl& tab = frm.Tabs("tabMain", {"a", "b", "c"}, 0);
    tab.mintFailTabs = {1};
    tab.mlngIndex = 2;  // its own array index plays no part
    clsFakeControl& good = frm.Add(K::Label, "lblGood");
    objStore.SetFormText(frm);
    EXPECT_EQ(bad.mstrToolTip, "bad tip");  // set before the caption failed
    EXPECT_EQ(tab.mstrTabCaptions, QStringList({"T0", "b", "T2"}));
    EXPECT_EQ(tab.mstrTabToolTips, QStringList({"g", "", "a"}));
    EXPECT_EQ(tab.mintTab, 0);
    EXPECT_EQ(good.mstrCaption, "good");

    clsFakeForm frmUntouched("frm");  // a table never loaded leaves the form alone
    frmUntouched.Add(K::Label, "lbl");
    frmUntouched.Tabs("tabMain", {"a", "b"}, 1);
    clsTralyx().SetFormText(frmUntouched);
    clsTralyx().GetFormDimensions(frmUntouched);
    EXPECT_TRUE(frmUntouched.AllLogs().isEmpty());
}

}  // namespace
