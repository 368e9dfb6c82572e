// The part of Translation that works on widgets: applying a language to windows, showing its
// messages, harvesting a window's texts.
#include "binding/QtDesktop.h"
#include "binding/QtForm.h"
#include "common/basApplication.h"
#include "common/basStoreText.h"
#include "runtime/Translation.h"
#include "runtime/basFormTextFile.h"
#include "runtime/udtLoadedLanguages.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>

namespace tralyx {
namespace {

[[maybe_unused]] const bool gbooQtDesktopByDefault = (UseQtDesktopByDefault(), true);

// The load whose texts apply() last put on a window, a widget, a menu or an action.
const char* const AppliedProperty = "_tralyx_applied";

// A menu's or action's name, or empty for one without a name of its own.
QString NameOf(const QObject* pobjObject)
{
    const QString strName = pobjObject->objectName();
    return IsQtOwnName(strName) ? QString() : strName;
}

// The control-array index of a menu or an action, as clsQtControl reads a widget's.
uint8_t IndexOf(const QObject* pobjObject)
{
    bool booNumber = false;
    const int lngIndex = pobjObject->property("Index").toInt(&booNumber);
    return booNumber && lngIndex >= 0 && lngIndex <= 255 ? static_cast<uint8_t>(lngIndex) : 0;
}

// Whether the menu or action is part of the window: the first window above it that is not a menu.
bool BelongsTo(const QObject* pobjObject, const QWidget* pobjWindow)
{
    for (const QObject* objUp = pobjObject->parent(); objUp; objUp = objUp->parent()) {
        if (objUp == pobjWindow) return true;
        const auto* objWidget = qobject_cast<const QWidget*>(objUp);
        if (objWidget && objWidget->isWindow() && !qobject_cast<const QMenu*>(objWidget)) return false;
    }
    return false;
}

// Calls pfnVisit(object, name) for the window's named menus and then its named actions, those of
// its menus included (a menu's own action stands for the menu and has no name).
template <class Fn>
void ForEachMenuAndAction(QWidget* pobjWindow, Fn pfnVisit)
{
    for (QMenu* objMenu : pobjWindow->findChildren<QMenu*>())
        if (const QString strName = NameOf(objMenu); !strName.isEmpty() && BelongsTo(objMenu, pobjWindow)) pfnVisit(objMenu, strName);
    for (QAction* objAction : pobjWindow->findChildren<QAction*>())
        if (const QString strName = NameOf(objAction); !strName.isEmpty() && BelongsTo(objAction, pobjWindow))
            pfnVisit(objAction, strName);
}

// The tool-tip set on the action, or empty where it shows Qt's own, made from its text or, without
// one, its icon text: that one follows the text and is no text to translate. (text() of an action
// with an icon text alone is made from that, so both are tried.)
QString ExplicitToolTip(const QAction* pobjAction)
{
    const QString strToolTip = pobjAction->toolTip();
    QAction objFromText, objFromIconText;
    objFromText.setText(pobjAction->text());
    objFromIconText.setIconText(pobjAction->iconText());
    return strToolTip == objFromText.toolTip() || strToolTip == objFromIconText.toolTip() ? QString() : strToolTip;
}

}  // namespace

void Translation::apply(QWidget* window)
{
    const std::shared_ptr<const udtLoadedLanguages> objState = state();
    if (!window || !objState) return;
    const udtLoadedLanguages& udtState = *objState;
    const QString strForm = window->objectName();
    // A window applied with this language already gets only what it did not have then (widgets,
    // menus and actions made since), so that texts the application set since stay, and no second
    // LanguageChange. An apply() from changeEvent() (retranslateUi() may have just reset the
    // texts) puts every text back.
    const QVariant varLoad(static_cast<qulonglong>(udtState.Serial));
    const bool booAgain = !mbooSending && window->property(AppliedProperty) == varLoad;
    const auto Take = [&](QObject* pobjObject) {
        if (booAgain && pobjObject->property(AppliedProperty) == varLoad) return false;
        pobjObject->setProperty(AppliedProperty, varLoad);
        return true;
    };
    udtFoundTexts udtFound;
    const auto Find = [&](const QString& pstrControl, uint8_t pbytIndex) {
        return findTexts(udtState, strForm, pstrControl, pbytIndex, udtFound);
    };

    clsQtForm frmWindow(window, [&](QWidget* pobjWidget) { return Take(pobjWidget); });
    applyControls(udtState, frmWindow);
    if (!booAgain && Find(WindowTitleEntry(), 0) && udtFound.HasCaption) window->setWindowTitle(StoreToLines(udtFound.Texts.Caption));
    ForEachMenuAndAction(window, [&](QObject* pobjObject, const QString& pstrName) {
        if (!Take(pobjObject) || !Find(pstrName, IndexOf(pobjObject))) return;
        if (auto* objMenu = qobject_cast<QMenu*>(pobjObject)) {
            if (udtFound.HasCaption) objMenu->setTitle(StoreToLines(udtFound.Texts.Caption));
            return;
        }
        auto* objAction = static_cast<QAction*>(pobjObject);
        if (udtFound.HasCaption) objAction->setText(StoreToLines(udtFound.Texts.Caption));
        if (udtFound.HasToolTip) objAction->setStatusTip(StoreToLines(udtFound.Texts.ToolTip));
        if (Find(ToolTipEntry() + pstrName, IndexOf(pobjObject)) && udtFound.HasToolTip)
            objAction->setToolTip(StoreToLines(udtFound.Texts.ToolTip));
    });

    // changeEvent() code may call apply() again: the event already goes to the whole window.
    if (mbooSending || booAgain) return;
    window->setProperty(AppliedProperty, varLoad);
    mbooSending = true;
    QEvent objEvent(QEvent::LanguageChange);
    QCoreApplication::sendEvent(window, &objEvent);
    mbooSending = false;
}

void Translation::applyAll()
{
    for (QWidget* objWindow : QApplication::topLevelWidgets())
        if (!qobject_cast<QMenu*>(objWindow)) apply(objWindow);
}

int Translation::showMessageBox(QWidget* parent, int id, const QString& value, int buttons, int icon) const
{
    const QString strTitle = title(id, value);
    QMessageBox objBox(static_cast<QMessageBox::Icon>(icon), strTitle.isEmpty() ? App::Title() : StoreToLines(strTitle),
                       StoreToLines(message(id, value)), QMessageBox::StandardButtons::fromInt(buttons), parent);
    // Messages come from language files as plain text; "<" in one must not switch it to HTML.
    objBox.setTextFormat(Qt::PlainText);
    return objBox.exec();
}

bool Translation::harvest(QWidget* window, const QString& folder, QString* error, QStringList* notKept) const
{
    if (!window) return writeFormFile(nullptr, QString(), {}, folder, error, notKept);
    QVector<udtMenuText> udtMenus;
    ForEachMenuAndAction(window, [&](QObject* pobjObject, const QString& pstrName) {
        if (auto* objMenu = qobject_cast<QMenu*>(pobjObject))
            return udtMenus.append({pstrName, IndexOf(pobjObject), true, LinesToStore(objMenu->title()), QString(), QString()});
        auto* objAction = static_cast<QAction*>(pobjObject);
        udtMenus.append({pstrName, IndexOf(pobjObject), false, LinesToStore(objAction->text()),
                         LinesToStore(objAction->statusTip()), LinesToStore(ExplicitToolTip(objAction))});
    });
    clsQtForm frmWindow(window);
    return writeFormFile(&frmWindow, LinesToStore(window->windowTitle()), udtMenus, folder, error, notKept);
}

}  // namespace tralyx
