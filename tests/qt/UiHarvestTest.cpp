// A Designer form harvested with nothing run gives the bytes that the run-time harvest of the window
// uic builds from it gives.
#include "RunProgram.h"
#include "TempDir.h"
#include "runtime/Translation.h"
#include "ui_frmContainers.h"
#include "ui_frmSample.h"
#include "ui_frmWizard.h"

#include <gtest/gtest.h>

using namespace tralyx;
using namespace tralyx::test;

namespace {

// The window's run-time harvest and the .ui's harvest, in that order.
template <class TWindow, class TUi>
std::pair<QByteArray, QByteArray> BothHarvests(const clsTempDir& pobjDir, const QString& pstrForm)
{
    TWindow frmWindow;
    TUi udtUi;
    udtUi.setupUi(&frmWindow);
    QString strError;
    EXPECT_TRUE(Translation().harvest(&frmWindow, pobjDir.Path(QStringLiteral("window")), &strError)) << strError.toStdString();
    const udtRun udtHarvest = RunLrc({QStringLiteral("harvest"), QStringLiteral(TRALYX_TEST_DATA "/ui/") + pstrForm + QStringLiteral(".ui"),
                                      QStringLiteral("-o"), pobjDir.Path(QStringLiteral("ui"))});
    EXPECT_EQ(udtHarvest.ExitCode, 0) << udtHarvest.Said().toStdString();
    const QString strFile = u'/' + pstrForm + QStringLiteral(".LRC");
    return {clsTempDir::Read(pobjDir.Path(QStringLiteral("window")) + strFile), clsTempDir::Read(pobjDir.Path(QStringLiteral("ui")) + strFile)};
}

}  // namespace

TEST(UiHarvestTest, FormFileIsTheWindowsHarvest)
{
    const clsTempDir objDir;
    const auto [bytWindow, bytUi] = BothHarvests<QMainWindow, Ui::frmSample>(objDir, QStringLiteral("frmSample"));
    EXPECT_EQ(bytUi, bytWindow);
    // The form holds what the comparison is about: tabs, names uic changes, a raised widget, a promoted
    // label, grouped actions, an action's icon text, an action's tool-tip (and one that is Qt's own).
    for (const char* pstrLine : {"frmSample.tabPages.1.C: Second\r\n", "frmSample.optSize1.1.C:Large\r\n", "frmSample.cmdOK1.0.C:OK\r\n",
                                 "frmSample.chk_Odd.0.C:", "frmSample.label.0.C:Named by uic\r\nfrmSample.txtNotes.0.T:\r\n",
                                 "frmSample.lblPromoted.0.C:Promoted\r\n", "frmSample.actViewA.0.C:View A\r\n",
                                 "frmSample.actAbout.0.C:About && more\r\n", "frmSample.actRecent.2.C:",
                                 "frmSample.[ToolTip]actQuit.0.T:Leaves the program\r\nfrmSample.[ToolTip]actQuit.0.C:\r\n"})
        EXPECT_TRUE(bytWindow.contains(pstrLine)) << pstrLine;
    EXPECT_FALSE(bytWindow.contains("[ToolTip]actOpen"));
}

// Containers that keep their pages or contents in inner widgets of their own, and widgets with inner
// named parts (an editable combo box, a spin box, a button box).
TEST(UiHarvestTest, ContainersAreWalkedAsTheWindowIs)
{
    const clsTempDir objDir;
    const auto [bytWindow, bytUi] = BothHarvests<QDialog, Ui::frmContainers>(objDir, QStringLiteral("frmContainers"));
    EXPECT_EQ(bytUi, bytWindow);
    EXPECT_TRUE(bytWindow.contains("frmContainers.cmdOnTwo.0.C:Two\r\n"));
    const auto [bytWizard, bytWizardUi] = BothHarvests<QWizard, Ui::frmWizard>(objDir, QStringLiteral("frmWizard"));
    EXPECT_EQ(bytWizardUi, bytWizard);
    EXPECT_TRUE(bytWizard.contains("frmWizard.cmdInSub.0.C:In a sub-window\r\n"));
}
