// A save that would lose something asks first, and No, the default, keeps the file as it is: over
// a file another program changed after it was loaded, without lines the reader skipped, or without
// texts core.lrc has no line for.
#include "common/clsFileLock.h"
#include "EditorTestSupport.h"

namespace tralyx::test {
namespace {

class EditorChangedOnDiskTest : public clsEditorFixture {
protected:
    // Writes the file, loads it as the main window does and opens a window on it.
    void OpenFile(const QByteArray& pbytFile, const char* pstrName = "secondary.lrc")
    {
        mstrPath = mobjDir.Write(Q(pstrName), pbytFile);
        bool booSuccess = false;
        const enuFileKind enuKind = *FileKindOfPath(mstrPath);
        LoadFile(*gobjTextStore, enuKind, mstrPath, booSuccess);
        ASSERT_TRUE(booSuccess);
        mfrmWindow = Open(static_cast<int32_t>(enuKind), mstrPath);
        mfrmWindow->SkippedLines(gobjTextStore->LastWarnings());
    }
    void TearDown() override
    {
        mfrmWindow.reset();  // before the store it lists
        clsEditorFixture::TearDown();
    }
    QString mstrPath;
    std::unique_ptr<frmMessageEditor> mfrmWindow;
};

TEST_F(EditorChangedOnDiskTest, NoKeepsTheFileYesSavesAndTheQuestionIsAskedOnce)
{
    const struct {
        QByteArray Loaded;
        QByteArray Theirs;  // written by another program after the load, if any
        const char* Question;
        int32_t Style;
        const char* Title;
        QByteArray Saved;
        const char* File = "secondary.lrc";
    } udtCases[] = {
        // Their edit keeps the size, and may fall in the same second: the content tells.
        {"TXT001:one\r\nTXT002:two\r\n", "TXT001:one\r\nTXT002:owt\r\n",
         "The file %1 was changed by another program after Tralyx read it.\r\nDo you want to overwrite it anyway?",
         vbExclamation + vbYesNo + vbDefaultButton2, "File changed", "TXT001:one\r\nTXT002:two\r\n"},
        {"TXT001:a\r\nheading\r\n", {}, "When %1 was opened, 1 line(s) of it could not be read and were skipped.\r\nSave without them?",
         vbQuestion + vbYesNo + vbDefaultButton2, "Skipped lines", "TXT001:a\r\n"},
        // A harvested file: a label named txtHint has a caption, which core.lrc has no line for.
        {"f.txtHint.0.T:\r\nf.txtHint.0.C:Fields marked * are required\r\n", {},
         "1 text(s) of %1 cannot be kept in core.lrc (the caption of a \"txt\" control, the tool-tip of an \"mnu\" or "
         "\"[cap\" control) and would be left out.\r\nSave without them?",
         vbQuestion + vbYesNo + vbDefaultButton2, "Texts not saved", "f.txtHint.0.T:\r\n", "core.lrc"},
    };
    for (const auto& c : udtCases) {
        SCOPED_TRACE(c.Title);
        OpenFile(c.Loaded, c.File);
        if (!c.Theirs.isEmpty()) mobjDir.Write(Q(c.File), c.Theirs);
        const QByteArray bytBefore = clsTempDir::Read(mstrPath);
        const QString strQuestion = Q(c.Question).arg(mstrPath);
        mobjDesktop.Expect(strQuestion, c.Style, Q(c.Title), vbNo);
        EXPECT_FALSE(mfrmWindow->SaveMe());
        EXPECT_EQ(clsTempDir::Read(mstrPath), bytBefore);

        mobjDesktop.Expect(strQuestion, c.Style, Q(c.Title), vbYes)
            .Expect(OverwritePrompt(mstrPath), vbQuestion + vbYesNo, Q("Overwrite file"), vbYes);
        EXPECT_TRUE(mfrmWindow->SaveMe());
        EXPECT_EQ(clsTempDir::Read(mstrPath), c.Saved);

        // What the window saved is what the file now is: the next save asks only the usual question.
        mobjDesktop.Expect(OverwritePrompt(mstrPath), vbQuestion + vbYesNo, Q("Overwrite file"), vbYes);
        EXPECT_TRUE(mfrmWindow->SaveMe());
    }
}

TEST_F(EditorChangedOnDiskTest, AnUnchangedOrRemovedFileOrAnotherTargetIsNotQuestioned)
{
    OpenFile("TXT001:one\r\nTXT002:two\r\n");
    mobjDesktop.Expect(OverwritePrompt(mstrPath), vbQuestion + vbYesNo, Q("Overwrite file"), vbNo);
    EXPECT_FALSE(mfrmWindow->SaveMe());  // unchanged: only the overwrite question

    mobjDir.Write(Q("secondary.lrc"), "changed\r\n");
    EXPECT_TRUE(mfrmWindow->SaveMe(mobjDir.Path(Q("copy.lrc"))));  // Save As elsewhere: nothing to lose

    QFile::remove(mobjDir.Path(Q("copy.lrc")));
    EXPECT_TRUE(mfrmWindow->SaveMe());  // gone: written afresh without a question
}

// From its check to its replace a Save holds the file's lock, which tralyx-lrc import waits for; a
// name that reached Qt as U+FFFD is not saved to.
TEST_F(EditorChangedOnDiskTest, SaveHoldsTheLockThatImportsTake)
{
    OpenFile("TXT001:one\r\n");
    bool booLocked = false;
    QString strReason;
    mobjDesktop.mfnOnBox = [&] { booLocked = !clsFileLock().Lock(mstrPath, strReason, 0); };
    mobjDesktop.Expect(OverwritePrompt(mstrPath), vbQuestion + vbYesNo, Q("Overwrite file"), vbYes);
    EXPECT_TRUE(mfrmWindow->SaveMe());
    EXPECT_TRUE(booLocked);
    const QString strMangled = mobjDir.Path(Q("secondary\uFFFD.lrc"));  // a name Save As got from Qt that no file has
    mobjDesktop.Expect(Q("The file %1 could not be saved.\r\n\r\nthe file name is not valid…").arg(strMangled), vbCritical,
                       Q("Couldn't save ") + strMangled);
    EXPECT_FALSE(mfrmWindow->SaveMe(strMangled));
}

}  // namespace
}  // namespace tralyx::test
