#include "binding/QtForm.h"

#include "binding/QtControl.h"
#include "binding/QtDesktop.h"
#include "common/basStoreText.h"
#include "common/clsRuntimeError.h"
#include "runtime/basFormTextFile.h"

#include <QFontMetricsF>
#include <QStackedLayout>
#include <QWidget>

namespace tralyx {

bool QtFormLayout(clsForm& pfrmForm, udtFormLayout& pudtLayout);  // QtFormLayout.cpp

namespace {

// The children in the order Qt keeps them, except that the pages of a stack (the tabs of a tab
// widget) come in page order: showing a page moves it to the end of the list, and the walks show
// each page in turn.
QObjectList OrderedChildren(QWidget* pobjParent)
{
    QObjectList objChildren = pobjParent->children();
    if (auto* objStack = qobject_cast<QStackedLayout*>(pobjParent->layout())) {
        QObjectList objOrdered;
        for (int i = 0; i < objStack->count(); ++i)
            if (QWidget* objPage = objStack->widget(i)) objOrdered.append(objPage);
        for (QObject* objChild : objChildren)
            if (!objOrdered.contains(objChild)) objOrdered.append(objChild);
        objChildren = objOrdered;
    }
    return objChildren;
}

void VisitChildren(QWidget* pobjParent, const std::function<void(clsControl&)>& pfnVisit, const std::function<bool(QWidget*)>& pfnTake)
{
    const QObjectList objChildren = OrderedChildren(pobjParent);  // a copy: a visit may change the tree
    for (QObject* objChild : objChildren) {
        auto* objWidget = qobject_cast<QWidget*>(objChild);
        if (!objWidget || objWidget->isWindow()) continue;
        const QString strName = objWidget->objectName();
        if (!strName.isEmpty() && !IsQtOwnName(strName) && (!pfnTake || pfnTake(objWidget))) {
            clsQtControl ctlControl(objWidget);
            pfnVisit(ctlControl);
        }
        // Containers, tab pages and scroll areas hold the application's controls further down.
        VisitChildren(objWidget, pfnVisit, pfnTake);
    }
}

// An application that binds its forms shows its messages on the Qt desktop unless it installs
// another, and its harvests record its forms' layouts.
[[maybe_unused]] const bool gbooQtDesktopByDefault = (UseQtDesktopByDefault(), SetFormLayoutReader(&QtFormLayout), true);

}  // namespace

clsQtForm::clsQtForm(QWidget* pobjForm) : mobjForm(pobjForm) {}
clsQtForm::clsQtForm(QWidget* pobjForm, std::function<bool(QWidget*)> pfnTake) : mobjForm(pobjForm), mfnTake(std::move(pfnTake)) {}

QWidget* clsQtForm::Widget() const { return mobjForm; }

QString clsQtForm::Name() const
{
    if (!mobjForm) throw clsPropertyNotSupported("the form no longer exists");
    return mobjForm->objectName();
}

void clsQtForm::Controls(const std::function<void(clsControl&)>& pfnVisit)
{
    if (mobjForm) VisitChildren(mobjForm, pfnVisit, mfnTake);
}

float clsQtForm::TextWidth(const QString& pstrText) const
{
    if (!mobjForm) throw clsPropertyNotSupported("the form no longer exists");
    // A text of several lines is as wide as its widest line.
    const QFontMetricsF objMetrics(mobjForm->font());
    qreal dblWidest = 0;
    const QStringList strLines = StoreToLines(pstrText).split(u'\n');
    for (const QString& strLine : strLines) dblWidest = qMax(dblWidest, objMetrics.horizontalAdvance(strLine));
    return static_cast<float>(dblWidest * 1440.0 / mobjForm->logicalDpiX());
}

}  // namespace tralyx
