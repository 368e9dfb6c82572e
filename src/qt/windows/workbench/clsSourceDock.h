#pragma once
// The "Source" dock of the main window: the source-language texts of the active window's selected
// row, labelled like the editor's boxes, read-only but selectable, and the row's problems in words;
// for a row to review the source it was translated from beside the source now, differences marked;
// the translator's note on the row; the translation memory's suggestions for it; and the glossary's
// terms in its source.
#include <QDockWidget>
#include <QList>
#include <QPair>
#include <QPointer>

class QLabel;
class QMainWindow;
class QPlainTextEdit;
class QTextBrowser;

namespace tralyx {

class frmMessageEditor;

class clsSourceDock : public QDockWidget {
    Q_OBJECT
public:
    explicit clsSourceDock(QMainWindow* pobjParent);

    // The selected row of an editor window, or nothing.
    void ShowEditor(frmMessageEditor* pfrmEditor);
    // The room the row's caption leaves in its control, as typed.
    void ShowFit(const frmMessageEditor* pfrmEditor);
    // What the note box holds becomes the row's note (also when the box loses the focus).
    void CommitNote();
    // Shows the dock beside pobjFrame, the main window's central widget, taking its room beside the
    // frame rather than from it: with pbooWiden, a main window that is not maximised grows by the
    // dock's width, as far as its screen allows, so the text windows keep theirs.
    void ShowBeside(const QWidget& pobjFrame, bool pbooWiden);

    // Up to two labelled texts; pstrNote stands in for them when there is no source.
    void ShowRow(const QList<QPair<QString, QString>>& pudtTexts, const QStringList& pstrProblems,
                 const QString& pstrNote = QString());

protected:
    bool eventFilter(QObject* pobjWatched, QEvent* pobjEvent) override;

private:
    void ShowReview(const frmMessageEditor* pfrmEditor);
    void ShowSuggestions(frmMessageEditor* pfrmEditor);
    void ShowNote(frmMessageEditor* pfrmEditor);
    void ShowTerms(frmMessageEditor* pfrmEditor);
    // Ctrl+C and the context menu of a source text copy its selection; true: the event was taken.
    bool SourceTextEvent(QPlainTextEdit* txtText, QEvent* pobjEvent);

    QLabel* mlblText[2];
    QPlainTextEdit* mtxtText[2];
    QLabel* mlblProblems;
    QLabel* mlblFit;
    QLabel* mlblReview;
    QLabel* mlblNote;
    QPlainTextEdit* mtxtNote;
    QLabel* mlblSuggestions;
    QTextBrowser* mtxtSuggestions;
    QLabel* mlblTerms;
    QTextBrowser* mtxtTerms;
    QPointer<frmMessageEditor> mfrmSuggestionsOf;  // the editor whose suggestions and terms are listed
    QPointer<frmMessageEditor> mfrmNoteOf;  // the note box's editor and row
    int32_t mlngNoteRow = -1;
};

}  // namespace tralyx
