// Harvesting a form's text: the exact bytes of the form text file, and what happens on failure.
#include "RuntimeFakeForm.h"
#include "TempDir.h"
#include "TestTexts.h"
#include "basFormTextFile.h"
#include "clsTralyx.h"

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
    clsFakeControl& lbl = frm.Add(K::Label, QStringLiteral("lblSize"));
    lbl.mstrCaption = QStringLiteral("Size");
    for (int32_t i = 0; i < 3; ++i) {
        clsFakeControl& opt = frm.Add(K::OptionButton, QStringLiteral("optSize"), i);
        opt.mstrCaption = QStringList({"Small", "Medium", "Large"})[i];
        opt.mstrToolTip = QStringLiteral("tip %1").arg(i);
    }
    frm.Add(K::CheckBox, QStringLiteral("chkBold")).mstrCaption = QStringLiteral("Bold");  // after index 2
    clsFakeControl& txt = frm.Add(K::TextBox, QStringLiteral("txtName"));
    txt.mstrCaption = QStringLiteral("typed by the user");
    txt.mstrToolTip = QStringLiteral("Your name");
    frm.Add(K::Other, QStringLiteral("lstItems")).mstrCaption = QStringLiteral("not harvested");
    clsFakeControl& fra = frm.Add(K::Frame, QStringLiteral("fraStyle"));
    fra.mstrCaption = QStringLiteral("Style: ..."), fra.mstrToolTip = QStringLiteral("a.b:c");
    frm.Add(K::CommandButton, QStringLiteral("cmdOK")).mstrCaption = QStringLiteral("  OK");
    frm.Add(K::Label, QStringLiteral("lblHelp")).mstrCaption = QStringLiteral("Line one\r\n  Line two");
    clsFakeControl& tab = frm.Tabs(QStringLiteral("tabMain"), {"General", "View"}, 1);
    tab.mstrTabToolTips = QStringList({"", "View tip"});
    tab.mlngIndex = 5;
}

const QByteArray ExpectedOptionsFile = "frmOptions.lblSize.0.T:\r\n"
                                       "frmOptions.lblSize.0.C:Size\r\n"
                                       "frmOptions.optSize.0.T:tip 0\r\n"
                                       "frmOptions.optSize.0.C:Small\r\n"
                                       "frmOptions.optSize.1.T:tip 1\r\n"
                                       "frmOptions.optSize.1.C:Medium\r\n"
                                       "frmOptions.optSize.2.T:tip 2\r\n"
                                       "frmOptions.optSize.2.C:Large\r\n"
                                       "frmOptions.chkBold.0.T:\r\n"
                                       "frmOptions.chkBold.0.C:Bold\r\n"
                                       "frmOptions.txtName.0.T:Your name\r\n"
                                       "frmOptions.fraStyle.0.T:a.b:c\r\n"
                                       "frmOptions.fraStyle.0.C:Style: ...\r\n"
                                       "frmOptions.cmdOK.0.T:\r\n"
                                       "frmOptions.cmdOK.0.C:  OK\r\n"
                                       "frmOptions.lblHelp.0.T:\r\n"
                                       "frmOptions.lblHelp.0.C:Line one\rfrmOptions.lblHelp.0.C:  Line two\r\n"
                                       "frmOptions.tabMain.0.T:\r\n"
                                       "frmOptions.tabMain.0.C: General\r\n"
                                       "frmOptions.tabMain.1.T:View tip\r\n"
                                       "frmOptions.tabMain.1.C: View\r\n";

TEST(Harvest, WritesTheLinesOfEachKindByteForByte)
{
    clsTempDir objDir;
    clsFakeForm frm(QStringLiteral("frmOptions"));
    BuildOptionsForm(frm);
    const QString strFile = objDir.Path(QStringLiteral("frmOptions.LRC"));
    WriteFormTextFile(frm, strFile, clsCodePage());
    EXPECT_EQ(clsTempDir::Read(strFile), ExpectedOptionsFile);

    clsFakeControl& tab = *frm.mobjControls.back();
    EXPECT_EQ(tab.mintTab, 1);
    EXPECT_EQ(tab.mstrLog, QStringList({"Tab=0", "Tab=1", "Tab=1"}));

    // Unchanged form, same bytes.
    WriteFormTextFile(frm, strFile, clsCodePage());
    EXPECT_EQ(clsTempDir::Read(strFile), ExpectedOptionsFile);
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

TEST(Harvest, FormWithoutSupportedControlsGivesAnEmptyFile)
{
    clsTempDir objDir;
    const QString strFile = objDir.Write(QStringLiteral("frm.LRC"), "earlier content\r\n");
    clsFakeForm frm(QStringLiteral("frm"));
    frm.Add(K::Other, QStringLiteral("mnuFile"));
    WriteFormTextFile(frm, strFile, clsCodePage());
    EXPECT_TRUE(QFile::exists(strFile));
    EXPECT_EQ(QFile(strFile).size(), 0);
}

TEST(Harvest, FailuresRaiseAndLeaveNothingBehind)
{
    clsTempDir objDir;
    const QByteArray bytEarlier = "frm.lbl.0.T:\r\nfrm.lbl.0.C:earlier\r\n";
    const QString strFile = objDir.Write(QStringLiteral("frm.LRC"), bytEarlier);
    QDir().mkpath(objDir.Path(QStringLiteral("folder.LRC")));

    clsFakeForm frmArrow(QStringLiteral("frm"));
    frmArrow.Add(K::Label, QStringLiteral("lbl")).mstrCaption = QStringLiteral("Next \u2192");
    clsFakeForm frmPlain(QStringLiteral("frm"));
    frmPlain.Add(K::Label, QStringLiteral("lbl")).mstrCaption = QStringLiteral("plain");

    const struct {
        const char* What;
        clsFakeForm* Form;
        QString File;
        int32_t Number;
    } udtCases[] = {
        {"no folder", &frmPlain, objDir.Path(QStringLiteral("Languages/English/frm.LRC")), ErrPathFileAccess},
        {"a folder in the way", &frmPlain, objDir.Path(QStringLiteral("folder.LRC")), ErrPathFileAccess},
        {"a caption windows-1252 cannot write", &frmArrow, strFile, ErrInvalidArgument},
    };
    for (const auto& c : udtCases) {
        EXPECT_EQ(ErrorNumber([&] { WriteFormTextFile(*c.Form, c.File, clsCodePage()); }), c.Number) << c.What;
        EXPECT_EQ(QDir(objDir.Path()).entryList(QDir::Files | QDir::Hidden), QStringList({"frm.LRC"})) << c.What;
        EXPECT_EQ(clsTempDir::Read(strFile), bytEarlier) << c.What;
    }
    // The same caption in a code page that has the character.
    WriteFormTextFile(frmArrow, strFile, clsCodePage(QStringLiteral("UTF-8")));
    EXPECT_EQ(clsTempDir::Read(strFile), QByteArray("frm.lbl.0.T:\r\nfrm.lbl.0.C:Next \xE2\x86\x92\r\n"));
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

TEST(Harvest, BuildFormTextListNeedsAnApplicationFolder)
{
    // These tests run without an application object, so the folder is unknown.
    clsTralyx objStore;
    clsFakeForm frm(QStringLiteral("frm"));
    EXPECT_EQ(ErrorNumber([&] { objStore.BuildFormTextList(frm); }), ErrPathFileAccess);
}

}  // namespace
