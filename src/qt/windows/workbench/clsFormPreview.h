#pragma once
// View > Form Preview: the selected row's form drawn from the layout harvested with the English,
// each control's text in its place as the translation has it, the row's control highlighted and
// every text that does not fit marked.
#include "windows/editor/frmMessageEditor.h"

#include <QDockWidget>

class QLabel;

namespace tralyx {

class clsFormCanvas : public QWidget {
public:
    explicit clsFormCanvas(QWidget* pobjParent);
    void Show(frmMessageEditor::udtFormPreview pudtForm);
    const frmMessageEditor::udtFormPreview& Shown() const { return mudtForm; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* pobjEvent) override;

private:
    frmMessageEditor::udtFormPreview mudtForm;
};

class clsFormPreview : public QDockWidget {
    Q_OBJECT
public:
    explicit clsFormPreview(QWidget* pobjParent);
    // The row of the editor (null: none) drawn again; nothing is drawn while the dock is hidden.
    void ShowEditor(const frmMessageEditor* pfrmEditor);
    const clsFormCanvas& Canvas() const { return *mobjCanvas; }

private:
    clsFormCanvas* mobjCanvas;
    QLabel* mlblNone;
    const frmMessageEditor* mfrmLast = nullptr;
};

}  // namespace tralyx
