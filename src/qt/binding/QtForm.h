#pragma once
// A top-level QWidget seen as a form of the run-time face:
//
//     tralyx::clsQtForm frm(this);
//     gobjLanguage.SetFormText(frm);
//
// Name is the widget's objectName. Controls are its descendant widgets with an objectName, depth
// first, each parent's children in the order Qt keeps them (the order they were given to it, which
// raise() and lower() change), the pages of a tab widget in tab order; Qt's own inner parts (names
// beginning "qt_", "__qt__" or "_q_") and separate windows (dialogs, menus) are not controls of this
// form. TextWidth measures with the form's font, in twips at the screen's logical DPI.
#include "runtime/clsForm.h"

#include <QPointer>
#include <functional>

class QWidget;

namespace tralyx {

class clsQtForm : public clsForm {
public:
    explicit clsQtForm(QWidget* pobjForm);
    // Only the controls pfnTake takes (their children are looked at all the same).
    clsQtForm(QWidget* pobjForm, std::function<bool(QWidget*)> pfnTake);

    QString Name() const override;
    void Controls(const std::function<void(clsControl&)>& pfnVisit) override;
    float TextWidth(const QString& pstrText) const override;

    QWidget* Widget() const;

private:
    QPointer<QWidget> mobjForm;
    std::function<bool(QWidget*)> mfnTake;
};

}  // namespace tralyx
