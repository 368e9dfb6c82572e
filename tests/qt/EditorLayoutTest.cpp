// What the user sees of the text editor window at any size: the boxes and the list fill it, nothing
// overlaps and nothing is cut off; the handle between them gives the boxes room, kept on resizing.
#include "EditorTestSupport.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>

namespace tralyx::test {
namespace {

QRect InWindow(const QWidget& pobjWidget) { return {pobjWidget.mapTo(pobjWidget.window(), QPoint(0, 0)), pobjWidget.size()}; }

// The shown controls stand inside the window and their frame, one beside or below the other.
void ExpectFits(frmMessageEditor& pfrmWindow, const std::string& pstrWhere)
{
    SCOPED_TRACE(pstrWhere);
    const QRect objWindow = pfrmWindow.rect();
    const QRect objFrame = InWindow(*Child<QGroupBox>(pfrmWindow, "fraMessage"));
    const QRect objList = InWindow(*List(pfrmWindow));
    const QRect objPreview = InWindow(*Child<QPushButton>(pfrmWindow, "cmdPreview"));
    for (const QRect& objControl : {objFrame, objList, objPreview}) EXPECT_TRUE(objWindow.contains(objControl));
    EXPECT_LT(objFrame.bottom(), objList.top());
    EXPECT_LT(objList.bottom(), objPreview.top());
    // Frame and list take the whole width within equal margins; the Preview button sits at the bottom.
    EXPECT_EQ(objList.left(), objFrame.left());
    EXPECT_EQ(objList.width(), objFrame.width());
    EXPECT_NEAR(objWindow.right() - objList.right(), objList.left(), 2);
    EXPECT_LE(objWindow.bottom() - objPreview.bottom(), objList.left());
    QRect objAbove;  // the label and box above: each pair stands below the one before
    for (const char* pstrPair : {"Title", "Message"}) {
        auto* lblLabel = Child<QLabel>(pfrmWindow, (std::string("lbl") + pstrPair).c_str());
        QWidget* txtBox = Child<QWidget>(pfrmWindow, (std::string("txt") + pstrPair).c_str());
        if (!txtBox->isVisible()) continue;
        const QRect objBox = InWindow(*txtBox);
        EXPECT_TRUE(objFrame.contains(objBox)) << pstrPair;
        EXPECT_GT(objBox.top(), objAbove.bottom()) << pstrPair;
        objAbove = objBox;
        if (!lblLabel->isVisible()) continue;
        EXPECT_TRUE(objFrame.contains(InWindow(*lblLabel))) << pstrPair;
        EXPECT_LT(InWindow(*lblLabel).right(), objBox.left()) << pstrPair;
        EXPECT_GE(lblLabel->width(), lblLabel->sizeHint().width()) << pstrPair << ": its text cut off";
    }
}

using EditorLayoutTest = clsEditorFixture;

TEST_F(EditorLayoutTest, BoxesAndListFillTheWindowAtEverySizeAndKeepTheLastLayoutWhenTooSmall)
{
    for (const int32_t lngEditType : {0, 1, 2}) {
        auto objWindow = Open(lngEditType);
        for (const QSize objSize : {objWindow->sizeHint(), QSize(420, 330), QSize(1500, 950), QSize(30, 20)}) {
            const QRect objListBefore = List(*objWindow)->geometry();
            objWindow->resize(objSize);
            QApplication::processEvents();
            const std::string strWhere = std::to_string(lngEditType) + " at " + std::to_string(objSize.width());
            if (objSize.width() < 100) EXPECT_EQ(List(*objWindow)->geometry(), objListBefore) << strWhere;
            else ExpectFits(*objWindow, strWhere);
        }
    }
}

TEST_F(EditorLayoutTest, DraggingTheHandleGivesTheBoxesRoomWhichTheyKeepWhenTheWindowGrows)
{
    auto objWindow = Open(frmMessageEditor::EditMessages);
    QSplitterHandle* objHandle = Child<QSplitter>(*objWindow, "splMessage")->handle(1);
    const int lngBoxBefore = LowerBox(*objWindow)->height();
    const int lngListBefore = List(*objWindow)->height();
    QTest::mousePress(objHandle, Qt::LeftButton, {}, objHandle->rect().center());
    QTest::mouseMove(objHandle, objHandle->rect().center() + QPoint(0, 60));
    QTest::mouseRelease(objHandle, Qt::LeftButton, {}, objHandle->rect().center() + QPoint(0, 60));
    EXPECT_NEAR(LowerBox(*objWindow)->height(), lngBoxBefore + 60, 2);
    EXPECT_NEAR(List(*objWindow)->height(), lngListBefore - 60, 2);
    ExpectFits(*objWindow, "dragged");

    const auto Share = [&] {
        return double(Child<QGroupBox>(*objWindow, "fraMessage")->height()) /
               (Child<QGroupBox>(*objWindow, "fraMessage")->height() + List(*objWindow)->height());
    };
    const double dblShare = Share();
    objWindow->resize(objWindow->width() + 200, objWindow->height() + 400);
    QApplication::processEvents();
    EXPECT_NEAR(Share(), dblShare, 0.01);
    ExpectFits(*objWindow, "grown");
}

}  // namespace
}  // namespace tralyx::test
