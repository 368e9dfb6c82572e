// Saving over a file that another program changed after it was loaded asks first.
#include "EditorTestSupport.h"

namespace tralyx::test {
namespace {

class EditorChangedOnDiskTest : public clsEditorFixture {
protected:
    void SetUp() override
    {
        clsEditorFixture::SetUp();
        mstrPath = mobjDir.Write(Q("secondary.lrc"), "TXT001:one\r\nTXT002:two\r\n");
        bool booSuccess = false;
        gobjTextStore->LoadPreceduralTextFromResource(mstrPath, booSuccess);
        ASSERT_TRUE(booSuccess);
        mfrmWindow = Open(frmMessageEditor::EditSecondary, mstrPath);
    }
    QString ChangedPrompt() const
    {
        return Q("The file ") + mstrPath +
               Q(" was changed by another program after Tralyx read it.\r\nDo you want to overwrite it anyway?");
    }
    QString mstrPath;
    std::unique_ptr<frmMessageEditor> mfrmWindow;
};

TEST_F(EditorChangedOnDiskTest, NoKeepsTheOtherProgramsFileYesOverwritesIt)
{
    const QByteArray bytTheirs = "TXT001:their edit\r\n";
    mobjDir.Write(Q("secondary.lrc"), bytTheirs);

    mobjDesktop.Expect(ChangedPrompt(), vbExclamation + vbYesNo + vbDefaultButton2, Q("File changed"), vbNo);
    EXPECT_FALSE(mfrmWindow->SaveMe());
    EXPECT_EQ(clsTempDir::Read(mstrPath), bytTheirs);

    mobjDesktop.Expect(ChangedPrompt(), vbExclamation + vbYesNo + vbDefaultButton2, Q("File changed"), vbYes)
        .Expect(OverwritePrompt(mstrPath), vbQuestion + vbYesNo, Q("Overwrite file"), vbYes);
    EXPECT_TRUE(mfrmWindow->SaveMe());
    EXPECT_EQ(clsTempDir::Read(mstrPath), "TXT001:one\r\nTXT002:two\r\n");

    // Our own save is what the file now is: the next save asks only the usual question.
    mobjDesktop.Expect(OverwritePrompt(mstrPath), vbQuestion + vbYesNo, Q("Overwrite file"), vbYes);
    EXPECT_TRUE(mfrmWindow->SaveMe());
}

TEST_F(EditorChangedOnDiskTest, AnUnchangedOrRemovedFileOrAnotherTargetIsNotQuestioned)
{
    mobjDesktop.Expect(OverwritePrompt(mstrPath), vbQuestion + vbYesNo, Q("Overwrite file"), vbNo);
    EXPECT_FALSE(mfrmWindow->SaveMe());  // unchanged: only the overwrite question

    mobjDir.Write(Q("secondary.lrc"), "changed\r\n");
    EXPECT_TRUE(mfrmWindow->SaveMe(mobjDir.Path(Q("copy.lrc"))));  // Save As elsewhere: nothing to lose

    QFile::remove(mobjDir.Path(Q("copy.lrc")));
    EXPECT_TRUE(mfrmWindow->SaveMe());  // gone: written afresh without a question
}

}  // namespace
}  // namespace tralyx::test
