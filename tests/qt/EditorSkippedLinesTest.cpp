// A window whose file had lines the reader skipped asks once before a save drops them; No, the
// default, keeps the file as it is.
#include "EditorTestSupport.h"

using namespace tralyx;
using namespace tralyx::test;

class EditorSkippedLines : public clsEditorFixture {};

TEST_F(EditorSkippedLines, ASaveAsksBeforeDroppingThem)
{
    const QByteArray bytFile("TXT001:a\r\nheading\r\n");
    const QString strFile = mobjDir.Write(Q("secondary.lrc"), bytFile);
    bool booLoaded = false;
    gobjTextStore->LoadPreceduralTextFromResource(strFile, booLoaded);
    ASSERT_TRUE(booLoaded);
    auto objWindow = Open(frmMessageEditor::EditSecondary, strFile);
    objWindow->SkippedLines(gobjTextStore->LastWarnings());

    const QString strQuestion =
        Q("When %1 was opened, 1 line(s) of it could not be read and were skipped.\r\nSave without them?").arg(strFile);
    const QString strOverwrite = Q("The file %1 already exists.\r\nDo you want to overwrite it?").arg(strFile);
    const int32_t lngStyle = vbQuestion + vbYesNo + vbDefaultButton2;
    mobjDesktop.Expect(strQuestion, lngStyle, Q("Skipped lines"), vbNo);
    EXPECT_FALSE(objWindow->SaveMe());
    EXPECT_EQ(clsTempDir::Read(strFile), bytFile);

    mobjDesktop.Expect(strQuestion, lngStyle, Q("Skipped lines"), vbYes)
        .Expect(strOverwrite, vbQuestion + vbYesNo, Q("Overwrite file"), vbYes);
    EXPECT_TRUE(objWindow->SaveMe());
    EXPECT_EQ(clsTempDir::Read(strFile), QByteArray("TXT001:a\r\n"));

    mobjDesktop.Expect(strOverwrite, vbQuestion + vbYesNo, Q("Overwrite file"), vbYes);  // asked once only
    EXPECT_TRUE(objWindow->SaveMe());
}
