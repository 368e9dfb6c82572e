// A Designer form harvested with nothing run gives the bytes that the run-time harvest of the window
// uic builds from it gives.
#include "RunProgram.h"
#include "TempDir.h"
#include "runtime/Translation.h"
#include "store/basLayoutFile.h"
#include "ui_frmContainers.h"
#include "ui_frmFixed.h"
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

// The layout from the file is the window's for every control placed by hand (the room within a pixel);
// those a layout places, and those inside them, are left out.
TEST(UiHarvestTest, LayoutIsTheWindowsForPlacedControls)
{
    const clsTempDir objDir;
    const auto [bytWindow, bytUi] = BothHarvests<QDialog, Ui::frmFixed>(objDir, QStringLiteral("frmFixed"));
    EXPECT_EQ(bytUi, bytWindow);
    QVector<udtFormLayout> udtWindow, udtUi;
    QString strReason;
    ASSERT_TRUE(ReadLayoutFile(objDir.Path(QStringLiteral("window/frmFixed.layout.json")), udtWindow, strReason)) << strReason.toStdString();
    ASSERT_TRUE(ReadLayoutFile(objDir.Path(QStringLiteral("ui/frmFixed.layout.json")), udtUi, strReason)) << strReason.toStdString();
    ASSERT_EQ(udtUi.size(), 1);
    EXPECT_EQ(udtUi[0].Width, udtWindow[0].Width);
    EXPECT_EQ(udtUi[0].Height, udtWindow[0].Height);
    QStringList strLeftOut;
    for (const udtControlLayout& w : udtWindow[0].Controls) {
        const auto u = std::find_if(udtUi[0].Controls.cbegin(), udtUi[0].Controls.cend(), [&](const auto& c) { return c.Entry == w.Entry; });
        if (u == udtUi[0].Controls.cend()) {
            strLeftOut.append(w.Entry);
            continue;
        }
        SCOPED_TRACE(w.Entry.toStdString());
        EXPECT_EQ(std::tuple(u->Kind, u->X, u->Y, u->Width, u->Height, u->Wrap, u->Widens, u->Page),
                  std::tuple(w.Kind, w.X, w.Y, w.Width, w.Height, w.Wrap, w.Widens, w.Page));
        // A tab's padding and a title's height depend on the family's metrics, which a file has not.
        EXPECT_NEAR(u->RoomWidth, w.RoomWidth, 1);
        EXPECT_NEAR(u->RoomHeight, w.RoomHeight, 1);
        EXPECT_EQ(std::tuple(u->Font.Family, u->Font.PointSize, u->Font.Weight, u->Font.Italic),
                  std::tuple(w.Font.Family, w.Font.PointSize, w.Font.Weight, w.Font.Italic));
    }
    EXPECT_EQ(strLeftOut, QStringList({QStringLiteral("cmdLaidOut.0"), QStringLiteral("fraLaidOut.0"), QStringLiteral("chkInLaidOut.0")}));
    EXPECT_EQ(udtUi[0].Controls.size(), udtWindow[0].Controls.size() - strLeftOut.size());
}
