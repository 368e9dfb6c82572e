// A Designer form harvested with nothing run gives the bytes that the run-time harvest of the window
// uic builds from it gives.
#include "RunProgram.h"
#include "TempDir.h"
#include "runtime/Translation.h"
#include "ui_frmSample.h"

#include <gtest/gtest.h>

using namespace tralyx;
using namespace tralyx::test;

TEST(UiHarvestTest, FormFileIsTheWindowsHarvest)
{
    QMainWindow frmWindow;
    Ui::frmSample udtUi;
    udtUi.setupUi(&frmWindow);
    const clsTempDir objDir;
    QString strError;
    ASSERT_TRUE(Translation().harvest(&frmWindow, objDir.Path(QStringLiteral("window")), &strError)) << strError.toStdString();

    const udtRun udtHarvest = RunLrc({QStringLiteral("harvest"), QStringLiteral(TRALYX_TEST_DATA "/ui/frmSample.ui"),
                                      QStringLiteral("-o"), objDir.Path(QStringLiteral("ui"))});
    ASSERT_EQ(udtHarvest.ExitCode, 0) << udtHarvest.Said().toStdString();
    const QByteArray bytWindow = clsTempDir::Read(objDir.Path(QStringLiteral("window/frmSample.LRC")));
    EXPECT_EQ(clsTempDir::Read(objDir.Path(QStringLiteral("ui/frmSample.LRC"))), bytWindow);
    // The form holds what the comparison is about: tabs, names uic changes, a raised widget, a promoted
    // label, grouped actions, an action's icon text.
    for (const char* pstrLine : {"frmSample.tabPages.1.C: Second\r\n", "frmSample.optSize1.1.C:Large\r\n", "frmSample.cmdOK1.0.C:OK\r\n",
                                 "frmSample.chk_Odd.0.C:", "frmSample.label.0.C:Named by uic\r\nfrmSample.txtNotes.0.T:\r\n",
                                 "frmSample.lblPromoted.0.C:Promoted\r\n", "frmSample.actViewA.0.C:View A\r\n",
                                 "frmSample.actAbout.0.C:About && more\r\n", "frmSample.actRecent.2.C:"})
        EXPECT_TRUE(bytWindow.contains(pstrLine)) << pstrLine;
}
