#pragma once
// The "Source" dock of the main window: the source-language texts of the active window's selected
// row, labelled like the editor's boxes, read-only but selectable, and the row's problems in words.
#include <QDockWidget>
#include <QList>
#include <QPair>

class QLabel;
class QPlainTextEdit;

namespace tralyx {

class clsSourceDock : public QDockWidget {
    Q_OBJECT
public:
    explicit clsSourceDock(QWidget* pobjParent);

    // Up to two labelled texts; pstrNote stands in for them when there is no source.
    void ShowRow(const QList<QPair<QString, QString>>& pudtTexts, const QStringList& pstrProblems,
                 const QString& pstrNote = QString());

private:
    QLabel* mlblText[2];
    QPlainTextEdit* mtxtText[2];
    QLabel* mlblProblems;
};

}  // namespace tralyx
