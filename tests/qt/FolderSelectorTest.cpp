// The folder selector: how each way of closing it answers, where it starts and where it stands.
#include "TempDir.h"
#include "updatetool/frmFolderSelector.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

using namespace tralyx;
using namespace tralyx::test;

namespace {

// Runs pfnAct on the selector once its modal loop is running, and gives Choose's answer.
bool ChooseAndThen(const QString& pstrStart, QString& pstrFolder, std::function<void(frmFolderSelector&)> pfnAct)
{
    bool booActed = false;
    QTimer::singleShot(0, [&] {
        if (auto* pfrmSelector = qobject_cast<frmFolderSelector*>(QApplication::activeModalWidget())) {
            booActed = true;
            pfnAct(*pfrmSelector);
        }
    });
    const bool booChosen = frmFolderSelector::Choose(nullptr, pstrStart, pstrFolder);
    EXPECT_TRUE(booActed) << "the selector was not shown modally";
    return booChosen;
}

}  // namespace

TEST(FolderSelectorTest, OnlyOKGivesAFolder)
{
    clsTempDir objDir;
    const QString strStart = objDir.Path("fr/1.4");
    QDir().mkpath(strStart);
    const std::pair<std::function<void(frmFolderSelector&)>, bool> udtCases[] = {
        {[](frmFolderSelector& f) { QTest::mouseClick(f.findChild<QPushButton*>("cmdOK"), Qt::LeftButton); }, true},
        {[](frmFolderSelector& f) { QTest::mouseClick(f.findChild<QPushButton*>("cmdCancel"), Qt::LeftButton); }, false},
        {[](frmFolderSelector& f) { QTest::keyClick(&f, Qt::Key_Escape); }, false},
        {[](frmFolderSelector& f) { f.close(); }, false},
    };
    for (const auto& [fnAct, booChosen] : udtCases) {
        QString strFolder = "unchanged";
        EXPECT_EQ(ChooseAndThen(strStart, strFolder, fnAct), booChosen);
        EXPECT_EQ(strFolder, booChosen ? strStart : "unchanged");
    }
}

TEST(FolderSelectorTest, StartsAtTheNearestExistingFolderCentredOverTheMainWindow)
{
    clsTempDir objDir;
    QDir().mkpath(objDir.Path("lang"));
    for (const char* pstrStart : {"lang", "lang/", "lang/not/there"}) {
        frmFolderSelector objSelector;
        objSelector.SetSelectedFolder(objDir.Path(pstrStart));
        QTest::mouseClick(objSelector.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        EXPECT_EQ(objSelector.SelectedFolder(), objDir.Path("lang")) << pstrStart;
    }
    const QSize objForm = frmFolderSelector().size();
    QWidget objMain;
    objMain.setGeometry(400, 300, objForm.width() + 40, objForm.height() + 60);
    EXPECT_EQ(frmFolderSelector(&objMain).pos(), QPoint(420, 330));
}
