// Preview: the boxes' texts shown as an application would show the message.
#include "EditorTestSupport.h"

#include <QPushButton>

namespace tralyx::test {
namespace {

const QString R = Q("\u00ACTHIS IS REPLACED BY Zarvo\u00AC");

using EditorPreviewTest = clsEditorFixture;

TEST_F(EditorPreviewTest, ShowsTheBoxesWithMarkersReplacedOrTheRowsStoredTexts)
{
    const std::tuple<int, const char*, const char*, QString, QString> udtCases[] = {
        {0, nullptr, nullptr, Q("Disk full.\r\nFree some space."), Q("Error ") + R},  // nullptr: the box as loaded
        {0, "[#!a!#]: [#!bb!#]", "Line [#!x!#]\nnext", Q("Line ") + R + Q("\r\nnext"), R + Q(": ") + R},
        {1, "", "", Q("Saved ") + R + Q("."), Q("Done")},  // empty boxes fall back to the row
        {2, nullptr, nullptr, Q("Quit?"), Q("Tralyx")},    // no title anywhere: the application's
    };
    auto objWindow = Open(frmMessageEditor::EditMessages);
    for (const auto& [lngRow, pstrUpper, pstrLower, strPrompt, strTitle] : udtCases) {
        if (objWindow->ItemChanged()) mobjDesktop.Expect(DataChangedPrompt, 35, Q("Data changed"), vbNo);
        ClickRow(*objWindow, lngRow);
        if (pstrUpper) UpperBox(*objWindow)->setText(Q(pstrUpper));
        if (pstrLower) LowerBox(*objWindow)->setPlainText(Q(pstrLower));
        mobjDesktop.Expect(strPrompt, vbOKOnly, strTitle);
        QTest::mouseClick(objWindow->findChild<QPushButton*>("cmdPreview"), Qt::LeftButton);
    }
    EXPECT_EQ(gobjTextStore->MessageTable()[0].Title, Q("Error [#!n!#]"));
}

TEST_F(EditorPreviewTest, WithASourceOnlyItsMarkersAreReplaced)
{
    auto objSource = std::make_unique<clsTralyx>();
    objSource->SetMessageTable({{1, Q("Disk is full in [#!dir!#]."), Q("Fault [#!n!#]")}});
    auto objWindow = Open(frmMessageEditor::EditMessages);
    objWindow->SetSource(std::move(objSource));
    const std::tuple<int, const char*, const char*, QString, QString> udtCases[] = {
        {0, "Fehler [#!n!#]", "In [#!titel!#] und [#!dir!#]", Q("In [#!titel!#] und ") + R, Q("Fehler ") + R},
        {0, "[#!x!#]", "", Q("Disk full.\r\nFree some space."), Q("[#!x!#]")},  // the stored text, no marker
        {0, "[#!n!#]", "[#!dir!#]", R, R},
        {1, "", "", Q("Saved [#!file!#]."), Q("Done")},  // a row the source lacks: no marker is the source's
    };
    for (const auto& [lngRow, pstrUpper, pstrLower, strPrompt, strTitle] : udtCases) {
        if (objWindow->ItemChanged()) mobjDesktop.Expect(DataChangedPrompt, 35, Q("Data changed"), vbNo);
        ClickRow(*objWindow, lngRow);
        UpperBox(*objWindow)->setText(Q(pstrUpper));
        LowerBox(*objWindow)->setPlainText(Q(pstrLower));
        mobjDesktop.Expect(strPrompt, vbOKOnly, strTitle);
        QTest::mouseClick(objWindow->findChild<QPushButton*>("cmdPreview"), Qt::LeftButton);
    }
}

TEST_F(EditorPreviewTest, RowsPastTheByteRangeShowOnlyTheirBoxes)
{
    QVector<MessageItem> udtMessages(300);
    for (int i = 0; i < 300; ++i) udtMessages[i] = {0, Q("stored %1").arg(i), Q("Stored %1").arg(i)};
    gobjTextStore->SetMessageTable(udtMessages);
    auto objWindow = Open(frmMessageEditor::EditMessages);
    const std::tuple<int, QString, QString, QString> udtCases[] = {
        {299, Q("T [#!x!#]"), Q(""), Q("T ") + R},         // never entry 43 (299 mod 256) or 299
        {255, Q("Stored 255"), Q("stored 255"), Q("Stored 255")},  // the last an identifier reaches reads its entry
    };
    for (const auto& [lngRow, strUpper, strPrompt, strTitle] : udtCases) {
        if (objWindow->ItemChanged()) mobjDesktop.Expect(DataChangedPrompt, 35, Q("Data changed"), vbNo);
        List(*objWindow)->setCurrentIndex(List(*objWindow)->model()->index(lngRow, 0));
        ASSERT_EQ(objWindow->CurrentItem(), lngRow + 1);
        UpperBox(*objWindow)->setText(strUpper);
        LowerBox(*objWindow)->setPlainText(Q(""));
        mobjDesktop.Expect(strPrompt, vbOKOnly, strTitle);
        QTest::mouseClick(Child<QPushButton>(*objWindow, "cmdPreview"), Qt::LeftButton);
    }
}

}  // namespace
}  // namespace tralyx::test
