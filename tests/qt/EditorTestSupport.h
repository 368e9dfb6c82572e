#pragma once
// Shared set-up of the editor window tests: a fresh store, a scripted desktop, small tables, and
// the user's gestures (row clicks, typing).
#include "ScriptedDesktop.h"
#include "TempDir.h"
#include "basGeneralItems.h"
#include "clsTralyx.h"
#include "frmMessageEditor.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>
#include <memory>

namespace tralyx::test {

inline QString Q(const char* pstrText) { return QString::fromUtf8(pstrText); }

class clsEditorFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        gobjTextStore = std::make_unique<clsTralyx>();
        gobjTextStore->SetMessageTable({{1, Q("Disk full.\r\nFree some space."), Q("Error [#!n!#]")},
                                        {2, Q("Saved [#!file!#]."), Q("Done")},
                                        {3, Q("Quit?"), Q("")}});
        gobjTextStore->SetSecondaryTable({Q("First entry"), Q("Two\r\nlines"), Q("Third")});
        gobjTextStore->SetControlTextTable({{Q("frmMain"), Q("mnuFileOpen"), 0, Q("&Open"), Q("Open a file")},
                                            {Q("frmMain"), Q("optKind"), 12, Q("Kind"), Q("Pick\r\none")},
                                            {Q(""), Q(""), 0, Q(""), Q("")}});
    }
    void TearDown() override { gobjTextStore.reset(); }

    // Opens a window as the main window does: edit type, then file name, then shown.
    std::unique_ptr<frmMessageEditor> Open(int32_t plngEditType, const QString& pstrFileName = Q("/lang/x.lrc"))
    {
        auto objWindow = std::make_unique<frmMessageEditor>();
        objWindow->EditType(plngEditType);
        objWindow->FileName(pstrFileName);
        objWindow->show();
        return objWindow;
    }

    static QTreeView* List(frmMessageEditor& pfrmWindow) { return pfrmWindow.findChild<QTreeView*>("lvwMessages"); }
    static QLineEdit* UpperBox(frmMessageEditor& pfrmWindow) { return pfrmWindow.findChild<QLineEdit*>("txtTitle"); }
    static QPlainTextEdit* LowerBox(frmMessageEditor& pfrmWindow)
    {
        return pfrmWindow.findChild<QPlainTextEdit*>("txtMessage");
    }
    static QString Cell(frmMessageEditor& pfrmWindow, int plngRow, int plngColumn)
    {
        return List(pfrmWindow)->model()->index(plngRow, plngColumn).data().toString();
    }

    static void ClickRow(frmMessageEditor& pfrmWindow, int plngRow)
    {
        QTreeView* objList = List(pfrmWindow);
        const QRect objCell = objList->visualRect(objList->model()->index(plngRow, 0));
        ASSERT_TRUE(objCell.isValid()) << "row " << plngRow << " not visible";
        QTest::mouseClick(objList->viewport(), Qt::LeftButton, {}, objCell.center());
    }
    // Types at the end of a box, as the user would.
    static void TypeUpper(frmMessageEditor& pfrmWindow, const QString& pstrText)
    {
        UpperBox(pfrmWindow)->end(false);
        QTest::keyClicks(UpperBox(pfrmWindow), pstrText);
    }
    static void TypeLower(frmMessageEditor& pfrmWindow, const QString& pstrText)
    {
        LowerBox(pfrmWindow)->moveCursor(QTextCursor::End);
        QTest::keyClicks(LowerBox(pfrmWindow), pstrText);
    }

    clsScriptedDesktop mobjDesktop;
    clsTempDir mobjDir;
};

const QString DataChangedPrompt = Q("This item has changed, do you want to save the changes?");
const QString SaveChangesPrompt = Q("Do you want to save your changes?");
inline QString OverwritePrompt(const QString& pstrPath)
{
    return Q("The file ") + pstrPath + Q(" already exists.\r\nDo you want to overwrite it?");
}

}  // namespace tralyx::test
