#pragma once
// The frame of the text editor window that holds the current entry's texts: a one-line box
// (txtTitle) and a several-line box (txtMessage), each with its label, for the list columns that the
// kind edits. A box gives back exactly the text it was loaded with (basStoreText.h); a text the box
// cannot show, or the file cannot keep, is shown read-only with the reason in the box's tool-tip.
#include "editor/clsEditorLayout.h"
#include "store/basFileKind.h"

#include <QGroupBox>
#include <memory>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace tralyx {

class clsEditorListModel;
class clsLineSpelling;
class clsSpeller;
class clsSpellHighlighter;
class clsTextFind;

class clsEntryBoxes : public QGroupBox {
    Q_OBJECT
public:
    explicit clsEntryBoxes(QWidget* pobjParent);

    // The boxes and labels of a kind: for procedural text only the several-line box, labelled "Text:".
    void SetKind(enuFileKind penuKind);
    int UpperColumn() const { return mintUpper; }  // the one-line box's column; -1 without that box
    int LowerColumn() const { return mintLower; }
    QWidget* Box(int pintColumn) const;  // nullptr when no box edits that column

    // Shows the texts of an entry of pobjRows, or empty boxes for none (-1).
    void Load(const clsEditorListModel& pobjRows, int32_t plngEntry);
    // Empty, read-only boxes, pstrWhy in their tool-tips: no row to edit.
    void SetEmpty(const QString& pstrWhy);
    // The text of a column's box as stored; a read-only box gives the entry's text as it stands.
    QString Text(int pintColumn) const;

    // Replaces pobjFind in the boxes that hold it and are not read-only, as if typed; false: none did.
    bool Replace(const clsTextFind& pobjFind, const QString& pstrBy);

    // Selects the first match of pobjFind in the boxes (the one-line box first); false: none.
    bool SelectMatch(const clsTextFind& pobjFind);

    // Places the boxes where the layout has them (inside the frame) and their labels left of them.
    void Place(const clsEditorLayout& pudtLayout);

    // Marks misspelt words in the boxes, with suggestions and "Add to Dictionary" in the
    // several-line box's context menu; nullptr: no marks.
    void SetSpeller(std::shared_ptr<clsSpeller> pobjSpeller);

protected:
    bool eventFilter(QObject* pobjWatched, QEvent* pobjEvent) override;

signals:
    void Changed();  // a box's text changed: typing, Cut, Paste, a replace, or a load

private:
    void ShowContextMenu(QWidget* pobjBox, const QPoint& pobjAt);

    QLabel* lblTitle;
    QLineEdit* txtTitle;
    QLabel* lblMessage;
    QPlainTextEdit* txtMessage;
    int mintUpper = 0;
    int mintLower = 1;
    clsSpellHighlighter* mobjSpelling;
    clsLineSpelling* mobjLineSpelling;
    const clsEditorListModel* mobjRows = nullptr;
    int32_t mlngEntry = -1;
};

}  // namespace tralyx
