#include "binding/QtControl.h"

#include "common/basStoreText.h"
#include "common/clsRuntimeError.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QComboBox>
#include <QTableWidget>
#include <QTreeWidget>
#include <QTabWidget>
#include <QToolBar>
#include <QDockWidget>
#include <QTextEdit>
#include <limits>

namespace tralyx {
clsQtControl::clsQtControl(QWidget* pobjWidget) : mobjWidget(pobjWidget), menuKind(KindOf(pobjWidget)) {}

enuControlKind clsQtControl::KindOf(const QWidget* pobjWidget)
{
    if (!pobjWidget) return enuControlKind::Other;
    if (qobject_cast<const QLineEdit*>(pobjWidget) || qobject_cast<const QTextEdit*>(pobjWidget) ||
        qobject_cast<const QPlainTextEdit*>(pobjWidget))
        return enuControlKind::TextBox;
    if (qobject_cast<const QLabel*>(pobjWidget)) return enuControlKind::Label;
    if (qobject_cast<const QPushButton*>(pobjWidget)) return enuControlKind::CommandButton;
    if (qobject_cast<const QCheckBox*>(pobjWidget)) return enuControlKind::CheckBox;
    if (qobject_cast<const QRadioButton*>(pobjWidget)) return enuControlKind::OptionButton;
    // A combo box's items, a tree or table widget's column headers are numbered as tabs are.
    if (qobject_cast<const QTabWidget*>(pobjWidget) || qobject_cast<const QComboBox*>(pobjWidget) ||
        qobject_cast<const QTreeWidget*>(pobjWidget) || qobject_cast<const QTableWidget*>(pobjWidget))
        return enuControlKind::TabControl;
    // A tool bar's or a dock's title is a caption as a group box's is.
    if (qobject_cast<const QGroupBox*>(pobjWidget) || qobject_cast<const QToolBar*>(pobjWidget) ||
        qobject_cast<const QDockWidget*>(pobjWidget))
        return enuControlKind::Frame;
    return enuControlKind::Other;
}

QWidget* clsQtControl::Checked() const
{
    if (!mobjWidget) throw clsPropertyNotSupported("the widget no longer exists");
    return mobjWidget;
}

QTabWidget* clsQtControl::CheckedTabs() const { return qobject_cast<QTabWidget*>(CheckedNumbered()); }

QWidget* clsQtControl::CheckedNumbered() const
{
    QWidget* objWidget = Checked();
    if (!qobject_cast<QTabWidget*>(objWidget) && !qobject_cast<QComboBox*>(objWidget) && !qobject_cast<QTreeWidget*>(objWidget) &&
        !qobject_cast<QTableWidget*>(objWidget))
        throw clsPropertyNotSupported("Tab (not a tab control)");
    return objWidget;
}

namespace {

// A tree or table widget's header item of a column, made where the widget has none yet.
QTableWidgetItem* TableHeader(QTableWidget* pobjTable, int plngColumn)
{
    if (!pobjTable->horizontalHeaderItem(plngColumn)) pobjTable->setHorizontalHeaderItem(plngColumn, new QTableWidgetItem());
    return pobjTable->horizontalHeaderItem(plngColumn);
}

}  // namespace

int clsQtControl::Count() const
{
    QWidget* objWidget = CheckedNumbered();
    if (auto* objTabs = qobject_cast<QTabWidget*>(objWidget)) return objTabs->count();
    if (auto* objTree = qobject_cast<QTreeWidget*>(objWidget)) return objTree->columnCount();
    if (auto* objTable = qobject_cast<QTableWidget*>(objWidget)) return objTable->columnCount();
    return static_cast<QComboBox*>(objWidget)->count();
}

int clsQtControl::Current() const
{
    QWidget* objWidget = CheckedNumbered();
    if (auto* objTabs = qobject_cast<QTabWidget*>(objWidget)) return objTabs->currentIndex();
    if (auto* objCombo = qobject_cast<QComboBox*>(objWidget)) return objCombo->currentIndex();
    return 0;  // a header has no selection
}

QString clsQtControl::ItemText(int plngItem, bool pbooToolTip) const
{
    QWidget* objWidget = CheckedNumbered();
    if (auto* objTree = qobject_cast<QTreeWidget*>(objWidget))
        return pbooToolTip ? objTree->headerItem()->toolTip(plngItem) : objTree->headerItem()->text(plngItem);
    if (auto* objTable = qobject_cast<QTableWidget*>(objWidget)) {
        const QTableWidgetItem* objItem = objTable->horizontalHeaderItem(plngItem);
        return !objItem ? QString() : pbooToolTip ? objItem->toolTip() : objItem->text();
    }
    auto* objCombo = static_cast<QComboBox*>(objWidget);
    return pbooToolTip ? (plngItem == 0 ? objCombo->toolTip() : QString()) : objCombo->itemText(plngItem);
}

void clsQtControl::SetItemText(int plngItem, bool pbooToolTip, const QString& pstrText)
{
    QWidget* objWidget = CheckedNumbered();
    if (auto* objTree = qobject_cast<QTreeWidget*>(objWidget)) {
        if (pbooToolTip) objTree->headerItem()->setToolTip(plngItem, pstrText);
        else objTree->headerItem()->setText(plngItem, pstrText);
    } else if (auto* objTable = qobject_cast<QTableWidget*>(objWidget)) {
        if (pbooToolTip) TableHeader(objTable, plngItem)->setToolTip(pstrText);
        else TableHeader(objTable, plngItem)->setText(pstrText);
    } else if (auto* objCombo = static_cast<QComboBox*>(objWidget); !pbooToolTip) {
        objCombo->setItemText(plngItem, pstrText);
    } else if (plngItem == 0) {
        objCombo->setToolTip(pstrText);  // a combo box's own, on its item 0's entry
    }
}

int clsQtControl::AddressedTab() const { return mintAddressedTab.value_or(Current()); }

QWidget* clsQtControl::Widget() const { return mobjWidget; }

QString clsQtControl::Name() const { return Checked()->objectName(); }

std::optional<int32_t> clsQtControl::Index() const
{
    const QVariant varIndex = Checked()->property("Index");
    if (!varIndex.isValid()) return std::nullopt;
    bool booNumber = false;
    const qlonglong lngIndex = varIndex.toLongLong(&booNumber);
    if (!booNumber || lngIndex < std::numeric_limits<int32_t>::min() || lngIndex > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(lngIndex);
}

QString clsQtControl::Caption() const
{
    QWidget* objWidget = Checked();
    switch (menuKind) {
    case enuControlKind::Label: return LinesToStore(static_cast<QLabel*>(objWidget)->text());
    case enuControlKind::CommandButton:
    case enuControlKind::CheckBox:
    case enuControlKind::OptionButton: return LinesToStore(static_cast<QAbstractButton*>(objWidget)->text());
    case enuControlKind::Frame:
        if (auto* objGroup = qobject_cast<QGroupBox*>(objWidget)) return LinesToStore(objGroup->title());
        return LinesToStore(objWidget->windowTitle());
    case enuControlKind::TabControl:
        if (QTabWidget* objTabs = CheckedTabs()) return LinesToStore(objTabs->tabText(AddressedTab()));
        return LinesToStore(ItemText(AddressedTab(), false));
    case enuControlKind::TextBox:
    case enuControlKind::Other: break;
    }
    throw clsPropertyNotSupported("Caption");
}

void clsQtControl::SetCaption(const QString& pstrCaption)
{
    QWidget* objWidget = Checked();
    const QString strText = StoreToLines(pstrCaption);
    switch (menuKind) {
    case enuControlKind::Label: static_cast<QLabel*>(objWidget)->setText(strText); return;
    case enuControlKind::CommandButton:
    case enuControlKind::CheckBox:
    case enuControlKind::OptionButton: static_cast<QAbstractButton*>(objWidget)->setText(strText); return;
    case enuControlKind::Frame:
        if (auto* objGroup = qobject_cast<QGroupBox*>(objWidget)) objGroup->setTitle(strText);
        else objWidget->setWindowTitle(strText);
        return;
    case enuControlKind::TabControl:
        if (QTabWidget* objTabs = CheckedTabs()) objTabs->setTabText(AddressedTab(), strText);
        else SetItemText(AddressedTab(), false, strText);
        return;
    case enuControlKind::TextBox:
    case enuControlKind::Other: break;
    }
    throw clsPropertyNotSupported("Caption");
}

// A tab's or a header's own tool-tip; a combo box's is that of its first item's entry.
QString clsQtControl::ToolTipText() const
{
    if (menuKind != enuControlKind::TabControl) return LinesToStore(Checked()->toolTip());
    if (QTabWidget* objTabs = CheckedTabs()) return LinesToStore(objTabs->tabToolTip(AddressedTab()));
    return LinesToStore(ItemText(AddressedTab(), true));
}

void clsQtControl::SetToolTipText(const QString& pstrToolTip)
{
    if (menuKind != enuControlKind::TabControl) return Checked()->setToolTip(StoreToLines(pstrToolTip));
    if (QTabWidget* objTabs = CheckedTabs()) objTabs->setTabToolTip(AddressedTab(), StoreToLines(pstrToolTip));
    else SetItemText(AddressedTab(), true, StoreToLines(pstrToolTip));
}

QString clsQtControl::Placeholder() const
{
    QWidget* objWidget = Checked();
    if (auto* objLine = qobject_cast<QLineEdit*>(objWidget)) return LinesToStore(objLine->placeholderText());
    if (auto* objText = qobject_cast<QTextEdit*>(objWidget)) return LinesToStore(objText->placeholderText());
    if (auto* objPlain = qobject_cast<QPlainTextEdit*>(objWidget)) return LinesToStore(objPlain->placeholderText());
    return QString();
}

void clsQtControl::SetPlaceholder(const QString& pstrText)
{
    QWidget* objWidget = Checked();
    const QString strText = StoreToLines(pstrText);
    if (auto* objLine = qobject_cast<QLineEdit*>(objWidget)) objLine->setPlaceholderText(strText);
    else if (auto* objText = qobject_cast<QTextEdit*>(objWidget)) objText->setPlaceholderText(strText);
    else if (auto* objPlain = qobject_cast<QPlainTextEdit*>(objWidget)) objPlain->setPlaceholderText(strText);
}

void clsQtControl::SetWidth(float psngWidth)
{
    QWidget* objWidget = Checked();
    const int lngPixels = qMax(0, qRound(psngWidth * objWidget->logicalDpiX() / 1440.0));
    // A layout would shrink a resized widget back to its size hint; the minimum holds.
    objWidget->setMinimumWidth(lngPixels);
    objWidget->resize(lngPixels, objWidget->height());
}

namespace {

bool HoldsWidget(const QLayout* pobjLayout, const QWidget* pobjWidget)
{
    for (int i = 0; i < pobjLayout->count(); ++i) {
        QLayoutItem* objItem = pobjLayout->itemAt(i);
        if (objItem->widget() == pobjWidget || (objItem->layout() && HoldsWidget(objItem->layout(), pobjWidget))) return true;
    }
    return false;
}

}  // namespace

bool clsQtControl::LaidOut() const
{
    const QWidget* objParent = Checked()->parentWidget();
    return objParent && objParent->layout() && HoldsWidget(objParent->layout(), mobjWidget);
}

int16_t clsQtControl::Tab() const { return static_cast<int16_t>(Current()); }

void clsQtControl::SetTab(int16_t pintTab)
{
    QWidget* objWidget = CheckedNumbered();
    if (pintTab >= Count()) throw clsRuntimeError(380, "Invalid property value: tab " + std::to_string(pintTab));
    {
        // The application is not told about a selection the classic walks make and undo.
        const QSignalBlocker objBlock(objWidget);
        if (auto* objTabs = qobject_cast<QTabWidget*>(objWidget)) objTabs->setCurrentIndex(pintTab);
        else if (auto* objCombo = qobject_cast<QComboBox*>(objWidget)) objCombo->setCurrentIndex(pintTab);
    }
    mintAddressedTab = pintTab;
}

void clsQtControl::AddressTab(int16_t pintTab)
{
    if (pintTab >= Count()) throw clsRuntimeError(380, "Invalid property value: tab " + std::to_string(pintTab));
    mintAddressedTab = pintTab;
}

int16_t clsQtControl::Tabs() const { return static_cast<int16_t>(qMin<qsizetype>(Count(), std::numeric_limits<int16_t>::max())); }

}  // namespace tralyx
