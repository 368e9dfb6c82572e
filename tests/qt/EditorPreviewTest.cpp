// Preview: the boxes' texts shown as an application would show the message.
#include "EditorTestSupport.h"

#include <QPushButton>

namespace tralyx::test {
namespace {

const QString R = Q("\u00ACTHIS IS REPLACED BY Zarvo\u00AC");

struct udtPreviewCase {
    const char* Name;
    int Row;
    const char* UpperBox;  // nullptr: as loaded from the row
    const char* LowerBox;
    QString Prompt;
    QString Title;
};

class EditorPreviewTest : public clsEditorFixture, public ::testing::WithParamInterface<udtPreviewCase> {};

TEST_P(EditorPreviewTest, ShowsTheBoxesWithMarkersReplaced)
{
    const udtPreviewCase c = GetParam();
    auto objWindow = Open(frmMessageEditor::EditMessages);
    ClickRow(*objWindow, c.Row);
    if (c.UpperBox) UpperBox(*objWindow)->setText(Q(c.UpperBox));
    if (c.LowerBox) LowerBox(*objWindow)->setPlainText(Q(c.LowerBox));
    mobjDesktop.Expect(c.Prompt, vbOKOnly, c.Title);
    QTest::mouseClick(objWindow->findChild<QPushButton*>("cmdPreview"), Qt::LeftButton);
    EXPECT_EQ(gobjTextStore->MessageTable()[0].Title, Q("Error [#!n!#]"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EditorPreviewTest,
    ::testing::Values(
        udtPreviewCase{"StoredRow", 0, nullptr, nullptr, Q("Disk full.\r\nFree some space."), Q("Error ") + R},
        udtPreviewCase{"UncommittedTyping", 0, "[#!a!#]: [#!bb!#]", "Line [#!x!#]\nnext", Q("Line ") + R + Q("\r\nnext"),
                       R + Q(": ") + R},
        // An empty box falls back to the row's stored text.
        udtPreviewCase{"EmptyBoxesFallBack", 1, "", "", Q("Saved ") + R + Q("."), Q("Done")},
        // No title anywhere: the application's title, as it stands.
        udtPreviewCase{"NoTitleAnywhere", 2, nullptr, nullptr, Q("Quit?"), Q("Tralyx")}),
    [](const ::testing::TestParamInfo<udtPreviewCase>& pudtInfo) { return std::string(pudtInfo.param.Name); });

using EditorPreviewRowsTest = clsEditorFixture;

TEST_F(EditorPreviewRowsTest, RowsPastTheByteRangeShowOnlyTheirBoxes)
{
    QVector<MessageItem> udtMessages(300);
    for (int i = 0; i < 300; ++i) udtMessages[i] = {0, Q("stored %1").arg(i), Q("Stored %1").arg(i)};
    gobjTextStore->SetMessageTable(udtMessages);
    auto objWindow = Open(frmMessageEditor::EditMessages);
    QTreeView* objList = List(*objWindow);
    QPushButton* cmdPreview = objWindow->findChild<QPushButton*>("cmdPreview");

    objList->setCurrentIndex(objList->model()->index(299, 0));
    ASSERT_EQ(objWindow->CurrentItem(), 300);
    UpperBox(*objWindow)->setText(Q("T [#!x!#]"));
    LowerBox(*objWindow)->setPlainText(Q(""));
    mobjDesktop.Expect(Q(""), vbOKOnly, Q("T ") + R);  // never entry 43 (299 mod 256) or 299
    QTest::mouseClick(cmdPreview, Qt::LeftButton);

    UpperBox(*objWindow)->setText(Q(""));
    LowerBox(*objWindow)->setPlainText(Q("M [#!x!#]"));
    mobjDesktop.Expect(Q("M ") + R, vbOKOnly, Q("Tralyx"));
    QTest::mouseClick(cmdPreview, Qt::LeftButton);

    // Row 256, the last an identifier reaches, still reads its stored entry.
    mobjDesktop.Expect(DataChangedPrompt, 36, Q("Data changed"), vbNo);
    objList->setCurrentIndex(objList->model()->index(255, 0));
    LowerBox(*objWindow)->setPlainText(Q(""));
    mobjDesktop.Expect(Q("stored 255"), vbOKOnly, Q("Stored 255"));
    QTest::mouseClick(cmdPreview, Qt::LeftButton);
}

TEST_F(EditorPreviewRowsTest, NoRowMeansNoPreview)
{
    gobjTextStore->SetMessageTable({});
    auto objWindow = Open(frmMessageEditor::EditMessages);
    QTest::mouseClick(objWindow->findChild<QPushButton*>("cmdPreview"), Qt::LeftButton);
    EXPECT_TRUE(mobjDesktop.Shown().empty());
}

}  // namespace
}  // namespace tralyx::test
