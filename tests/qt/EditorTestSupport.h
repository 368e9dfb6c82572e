#pragma once
// Shared set-up of the editor window tests: a fresh store, a scripted desktop, small tables, and
// the user's gestures (row clicks, typing).
#include "common/basGeneralItems.h"
#include "ScriptedDesktop.h"
#include "store/basTextStore.h"
#include "store/clsTralyx.h"
#include "TempDir.h"
#include "TestTexts.h"
#include "windows/editor/frmMessageEditor.h"

#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

namespace tralyx::test {

// A named child of a window. A window without it fails the test here (the exception is reported)
// instead of crashing the run on a null pointer.
template <class T>
T* Child(const QObject& pobjWindow, const char* pstrName)
{
    T* pobjChild = pobjWindow.findChild<T*>(QLatin1String(pstrName));
    if (!pobjChild) throw std::runtime_error(std::string("no ") + pstrName + " in " + pobjWindow.objectName().toStdString());
    return pobjChild;
}
// The frame's first child window; none (it closed when it should not have) fails the test.
inline QMdiSubWindow* FirstChild(const QMdiArea& pobjArea)
{
    if (pobjArea.subWindowList().isEmpty()) throw std::runtime_error("the frame has no window");
    return pobjArea.subWindowList().front();
}

// The editor window's parts, and the user's gestures on them.
inline QTreeView* List(frmMessageEditor& pfrmWindow) { return Child<QTreeView>(pfrmWindow, "lvwMessages"); }
inline QLineEdit* UpperBox(frmMessageEditor& pfrmWindow) { return Child<QLineEdit>(pfrmWindow, "txtTitle"); }
inline QPlainTextEdit* LowerBox(frmMessageEditor& pfrmWindow) { return Child<QPlainTextEdit>(pfrmWindow, "txtMessage"); }
inline QString Cell(frmMessageEditor& pfrmWindow, int plngRow, int plngColumn)
{
    return List(pfrmWindow)->model()->index(plngRow, plngColumn).data().toString();
}
// With a source the list ends with its Source and State columns.
inline int StateColumn(frmMessageEditor& pfrmWindow) { return List(pfrmWindow)->model()->columnCount() - 1; }
inline int SourceColumn(frmMessageEditor& pfrmWindow) { return StateColumn(pfrmWindow) - 1; }
inline void ClickRow(frmMessageEditor& pfrmWindow, int plngRow)
{
    QTreeView* objList = List(pfrmWindow);
    const QRect objCell = objList->visualRect(objList->model()->index(plngRow, 0));
    ASSERT_TRUE(objCell.isValid()) << "row " << plngRow << " not visible";
    QTest::mouseClick(objList->viewport(), Qt::LeftButton, {}, objCell.center());
}
// Types at the end of a box, as the user would.
inline void TypeUpper(frmMessageEditor& pfrmWindow, const QString& pstrText)
{
    UpperBox(pfrmWindow)->end(false);
    QTest::keyClicks(UpperBox(pfrmWindow), pstrText);
}
inline void TypeLower(frmMessageEditor& pfrmWindow, const QString& pstrText)
{
    LowerBox(pfrmWindow)->moveCursor(QTextCursor::End);
    QTest::keyClicks(LowerBox(pfrmWindow), pstrText);
}

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
    // The same inside a frame, which owns the window and closes it as the main window's does.
    frmMessageEditor* OpenIn(QMdiArea& pobjArea, int32_t plngEditType, const QString& pstrFileName = Q("/lang/x.lrc"))
    {
        auto* objWindow = new frmMessageEditor();
        objWindow->EditType(plngEditType);
        objWindow->FileName(pstrFileName);
        pobjArea.addSubWindow(objWindow)->show();
        pobjArea.show();
        return objWindow;
    }

    clsScriptedDesktop mobjDesktop;
    clsTempDir mobjDir;
};

}  // namespace tralyx::test
