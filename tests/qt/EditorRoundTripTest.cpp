// Loading a row into the boxes and committing it gives every stored text back exactly, in every
// box of every edit type; the clipboard commands keep what the user sees.
#include "MainTest.h"

namespace tralyx::test {
namespace {

const QString gstrTexts[] = {
    Q(""), Q("plain"), Q("two\r\nlines"), Q("lone\rCR"), Q("lone\nLF"), Q("\r\nat both ends\r\n"),
    Q("marks \u240D \u240A \u21B5 \u240D\u240D"), Q("no-break\u00A0: space"), Q("tab\tand \u2028separator"),
};

TEST(EditorRoundTripTest, CommitOfALoadedRowKeepsEveryStoredText)
{
    clsScriptedDesktop objDesktop;
    for (const QString& strText : gstrTexts) {
        SCOPED_TRACE(strText.toStdString());
        gobjTextStore = std::make_unique<clsTralyx>();
        // The code page plays no part here; the warning about characters it lacks is answered.
        gobjTextStore->SetCodePage(Q("UTF-8"));
        gobjTextStore->SetMessageTable({{1, strText, strText}});
        gobjTextStore->SetSecondaryTable({strText});
        gobjTextStore->SetControlTextTable({{Q("frmA"), Q("cmdB"), 0, strText, strText}});
        for (const int32_t lngType : {frmMessageEditor::EditMessages, frmMessageEditor::EditSecondary,
                                      frmMessageEditor::EditControlText}) {
            frmMessageEditor frmEditor;
            frmEditor.EditType(lngType);
            frmEditor.show();
            ClickRow(frmEditor, 0);
            frmEditor.MoveToList();
        }
        EXPECT_EQ(gobjTextStore->MessageTable()[0].Message, strText);
        EXPECT_EQ(gobjTextStore->MessageTable()[0].Title, strText);
        EXPECT_EQ(gobjTextStore->SecondaryTable()[0], strText);
        EXPECT_EQ(gobjTextStore->ControlTextTable()[0].Caption, strText);
        EXPECT_EQ(gobjTextStore->ControlTextTable()[0].ToolTip, strText);
    }
    gobjTextStore.reset();
}

using EditorClipboardTest = clsMainFixture;

TEST_F(EditorClipboardTest, PastedCrLfInTheOneLineBoxCommitsAsOneLineBreak)
{
    mfrmMain->OpenFile(mobjDir.Write(Q("core.lrc"), CoreA));
    frmMessageEditor& frmEditor = *mfrmMain->ActiveEditor();
    ClickRow(frmEditor, 0);
    UpperBox(frmEditor)->setFocus();
    mobjDesktop.mstrClipboard = Q("First\r\nSecond");
    QTest::keyClick(UpperBox(frmEditor), Qt::Key_V, Qt::ControlModifier);
    ClickButton(Q("ToGrid"));
    EXPECT_EQ(gobjTextStore->ControlTextTable()[0].ToolTip, Q("First\r\nSecond"));
}

TEST_F(EditorClipboardTest, CutThenPasteKeepsNoBreakSpacesAndUndoRestores)
{
    mfrmMain->OpenFile(mobjDir.Write(Q("messages.lrc"), MessagesA));
    frmMessageEditor& frmEditor = *mfrmMain->ActiveEditor();
    ClickRow(frmEditor, 1);
    LowerBox(frmEditor)->setFocus();
    TypeLower(frmEditor, Q("\u00A0!"));
    Click("mnuEditCut");
    EXPECT_EQ(LowerBox(frmEditor)->toPlainText(), Q(""));
    QTest::keyClick(LowerBox(frmEditor), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(LowerBox(frmEditor)->document()->toRawText(), Q("Saved.\u00A0!"));
    Click("mnuEditCut");
    Click("mnuEditPaste");
    ClickButton(Q("ToGrid"));
    EXPECT_EQ(gobjTextStore->MessageTable()[1].Message, Q("Saved.\u00A0!"));
}

}  // namespace
}  // namespace tralyx::test
