// Harvesting a form's text: the exact bytes of the form text file, and what happens on failure.
#include "runtime/basFormTextFile.h"
#include "RuntimeFakeForm.h"
#include "store/clsTralyx.h"
#include "TempDir.h"
#include "TestTexts.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace tralyx;
using namespace tralyx::test;
using K = enuControlKind;

namespace {

// A form with one control of each kind and the awkward cases around them.
void BuildOptionsForm(clsFakeForm& frm)
{
    frm.Add(K::Label, "lblSize").mstrCaption = "Size";
    for (int32_t i = 0; i < 3; ++i) {
        clsFakeControl& opt = frm.Add(K::OptionButton, "optSize", i);
        opt.mstrCaption = QStringList({"Small", "Medium", "Large"})[i], opt.mstrToolTip = QString("tip %1").arg(i);
    }
    frm.Add(K::CheckBox, "chkBold").mstrCaption = "Bold";  // after index 2
    clsFakeControl& txt = frm.Add(K::TextBox, "txtName");
    txt.mstrCaption = "typed by the user", txt.mstrToolTip = "Your name";
    frm.Add(K::Other, "lstItems").mstrCaption = "not harvested";
    clsFakeControl& fra = frm.Add(K::Frame, "fraStyle");
    fra.mstrCaption = "Style: ...", fra.mstrToolTip = "a.b:c";
    frm.Add(K::CommandButton, "cmdOK").mstrCaption = "  OK";
    frm.Add(K::Label, "lblHelp").mstrCaption = "Line one\r\n  Line two";
    clsFakeControl& tab = frm.Tabs("tabMain", {"General", "View"}, 1);
    tab.mstrTabToolTips = QStringList({"", "View tip"});
    tab.mlngIndex = 5;
}

// One control per line: its tool-tip line, then its caption line.
const QByteArray ExpectedOptionsFile =
    "frmOptions.lblSize.0.T:\r\nfrmOptions.lblSize.0.C:Size\r\n"
    "frmOptions.optSize.0.T:tip 0\r\nfrmOptions.optSize.0.C:Small\r\n"
    "frmOptions.optSize.1.T:tip 1\r\nfrmOptions.optSize.1.C:Medium\r\n"
    "frmOptions.optSize.2.T:tip 2\r\nfrmOptions.optSize.2.C:Large\r\n"
    "frmOptions.chkBold.0.T:\r\nfrmOptions.chkBold.0.C:Bold\r\n"
    "frmOptions.txtName.0.T:Your name\r\n"  // a text box has no caption line
    "frmOptions.fraStyle.0.T:a.b:c\r\nfrmOptions.fraStyle.0.C:Style: ...\r\n"
    "frmOptions.cmdOK.0.T:\r\nfrmOptions.cmdOK.0.C:  OK\r\n"
    "frmOptions.lblHelp.0.T:\r\nfrmOptions.lblHelp.0.C:Line one\rfrmOptions.lblHelp.0.C:  Line two\r\n"
    "frmOptions.tabMain.0.T:\r\nfrmOptions.tabMain.0.C: General\r\n"
    "frmOptions.tabMain.1.T:View tip\r\nfrmOptions.tabMain.1.C: View\r\n";

TEST(Harvest, WritesTheLinesOfEachKindByteForByte)
{
    clsTempDir objDir;
    clsFakeForm frm("frmOptions");
    BuildOptionsForm(frm);
    const QString strFile = objDir.Path(QStringLiteral("frmOptions.LRC"));
    WriteFormTextFile(frm, strFile, clsCodePage());
    EXPECT_EQ(clsTempDir::Read(strFile), ExpectedOptionsFile);

    clsFakeControl& tab = *frm.mobjControls.back();
    EXPECT_EQ(tab.mintTab, 1);
    EXPECT_EQ(tab.mstrLog, QStringList({"Tab=0", "Tab=1", "Tab=1"}));
}

TEST(Harvest, UnreadablePropertiesLeaveTheirLinesOut)
{
    clsTempDir objDir;
    clsFakeForm frm(QStringLiteral("frm"));
    frm.Add(K::Label, QStringLiteral("lblA")).mbooFailToolTip = true;
    frm.Add(K::Label, QStringLiteral("lblB")).mbooFailCaption = true;
    frm.Add(K::Label, QStringLiteral("lbl.C"));  // its lines would read back as another entry
    clsFakeControl& tab = frm.Tabs(QStringLiteral("tabX"), {"a", "b", "c"}, 0);
    tab.mintFailTabs = {1};
    frm.Add(K::Label, QStringLiteral("lblD"), 7).mbooFailIndex = true;
    const QString strFile = objDir.Path(QStringLiteral("frm.LRC"));
    WriteFormTextFile(frm, strFile, clsCodePage());
    EXPECT_EQ(clsTempDir::Read(strFile), QByteArray("frm.lblA.0.C:\r\n"
                                                    "frm.lblB.0.T:\r\n"
                                                    "frm.tabX.0.T:\r\nfrm.tabX.0.C: a\r\n"
                                                    "frm.tabX.2.T:\r\nfrm.tabX.2.C: c\r\n"
                                                    "frm.lblD.0.T:\r\nfrm.lblD.0.C:\r\n"));
    EXPECT_EQ(tab.mintTab, 0);
}

TEST(Harvest, FailuresRaiseAndLeaveTheEarlierFileAlone)
{
    clsTempDir objDir;
    const QByteArray bytEarlier = "frm.lbl.0.T:\r\nfrm.lbl.0.C:earlier\r\n";
    const QString strFile = objDir.Write("frm.LRC", bytEarlier);
    clsFakeForm frmArrow("frm"), frmPlain("frm");
    frmArrow.Add(K::Label, "lbl").mstrCaption = "Next \u2192";
    frmPlain.Add(K::Label, "lbl").mstrCaption = "plain";
    EXPECT_EQ(ErrorNumber([&] { WriteFormTextFile(frmPlain, objDir.Path("Languages/English/frm.LRC"), clsCodePage()); }), ErrPathFileAccess);
    EXPECT_EQ(ErrorNumber([&] { WriteFormTextFile(frmArrow, strFile, clsCodePage()); }), ErrInvalidArgument);
    EXPECT_EQ(QDir(objDir.Path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList({"frm.LRC"}));
    EXPECT_EQ(clsTempDir::Read(strFile), bytEarlier);
    // The same caption in a code page that has the character; a form with nothing to harvest empties the file.
    WriteFormTextFile(frmArrow, strFile, clsCodePage("UTF-8"));
    EXPECT_EQ(clsTempDir::Read(strFile), QByteArray("frm.lbl.0.T:\r\nfrm.lbl.0.C:Next \xE2\x86\x92\r\n"));
    clsFakeForm frmEmpty("frm");
    frmEmpty.Add(K::Other, "mnuFile");
    WriteFormTextFile(frmEmpty, strFile, clsCodePage());
    EXPECT_TRUE(QFile::exists(strFile) && QFile(strFile).size() == 0);
    // These tests run without an application object, so the folder BuildFormTextList writes to is unknown.
    EXPECT_EQ(ErrorNumber([&] { clsTralyx().BuildFormTextList(frmPlain); }), ErrPathFileAccess);
}

TEST(Harvest, FormNamesThatCannotNameTheFileAreRefused)
{
    clsTempDir objDir;
    for (const char* pstrName : {"", "frm.Main", "../frmMain", "sub\\frmMain", "frm\r\nMain"}) {
        clsFakeForm frm(QString::fromLatin1(pstrName));
        frm.Add(K::Label, QStringLiteral("lbl"));
        EXPECT_EQ(ErrorNumber([&] { WriteFormTextFile(frm, objDir.Path(QStringLiteral("x.LRC")), clsCodePage()); }),
                  ErrInvalidArgument)
            << pstrName;
    }
    EXPECT_TRUE(QDir(objDir.Path()).isEmpty());
}

}  // namespace
