#include "harvest/clsUiControl.h"

#include "common/clsRuntimeError.h"

#include <algorithm>
#include <limits>

namespace tralyx {

bool udtUiWidget::IsWindow() const
{
    static const QStringList Windows = {QStringLiteral("QMenu"), QStringLiteral("QDialog"), QStringLiteral("QWizard"),
                                        QStringLiteral("QMessageBox"), QStringLiteral("QFileDialog"), QStringLiteral("QColorDialog"),
                                        QStringLiteral("QFontDialog"), QStringLiteral("QInputDialog"), QStringLiteral("QProgressDialog"),
                                        QStringLiteral("QErrorMessage")};
    return Windows.contains(Class);
}

clsUiControl::clsUiControl(udtUiWidget& pudtWidget) : mudtWidget(pudtWidget), menuKind(KindOf(pudtWidget.Class)) {}

enuControlKind clsUiControl::KindOf(const QString& pstrClass)
{
    // The Qt classes and their Qt subclasses, in the order clsQtControl::KindOf tests them.
    static const QHash<QString, enuControlKind> Kinds = {
        {QStringLiteral("QLineEdit"), enuControlKind::TextBox},     {QStringLiteral("QTextEdit"), enuControlKind::TextBox},
        {QStringLiteral("QTextBrowser"), enuControlKind::TextBox},  {QStringLiteral("QPlainTextEdit"), enuControlKind::TextBox},
        {QStringLiteral("QLabel"), enuControlKind::Label},          {QStringLiteral("QPushButton"), enuControlKind::CommandButton},
        {QStringLiteral("QCommandLinkButton"), enuControlKind::CommandButton},
        {QStringLiteral("QCheckBox"), enuControlKind::CheckBox},    {QStringLiteral("QRadioButton"), enuControlKind::OptionButton},
        {QStringLiteral("QTabWidget"), enuControlKind::TabControl}, {QStringLiteral("QComboBox"), enuControlKind::TabControl},
        {QStringLiteral("QTreeWidget"), enuControlKind::TabControl}, {QStringLiteral("QTableWidget"), enuControlKind::TabControl},
        {QStringLiteral("QGroupBox"), enuControlKind::Frame},
        {QStringLiteral("QToolBar"), enuControlKind::Frame},        {QStringLiteral("QDockWidget"), enuControlKind::Frame}};
    return Kinds.value(pstrClass, enuControlKind::Other);
}

QString* clsUiControl::CaptionField() const
{
    switch (menuKind) {
    case enuControlKind::Label:
    case enuControlKind::CommandButton:
    case enuControlKind::CheckBox:
    case enuControlKind::OptionButton: return &mudtWidget.Texts[QStringLiteral("text")];
    case enuControlKind::Frame:  // a group box's title; a tool bar's or a dock's window title
        return &mudtWidget.Texts[mudtWidget.Class == u"QGroupBox" ? QStringLiteral("title") : QStringLiteral("windowTitle")];
    case enuControlKind::TabControl:
        if (HasItems()) {
            if (static_cast<size_t>(mintTab) >= mudtWidget.Items.size())
                throw clsRuntimeError(380, "Invalid property value: tab " + std::to_string(mintTab));
            return &mudtWidget.Items[static_cast<size_t>(mintTab)];
        }
        return &AddressedPage().Page[QStringLiteral("title")];
    case enuControlKind::TextBox:
    case enuControlKind::Other: break;
    }
    throw clsPropertyNotSupported("Caption");
}

udtUiWidget& clsUiControl::AddressedPage() const
{
    if (menuKind != enuControlKind::TabControl) throw clsPropertyNotSupported("Tab (not a tab control)");
    if (static_cast<size_t>(mintTab) >= mudtWidget.Children.size())
        throw clsRuntimeError(380, "Invalid property value: tab " + std::to_string(mintTab));
    return mudtWidget.Children[static_cast<size_t>(mintTab)];
}

QString clsUiControl::Caption() const { return *CaptionField(); }

void clsUiControl::SetCaption(const QString& pstrCaption) { *CaptionField() = pstrCaption; }

// As clsQtControl: a combo box's own tool-tip is its first item's entry's.
QString clsUiControl::ToolTipText() const
{
    if (menuKind == enuControlKind::TabControl && IsCombo()) return mintTab == 0 ? mudtWidget.Text(QStringLiteral("toolTip")) : QString();
    if (menuKind == enuControlKind::TabControl && HasItems())
        return static_cast<size_t>(mintTab) < mudtWidget.ItemToolTips.size() ? mudtWidget.ItemToolTips[static_cast<size_t>(mintTab)] : QString();
    if (menuKind == enuControlKind::TabControl) return AddressedPage().Page.value(QStringLiteral("toolTip"));
    return mudtWidget.Text(QStringLiteral("toolTip"));
}

void clsUiControl::SetToolTipText(const QString& pstrToolTip)
{
    if (menuKind == enuControlKind::TabControl && IsCombo()) {
        if (mintTab == 0) mudtWidget.Texts[QStringLiteral("toolTip")] = pstrToolTip;
        return;
    }
    if (menuKind == enuControlKind::TabControl && HasItems()) {
        if (static_cast<size_t>(mintTab) < mudtWidget.ItemToolTips.size()) mudtWidget.ItemToolTips[static_cast<size_t>(mintTab)] = pstrToolTip;
        return;
    }
    (menuKind == enuControlKind::TabControl ? AddressedPage().Page : mudtWidget.Texts)[QStringLiteral("toolTip")] = pstrToolTip;
}

int16_t clsUiControl::Tab() const
{
    if (menuKind != enuControlKind::TabControl) throw clsPropertyNotSupported("Tab (not a tab control)");
    return mintTab;
}

void clsUiControl::SetTab(int16_t pintTab)
{
    if (menuKind != enuControlKind::TabControl) throw clsPropertyNotSupported("Tab (not a tab control)");
    if (pintTab < 0 || pintTab >= Tabs()) throw clsRuntimeError(380, "Invalid property value: tab " + std::to_string(pintTab));
    mintTab = pintTab;
}

int16_t clsUiControl::Tabs() const
{
    if (menuKind != enuControlKind::TabControl) throw clsPropertyNotSupported("Tab (not a tab control)");
    return static_cast<int16_t>(std::min<size_t>(HasItems() ? mudtWidget.Items.size() : mudtWidget.Children.size(),
                                                 std::numeric_limits<int16_t>::max()));
}

QString clsUiControl::Placeholder() const
{
    return menuKind == enuControlKind::TextBox ? mudtWidget.Text(QStringLiteral("placeholderText")) : QString();
}

void clsUiControl::SetPlaceholder(const QString& pstrText)
{
    if (menuKind == enuControlKind::TextBox) mudtWidget.Texts[QStringLiteral("placeholderText")] = pstrText;
}

}  // namespace tralyx
