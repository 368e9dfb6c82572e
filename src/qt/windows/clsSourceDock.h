#pragma once
// The "Source" dock of the main window: the source-language texts of the active window's selected
// row, labelled like the editor's boxes, read-only but selectable, and the row's problems in words.
#include <QDockWidget>
#include <QList>
#include <QPair>

class QLabel;
class QMainWindow;
class QPlainTextEdit;

namespace tralyx {

class frmMessageEditor;

class clsSourceDock : public QDockWidget {
    Q_OBJECT
public:
    explicit clsSourceDock(QMainWindow* pobjParent);

    // The selected row of an editor window, or nothing.
    void ShowEditor(const frmMessageEditor* pfrmEditor);
    // Shows the dock beside pobjFrame, the main window's central widget, taking its room beside the
    // frame rather than from it: a main window that is not maximised grows by the dock's width, as
    // far as its screen allows, so the text windows keep theirs.
    void ShowBeside(const QWidget& pobjFrame);

    // Up to two labelled texts; pstrNote stands in for them when there is no source.
    void ShowRow(const QList<QPair<QString, QString>>& pudtTexts, const QStringList& pstrProblems,
                 const QString& pstrNote = QString());

private:
    QLabel* mlblText[2];
    QPlainTextEdit* mtxtText[2];
    QLabel* mlblProblems;
};

}  // namespace tralyx
