// Loading a row into the boxes and committing it gives every stored text back exactly, in every
// box of every edit type; the clipboard commands keep what the user sees.
#include "MainTest.h"

namespace tralyx::test {
namespace {

TEST(EditorRoundTripTest, CommitOfALoadedRowKeepsEveryStoredTextInItsOwnField)
{
    clsScriptedDesktop objDesktop;
    // The last one is past a line box's default length limit.
    for (const QString& x : {Q(""), Q("two\r\nlines"), Q("lone\rCR\nLF"), Q("\r\nends\r\n"), Q("a\r\n\r\nb\r\rc"), Q("marks ␍ ␊ ↵ ␍␍"),
                             Q("no\u00A0break\r\n\r\nspace\r\n"), Q("tab\tand \u2028separator"), QString(40000, u'a') + Q("\r\nz")}) {
        SCOPED_TRACE(x.left(40).toStdString());
        const QString y = x + Q("!");  // the upper box's text differs, so a swapped field shows
        gobjTextStore = std::make_unique<clsTralyx>();
        gobjTextStore->SetCodePage(Q("UTF-8"));  // no warning about characters the code page lacks
        gobjTextStore->SetMessageTable({{1, x, y}});
        gobjTextStore->SetSecondaryTable({x});
        gobjTextStore->SetControlTextTable({{Q("frmA"), Q("cmdB"), 0, x, y}});
        for (const int32_t lngType : {0, 1, 2}) {
            frmMessageEditor frmEditor;
            frmEditor.EditType(lngType);
            frmEditor.show();
            frmEditor.MoveToList();
            EXPECT_FALSE(frmEditor.DataChanged()) << lngType;
        }
        const MessageItem& m = gobjTextStore->MessageTable()[0];
        const ControlTextItem& c = gobjTextStore->ControlTextTable()[0];
        EXPECT_EQ(QStringList({m.Message, m.Title, gobjTextStore->SecondaryTable()[0], c.Caption, c.ToolTip}),
                  QStringList({x, y, x, x, y}));
    }
    gobjTextStore.reset();
}

using EditorClipboardTest = clsMainFixture;

TEST_F(EditorClipboardTest, PastedCrLfStaysOneBreakAndCutUndoPasteKeepNoBreakSpaces)
{
    mfrmMain->OpenFile(mobjDir.Write(Q("messages.lrc"), MessagesA));
    frmMessageEditor& frmEditor = *mfrmMain->ActiveEditor();
    UpperBox(frmEditor)->setFocus();
    mobjDesktop.mstrClipboard = Q("First\r\nSecond");
    QTest::keyClick(UpperBox(frmEditor), Qt::Key_V, Qt::ControlModifier);
    LowerBox(frmEditor)->setFocus();
    TypeLower(frmEditor, Q("\u00A0!"));
    Click("mnuEditCut");
    QTest::keyClick(LowerBox(frmEditor), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(LowerBox(frmEditor)->document()->toRawText().endsWith(Q("space.\u00A0!")));
    Click("mnuEditCut");
    Click("mnuEditPaste");
    ClickButton(Q("ToGrid"));
    EXPECT_EQ(gobjTextStore->MessageTable()[0].Title, Q("First\r\nSecond"));
    EXPECT_EQ(gobjTextStore->MessageTable()[0].Message, Q("Disk full.\r\nFree some space.\u00A0!"));
}

}  // namespace
}  // namespace tralyx::test
