// The folder selector: how each way of closing it answers, where it starts and where it stands.
#include "TempDir.h"
#include "frmFolderSelector.h"

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
    const QString strStart = objDir.Path(QStringLiteral("fr/1.4"));
    QDir().mkpath(strStart);
    struct udtCase {
        const char* Name;
        std::function<void(frmFolderSelector&)> Act;
        bool Chosen;
    };
    const udtCase udtCases[] = {
        {"OK", [](frmFolderSelector& f) { QTest::mouseClick(f.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton); }, true},
        {"Cancel", [](frmFolderSelector& f) { QTest::mouseClick(f.findChild<QPushButton*>(QStringLiteral("cmdCancel")), Qt::LeftButton); }, false},
        {"Esc", [](frmFolderSelector& f) { QTest::keyClick(&f, Qt::Key_Escape); }, false},
        {"close box", [](frmFolderSelector& f) { f.close(); }, false},
    };
    for (const udtCase& c : udtCases) {
        QString strFolder = QStringLiteral("unchanged");
        EXPECT_EQ(ChooseAndThen(strStart, strFolder, c.Act), c.Chosen) << c.Name;
        EXPECT_EQ(strFolder, c.Chosen ? strStart : QStringLiteral("unchanged")) << c.Name;
    }
}

TEST(FolderSelectorTest, StartsAtTheNearestExistingFolder)
{
    clsTempDir objDir;
    QDir().mkpath(objDir.Path(QStringLiteral("lang")));
    const struct {
        QString Start;
        QString Selected;
    } udtCases[] = {
        {objDir.Path(QStringLiteral("lang")), objDir.Path(QStringLiteral("lang"))},
        {objDir.Path(QStringLiteral("lang/")), objDir.Path(QStringLiteral("lang"))},
        {objDir.Path(QStringLiteral("lang/not/there")), objDir.Path(QStringLiteral("lang"))},
    };
    for (const auto& c : udtCases) {
        frmFolderSelector objSelector;
        EXPECT_TRUE(objSelector.Cancelled()) << "a new selector counts as cancelled";
        EXPECT_EQ(objSelector.SelectedFolder(), QString());
        objSelector.SetSelectedFolder(c.Start);
        QTest::mouseClick(objSelector.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
        EXPECT_FALSE(objSelector.Cancelled());
        EXPECT_EQ(objSelector.SelectedFolder(), c.Selected) << c.Start.toStdString();
    }
}

TEST(FolderSelectorTest, CentredOverTheMainWindowNeverOffItsLeftOrTop)
{
    const QSize objForm = frmFolderSelector().size();
    struct udtCase {
        QRect Main;
        QPoint Expected;
    };
    const int w = objForm.width(), h = objForm.height();
    const udtCase udtCases[] = {
        {QRect(100, 80, w + 300, h + 200), QPoint(250, 180)},
        {QRect(400, 300, w + 40, h + 60), QPoint(420, 330)},
        // A main window smaller than the selector at the screen's edge.
        {QRect(0, 0, w - 100, h - 60), QPoint(0, 0)},
        {QRect(20, 10, w - 100, h - 60), QPoint(0, 0)},
    };
    for (const udtCase& c : udtCases) {
        QWidget objMain;
        objMain.setGeometry(c.Main);
        frmFolderSelector objSelector(&objMain);
        EXPECT_EQ(objSelector.pos(), c.Expected) << c.Main.x() << "," << c.Main.y() << " " << c.Main.width() << "x" << c.Main.height();
    }
}
