#pragma once
// The Code Page menu: the code pages the files opened from now on are read in, one of them checked.
#include <QMenu>

class QActionGroup;

namespace tralyx {

class clsCodePageMenu : public QMenu {
    Q_OBJECT
public:
    clsCodePageMenu(const QString& pstrChecked, QWidget* pobjParent);

signals:
    void Chosen(const QString& pstrName);
};

}  // namespace tralyx
