#pragma once
// Edit > Concordance Search...: every unit of the active window's translation memory that holds a
// word or phrase, in its source, its translation or either, with the file and the entry it came
// from and what was found marked. A result's translation goes into the window's translation box
// at its cursor, as typing, or onto the clipboard. A tool window: it stays open while the user works.
#include "memory/clsTranslationMemory.h"

#include <QDialog>
#include <functional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QTimer;
class QTreeWidget;

namespace tralyx {

class frmMessageEditor;

class frmConcordance : public QDialog {
    Q_OBJECT
public:
    // pfnEditor gives the active editor window, whose memory is searched.
    frmConcordance(std::function<frmMessageEditor*()> pfnEditor, QWidget* pobjParent);

    // In front with the focus in its box; searches for pstrText, or with none for the box's text
    // again (the active window and its memory may have changed).
    void Open(const QString& pstrText = QString());
    void Search();
    void cmdInsert_Click();  // the selected result's translation into the window's box
    void cmdCopy_Click();    // onto the clipboard

protected:
    bool eventFilter(QObject* pobjWatched, QEvent* pobjEvent) override;

private:
    const udtConcordanceHit* SelectedHit() const;

    std::function<frmMessageEditor*()> mfnEditor;
    QLineEdit* txtFind;
    QComboBox* cboSide;
    QLabel* lblCount;
    QTreeWidget* lvwHits;
    QTimer* tmrTyping;  // a pause in typing searches
    std::vector<udtConcordanceHit> mudtHits;  // as listed
};

}  // namespace tralyx
