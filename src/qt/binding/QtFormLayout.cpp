// A Qt form's layout, read from its widgets as they are when the English is harvested: what the
// check of whether a translation fits measures against.
#include "binding/QtControl.h"
#include "binding/QtForm.h"
#include "runtime/basControlIndex.h"
#include "store/udtFormLayout.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QCoreApplication>
#include <QLayout>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QTabWidget>

namespace tralyx {
namespace {

udtLayoutFont FontOf(const QWidget* pobjWidget)
{
    const QFont objFont = pobjWidget->font();
    udtLayoutFont udtFont;
    // The family the application really draws with, not the one asked for ("Sans Serif").
    udtFont.Family = QFontInfo(objFont).family();
    udtFont.PointSize = objFont.pointSizeF() > 0 ? objFont.pointSizeF() : objFont.pixelSize() * 72.0 / pobjWidget->logicalDpiY();
    udtFont.Weight = objFont.weight();
    udtFont.Italic = objFont.italic();
    return udtFont;
}

// What the style adds around a text of a button's kind: the size it asks for a wide text, less
// that text's width (a wide one, so that no minimum width hides the frame).
int ButtonFrame(const QAbstractButton* pobjButton, QStyle::ContentsType penuType)
{
    QStyleOptionButton udtOption;
    udtOption.initFrom(pobjButton);
    udtOption.text = pobjButton->text();
    constexpr int Wide = 1000;
    const QSize objSize(Wide, pobjButton->fontMetrics().height());
    return pobjButton->style()->sizeFromContents(penuType, &udtOption, objSize, pobjButton).width() - Wide;
}

// The tab whose page holds the widget, nearest first ("tabMain.1"); empty when none has a name.
QString PageOf(const QWidget* pobjWidget, const QWidget* pobjForm)
{
    for (const QWidget* objAt = pobjWidget; objAt && objAt != pobjForm; objAt = objAt->parentWidget()) {
        const QWidget* objStack = objAt->parentWidget();
        auto* objTabs = objStack ? qobject_cast<const QTabWidget*>(objStack->parentWidget()) : nullptr;
        if (!objTabs || objTabs->indexOf(const_cast<QWidget*>(objAt)) < 0) continue;
        if (objTabs->objectName().isEmpty()) return QString();
        return objTabs->objectName() + u'.' + QString::number(objTabs->indexOf(const_cast<QWidget*>(objAt)));
    }
    return QString();
}

void AddControl(QWidget* pobjForm, clsQtControl& pctlControl, QVector<udtControlLayout>& pudtOut)
{
    QWidget* objWidget = pctlControl.Widget();
    udtControlLayout u;
    const QString strName = pctlControl.Name();
    u.Entry = strName + u'.' + QString::number(StoredIndex(pctlControl));
    const QRect objRect(objWidget->mapTo(pobjForm, QPoint(0, 0)), objWidget->size());
    u.X = objRect.x();
    u.Y = objRect.y();
    u.Width = objRect.width();
    u.Height = objRect.height();
    u.Font = FontOf(objWidget);
    u.RoomHeight = u.Height;
    u.Page = PageOf(objWidget, pobjForm);
    // A layout gives a longer text more room, as far as the form's edge.
    u.Widens = pctlControl.LaidOut();
    if (auto* objLabel = qobject_cast<QLabel*>(objWidget)) {
        u.Kind = enuLayoutKind::Label;
        const int lngIndent = qMax(0, objLabel->indent());
        const QRect objContents = objLabel->contentsRect().adjusted(objLabel->margin(), objLabel->margin(), -objLabel->margin(), -objLabel->margin());
        u.RoomWidth = objContents.width() - lngIndent;
        u.RoomHeight = objContents.height();
        u.Wrap = objLabel->wordWrap();
    } else if (auto* objButton = qobject_cast<QPushButton*>(objWidget)) {
        u.Kind = enuLayoutKind::Button;
        u.RoomWidth = u.Width - ButtonFrame(objButton, QStyle::CT_PushButton);
    } else if (auto* objCheck = qobject_cast<QCheckBox*>(objWidget)) {
        u.Kind = enuLayoutKind::CheckBox;
        u.RoomWidth = u.Width - ButtonFrame(objCheck, QStyle::CT_CheckBox);
        u.Widens = true;  // by the run-time where no layout does
    } else if (auto* objOption = qobject_cast<QRadioButton*>(objWidget)) {
        u.Kind = enuLayoutKind::OptionButton;
        u.RoomWidth = u.Width - ButtonFrame(objOption, QStyle::CT_RadioButton);
        u.Widens = true;  // by the run-time where no layout does
    } else if (auto* objGroup = qobject_cast<QGroupBox*>(objWidget)) {
        u.Kind = enuLayoutKind::Frame;
        QStyleOptionGroupBox udtOption;
        udtOption.initFrom(objGroup);
        udtOption.text = objGroup->title();
        udtOption.subControls = QStyle::SC_GroupBoxLabel;
        const QRect objLabel = objGroup->style()->subControlRect(QStyle::CC_GroupBox, &udtOption, QStyle::SC_GroupBoxLabel, objGroup);
        // The label starts where the style puts it; the title may run to the frame's far edge.
        u.RoomWidth = u.Width - qMax(0, objLabel.x()) * 2;
        u.RoomHeight = objLabel.height();
    } else if (auto* objTabs = qobject_cast<QTabWidget*>(objWidget)) {
        // Tabs share the control's width; each of them has its own entry.
        const QTabBar* objBar = objTabs->tabBar();
        const int lngTabs = objTabs->count();
        for (int i = 0; i < lngTabs && i <= 255; ++i) {
            udtControlLayout udtTab = u;
            udtTab.Kind = enuLayoutKind::Tab;
            udtTab.Entry = strName + u'.' + QString::number(i);
            const QRect objTab(objBar->mapTo(pobjForm, objBar->tabRect(i).topLeft()), objBar->tabRect(i).size());
            udtTab.Width = u.Width / lngTabs;
            udtTab.X = u.X + i * udtTab.Width;
            udtTab.Y = objTab.y();
            udtTab.Height = objTab.height();
            const int lngFrame = objTab.width() - objBar->fontMetrics().horizontalAdvance(QString(objBar->tabText(i)).remove(u'&'));
            udtTab.RoomWidth = udtTab.Width - lngFrame;
            udtTab.RoomHeight = objTab.height();
            pudtOut.append(udtTab);
        }
        return;
    } else {
        return;  // text boxes, lists, tool bars: nothing of theirs is measured
    }
    pudtOut.append(u);
}

// The pages of a stack (a tab widget's) that are not showing have not been laid out: each gets the
// size the current one has, and its layouts, top down, place its controls as showing it would.
void LayOutPages(QWidget* pobjWidget, bool pbooHidden)
{
    if (pbooHidden) {
        pobjWidget->ensurePolished();
        if (QLayout* objLayout = pobjWidget->layout()) {
            objLayout->activate();
            objLayout->setGeometry(pobjWidget->testAttribute(Qt::WA_LayoutOnEntireRect) ? pobjWidget->rect() : pobjWidget->contentsRect());
        }
    }
    auto* objStack = qobject_cast<QStackedWidget*>(pobjWidget);
    for (QObject* objChild : pobjWidget->children()) {
        auto* objWidget = qobject_cast<QWidget*>(objChild);
        if (!objWidget || objWidget->isWindow()) continue;
        const bool booPage = objStack && objStack->indexOf(objWidget) >= 0 && objWidget != objStack->currentWidget();
        if (booPage && objStack->currentWidget()) objWidget->setGeometry(objStack->currentWidget()->geometry());
        LayOutPages(objWidget, pbooHidden || booPage);
    }
}

}  // namespace

// The reader the harvest asks (installed by QtForm.cpp).
bool QtFormLayout(clsForm& pfrmForm, udtFormLayout& pudtLayout)
{
    auto* pfrmQt = dynamic_cast<clsQtForm*>(&pfrmForm);
    QWidget* objForm = pfrmQt ? pfrmQt->Widget() : nullptr;
    if (!objForm) return false;
    // A window harvested before it was ever shown (as a harvest run of the application does) is
    // shown off the screen for the while, so that it has the sizes it will have.
    const bool booShown = objForm->isVisible();
    if (!booShown) {
        objForm->setAttribute(Qt::WA_DontShowOnScreen, true);
        objForm->show();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    }
    LayOutPages(objForm, false);
    pudtLayout = udtFormLayout();
    pudtLayout.Form = objForm->objectName();
    pudtLayout.Width = objForm->width();
    pudtLayout.Height = objForm->height();
    pudtLayout.Dpi = objForm->logicalDpiX();
    pfrmQt->Controls([&](clsControl& pctlControl) {
        auto& ctlQt = static_cast<clsQtControl&>(pctlControl);
        if (ctlQt.Widget()) AddControl(objForm, ctlQt, pudtLayout.Controls);
    });
    if (!booShown) {
        objForm->hide();
        objForm->setAttribute(Qt::WA_DontShowOnScreen, false);
    }
    return true;
}

}  // namespace tralyx
