// "Open Result" of the update report: the files written open against the new release's folder, each
// window on its first entry that needs work, the first such window in front.
#include "MainTest.h"

#include <QPointer>
#include "updatetool/frmUpdateReport.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

namespace tralyx::test {
namespace {

using UpdateResultTest = clsMainFixture;

TEST_F(UpdateResultTest, OpenResultShowsTheWrittenFilesAgainstTheNewSourceOnTheirFirstWork)
{
    // file, old (translated), new; the entries of the new file that the old lacks stay in English.
    const std::tuple<const char*, QByteArray, QByteArray, int32_t> udtFiles[] = {  // ..., the row shown (from 1)
        {"core.lrc", "frmMain.cmdOK.0.T:\r\nfrmMain.cmdOK.0.C:Gut\r\n", "frmMain.cmdOK.0.T:\r\nfrmMain.cmdOK.0.C:OK\r\n", 1},
        {"messages.lrc", "MSG001:Voll\r\nMST001:\r\n", "MSG001:Full\r\nMST001:\r\nMSG002:Saved\r\nMST002:\r\n", 2},
        {"secondary.lrc", "TXT001:Eins\r\nTXT002:Zwei\r\n", "TXT001:One\r\nTXT002:Two\r\nTXT003:Three\r\n", 3},
    };
    for (const auto& [pstrFile, bytOld, bytNew, lngRow] : udtFiles) {
        mobjDir.Write(Q("German/") + pstrFile, bytOld);
        mobjDir.Write(Q("English/") + pstrFile, bytNew);
    }
    Click("mnuMergeFiles");
    auto* frmUpdate = mfrmMain->findChild<QWidget*>(Q("frmUpdateFiles"));
    ASSERT_NE(frmUpdate, nullptr);
    const QString strDest = mobjDir.Path("German2");
    const std::pair<const char*, QString> udtBoxes[] = {
        {"txtOldFile", mobjDir.Path("German")}, {"txtOldSource", QString()}, {"txtNewFile", mobjDir.Path("English")}, {"txtDestination", strDest}};
    for (const auto& [pstrBox, strText] : udtBoxes) frmUpdate->findChild<QLineEdit*>(Q(pstrBox))->setText(strText);
    mobjDesktop.Expect(Q("Completed!"), vbInformation, Q("Tralyx"));
    QTest::mouseClick(frmUpdate->findChild<QPushButton*>(Q("cmdUpdate")), Qt::LeftButton);
    auto* frmReport = mfrmMain->findChild<frmUpdateReport*>();
    ASSERT_NE(frmReport, nullptr);
    const QPointer<QWidget> frmUpdateShown(frmUpdate);
    QTest::mouseClick(frmReport->findChild<QPushButton*>(Q("cmdOpenResult")), Qt::LeftButton);
    // Update Files steps aside and the three files are tiled, none behind another.
    EXPECT_TRUE(!frmUpdateShown || !frmUpdateShown->isVisible());
    for (frmMessageEditor* frmOne : Editors()) {
        for (frmMessageEditor* frmOther : Editors()) {
            if (frmOne == frmOther) continue;
            EXPECT_FALSE(frmOne->parentWidget()->geometry().intersects(frmOther->parentWidget()->geometry()));
        }
    }

    const QString strEnglish = QFileInfo(mobjDir.Path("English")).absoluteFilePath();
    ASSERT_EQ(Editors().size(), 3);
    for (qsizetype i = 0; i < 3; ++i) {
        frmMessageEditor& frmEditor = *Editors()[i];
        SCOPED_TRACE(frmEditor.FileNameValue().toStdString());
        EXPECT_EQ(QFileInfo(frmEditor.FileNameValue()).absolutePath(), QFileInfo(strDest).absoluteFilePath());
        EXPECT_EQ(frmEditor.SourceFolder(), strEnglish);
        EXPECT_EQ(frmEditor.CurrentItem(), std::get<3>(udtFiles[i]));
    }
    EXPECT_EQ(mfrmMain->ActiveEditor(), Editors()[1]) << "the first window with work is in front";

    // Opened again later, a file of the folder keeps the new release's source.
    mfrmMain->Frame()->closeAllSubWindows();
    OpenByMenu(QDir(strDest).filePath(Q("core.lrc")));
    ASSERT_NE(mfrmMain->ActiveEditor(), nullptr);
    EXPECT_EQ(mfrmMain->ActiveEditor()->SourceFolder(), strEnglish);
}

}  // namespace
}  // namespace tralyx::test
