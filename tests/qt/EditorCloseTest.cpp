// Saving from the editor window and the questions a close asks.
#include "EditorTestSupport.h"
#include "StoreFiles.h"

#include <QFile>

namespace tralyx::test {
namespace {

class EditorSaveFixture : public clsEditorFixture {
protected:
    void SetUp() override
    {
        clsEditorFixture::SetUp();
        mstrPath = mobjDir.Path(Q("messages.lrc"));
        bool booSuccess = false;
        gobjTextStore->SaveMessageText(mstrPath, booSuccess);  // a new file: no question
        ASSERT_TRUE(booSuccess);
        mbytOriginal = clsTempDir::Read(mstrPath);
    }

    // The titles a file holds, read by a store of its own.
    static QStringList TitlesIn(const QString& pstrPath)
    {
        clsTralyx objStore;
        EXPECT_TRUE(LoadFrom(objStore, enuFileKind::Messages, pstrPath).Success) << pstrPath.toStdString();
        QStringList strTitles;
        for (const MessageItem& udtItem : objStore.MessageTable()) strTitles << udtItem.Title;
        return strTitles;
    }

    // An edit of row 0 committed through "Data changed" (so only the table is marked).
    void CommitEdit(frmMessageEditor& pfrmWindow)
    {
        ClickRow(pfrmWindow, 0);
        UpperBox(pfrmWindow)->setText(Q("Committed"));
        mobjDesktop.Expect(DataChangedPrompt, 35, Q("Data changed"), vbYes);
        ClickRow(pfrmWindow, 1);
        ASSERT_TRUE(pfrmWindow.DataChanged());
        ASSERT_FALSE(pfrmWindow.ItemChanged());
    }

    QString mstrPath;
    QByteArray mbytOriginal;
};

struct udtCloseCase {
    const char* Name;
    bool CommittedEdit;
    bool UncommittedTyping;
    std::vector<udtExpectedBox> Boxes;  // in order; the prompt of the overwrite box is filled in
    bool Closes;
    QStringList TitlesInFile;  // empty: the file is untouched
};

void PrintTo(const udtCloseCase& pudtCase, std::ostream* pobjOut) { *pobjOut << pudtCase.Name; }

class EditorCloseTest : public EditorSaveFixture, public ::testing::WithParamInterface<udtCloseCase> {};

const udtExpectedBox DataChangedYes{DataChangedPrompt, 35, Q("Data changed"), vbYes};
const udtExpectedBox DataChangedNo{DataChangedPrompt, 35, Q("Data changed"), vbNo};
udtExpectedBox SaveChanges(int32_t plngAnswer) { return {SaveChangesPrompt, 35, Q("Save changes"), plngAnswer}; }
udtExpectedBox Overwrite(int32_t plngAnswer) { return {Q("overwrite"), 36, Q("Overwrite file"), plngAnswer}; }

TEST_P(EditorCloseTest, AsksWhatTheFlagsCallForAndClosesOnlyWhenAllowed)
{
    const udtCloseCase c = GetParam();
    QMdiArea objArea;
    frmMessageEditor* objWindow = OpenIn(objArea, frmMessageEditor::EditMessages, mstrPath);
    if (c.CommittedEdit) {
        ASSERT_NO_FATAL_FAILURE(CommitEdit(*objWindow));
    }
    if (c.UncommittedTyping) {
        ClickRow(*objWindow, 2);
        UpperBox(*objWindow)->setText(Q("Typed"));
    }
    for (udtExpectedBox udtBox : c.Boxes) {
        if (udtBox.Title == Q("Overwrite file")) udtBox.Prompt = OverwritePrompt(mstrPath);
        mobjDesktop.Expect(udtBox.Prompt, udtBox.Style, udtBox.Title, udtBox.Answer);
    }

    const bool booClosed = FirstChild(objArea)->close();
    EXPECT_EQ(booClosed, c.Closes);
    EXPECT_EQ(mobjDesktop.Pending(), 0u);
    if (c.TitlesInFile.isEmpty()) EXPECT_EQ(clsTempDir::Read(mstrPath), mbytOriginal) << "file was written";
    else EXPECT_EQ(TitlesIn(mstrPath), c.TitlesInFile);
    if (!booClosed) {
        EXPECT_EQ(objWindow->windowTitle(), Q("Localising ") + mstrPath);
        EXPECT_TRUE(objWindow->DataChanged() || !c.CommittedEdit);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EditorCloseTest,
    ::testing::Values(
        udtCloseCase{"NothingChanged", false, false, {}, true, {}},
        udtCloseCase{"CancelKeepsTheWindow", true, false, {SaveChanges(vbCancel)}, false, {}},
        udtCloseCase{"NoClosesWithoutSaving", true, false, {SaveChanges(vbNo)}, true, {}},
        udtCloseCase{"YesWithDeclinedOverwriteKeepsIt", true, false, {SaveChanges(vbYes), Overwrite(vbNo)}, false, {}},
        udtCloseCase{"YesWithSaveCloses", true, false, {SaveChanges(vbYes), Overwrite(vbYes)}, true, {Q("Committed"), Q("Done"), Q("")}},
        udtCloseCase{"TypingOnlyNoLosesIt", false, true, {DataChangedNo}, true, {}},
        udtCloseCase{"TypingOnlyYesThenAsksToSave", false, true, {DataChangedYes, SaveChanges(vbCancel)}, false, {}},
        // No to "Data changed" on closing, Yes to saving: the save asks "Data changed" again.
        udtCloseCase{"SaveAsksDataChangedAgain", true, true, {DataChangedNo, SaveChanges(vbYes), DataChangedNo, Overwrite(vbYes)}, true,
                     {Q("Committed"), Q("Done"), Q("")}}),
    [](const ::testing::TestParamInfo<udtCloseCase>& pudtInfo) { return std::string(pudtInfo.param.Name); });

using EditorSaveTest = EditorSaveFixture;

TEST_F(EditorSaveTest, SaveAsToANewPathRenamesTheWindowAndLaterSavesGoThere)
{
    auto objWindow = Open(frmMessageEditor::EditMessages, mstrPath);
    ASSERT_NO_FATAL_FAILURE(CommitEdit(*objWindow));
    const QString strNewPath = mobjDir.Path(Q("copy.lrc"));
    EXPECT_TRUE(objWindow->SaveMe(strNewPath));  // new file: no overwrite question
    EXPECT_EQ(objWindow->windowTitle(), Q("Localising ") + strNewPath);
    EXPECT_EQ(objWindow->FileNameValue(), strNewPath);
    EXPECT_FALSE(objWindow->DataChanged());
    EXPECT_EQ(TitlesIn(strNewPath), (QStringList{Q("Committed"), Q("Done"), Q("")}));
    EXPECT_EQ(clsTempDir::Read(mstrPath), mbytOriginal);

    mobjDesktop.Expect(OverwritePrompt(strNewPath), 36, Q("Overwrite file"), vbYes);
    EXPECT_TRUE(objWindow->SaveMe());
}

TEST_F(EditorSaveTest, AFailedSaveIsReportedAndChangesNothing)
{
    auto objWindow = Open(frmMessageEditor::EditMessages, mstrPath);
    ASSERT_NO_FATAL_FAILURE(CommitEdit(*objWindow));
    const QString strBadPath = mobjDir.Path(Q("no-such-folder/messages.lrc"));
    mobjDesktop.Expect(Q("The file ") + strBadPath + Q(" could not be saved.\r\n\r\n…"), vbCritical,
                       Q("Couldn't save ") + strBadPath);
    EXPECT_FALSE(objWindow->SaveMe(strBadPath));
    ASSERT_EQ(mobjDesktop.Shown().size(), 2u);
    EXPECT_FALSE(mobjDesktop.Shown().back().Details.isEmpty()) << "the reason goes into the details";
    EXPECT_TRUE(mobjDesktop.Shown().back().Prompt.endsWith(gobjTextStore->LastError().Text())) << "and the box";
    EXPECT_EQ(objWindow->FileNameValue(), mstrPath);
    EXPECT_EQ(objWindow->windowTitle(), Q("Localising ") + mstrPath);
    EXPECT_TRUE(objWindow->DataChanged());
}

TEST_F(EditorSaveTest, CloseChecksAnsweredAreNotAskedAgainByTheCloseThatFollowsOnly)
{
    QMdiArea objArea;
    frmMessageEditor* objWindow = OpenIn(objArea, frmMessageEditor::EditMessages, mstrPath);
    ASSERT_NO_FATAL_FAILURE(CommitEdit(*objWindow));
    mobjDesktop.Expect(SaveChangesPrompt, 35, Q("Save changes"), vbNo);
    ASSERT_TRUE(objWindow->QueryClose());  // the close that followed was refused elsewhere
    QApplication::processEvents();
    mobjDesktop.Expect(SaveChangesPrompt, 35, Q("Save changes"), vbCancel);
    ASSERT_FALSE(FirstChild(objArea)->close());

    // What a frame does on Exit: ask every window first, then close them all.
    TypeUpper(*objWindow, Q("!"));
    mobjDesktop.Expect(DataChangedPrompt, 35, Q("Data changed"), vbNo);
    mobjDesktop.Expect(SaveChangesPrompt, 35, Q("Save changes"), vbNo);
    ASSERT_TRUE(objWindow->QueryClose());
    EXPECT_TRUE(FirstChild(objArea)->close());
}

}  // namespace
}  // namespace tralyx::test
