#pragma once
// The main window's toolbar: Open, Save, Cut, Copy, Paste and the commit button ("Save changes"),
// each known by its key, which a click reports.
#include <QToolBar>

namespace tralyx {

class clsToolBar : public QToolBar {
    Q_OBJECT
public:
    explicit clsToolBar(QWidget* pobjParent);

    QList<QAction*> Buttons() const;  // without the separators
    static QString KeyOf(const QAction* pobjButton);

signals:
    void ButtonClick(QAction* pobjButton);
};

}  // namespace tralyx
