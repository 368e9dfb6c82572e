// The QWidget binding of the form and control model: kinds, names, indexes, order, texts.
#include "binding/QtControl.h"
#include "binding/QtForm.h"
#include "common/clsRuntimeError.h"
#include "TestTexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCommandLinkButton>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextEdit>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace tralyx;
using tralyx::test::ErrorNumber;
using K = enuControlKind;

namespace {

template <class T>
T* Named(QWidget* pobjParent, const char* pstrName)
{
    auto* objWidget = new T(pobjParent);
    objWidget->setObjectName(QString::fromLatin1(pstrName));
    return objWidget;
}

TEST(QtControl, KindsOfWidgets)
{
    QWidget frm;
    const std::pair<QWidget*, K> udtCases[] = {
        // A text browser and a command link are kinds of text box and push button, a tool button is not.
        {new QLineEdit(&frm), K::TextBox},        {new QPlainTextEdit(&frm), K::TextBox},
        {new QTextBrowser(&frm), K::TextBox},     {new QLabel(&frm), K::Label},
        {new QCommandLinkButton(&frm), K::CommandButton}, {new QCheckBox(&frm), K::CheckBox},
        {new QRadioButton(&frm), K::OptionButton}, {new QGroupBox(&frm), K::Frame},
        {new QTabWidget(&frm), K::TabControl},    {new QToolButton(&frm), K::Other},
    };
    for (const auto& [objWidget, enuFileKind] : udtCases) EXPECT_EQ(clsQtControl(objWidget).Kind(), enuFileKind) << objWidget->metaObject()->className();
}

TEST(QtControl, IndexIsTheIntegerIndexProperty)
{
    QWidget frm;
    const std::pair<QVariant, std::optional<int32_t>> udtCases[] = {
        {QVariant(), std::nullopt}, {2, 2}, {300, 300} /* the run-time face stores it under 0 */, {-1, -1},
        {QStringLiteral("two"), std::nullopt}, {qlonglong(1) << 40, std::nullopt}};
    for (const auto& [objValue, lngIndex] : udtCases) {
        auto* lbl = Named<QLabel>(&frm, "lbl");
        if (objValue.isValid()) lbl->setProperty("Index", objValue);
        EXPECT_EQ(clsQtControl(lbl).Index(), lngIndex) << objValue.toString().toStdString();
    }
}

TEST(QtForm, ControlsAreTheNamedDescendantsInAStableOrder)
{
    QWidget frm;
    frm.setObjectName(QStringLiteral("frmTest"));
    Named<QLabel>(&frm, "lblA");
    auto* fra = Named<QGroupBox>(&frm, "fraB");
    Named<QRadioButton>(fra, "optC")->setProperty("Index", 0);
    Named<QRadioButton>(fra, "optC")->setProperty("Index", 1);
    Named<QSpinBox>(&frm, "spnD");                   // its line edit is Qt's own part
    new QLabel(QStringLiteral("unnamed"), &frm);    // not a control the application named
    auto* dlg = Named<QDialog>(&frm, "dlgOther");    // another window, with controls of its own
    Named<QLabel>(dlg, "lblInDialog");
    Named<QComboBox>(&frm, "cboE")->setEditable(true);
    auto* tab = Named<QTabWidget>(&frm, "tabF");
    auto* pagOne = Named<QWidget>(tab, "pagOne");
    Named<QLabel>(pagOne, "lblG");
    auto* pagTwo = Named<QWidget>(tab, "pagTwo");
    Named<QCheckBox>(pagTwo, "chkH");
    tab->addTab(pagOne, QStringLiteral("One"));
    tab->addTab(pagTwo, QStringLiteral("Two"));
    Named<QTextEdit>(&frm, "txtI");

    clsQtForm objForm(&frm);
    EXPECT_EQ(objForm.Name(), QStringLiteral("frmTest"));
    const QStringList strExpected = {"lblA", "fraB", "optC(0)", "optC(1)", "spnD", "cboE", "tabF", "pagOne", "lblG", "pagTwo", "chkH", "txtI"};
    const auto Walk = [&] {
        QStringList strSeen;
        objForm.Controls([&](clsControl& ctl) {
            const std::optional<int32_t> lngIndex = ctl.Index();
            const QString strName = ctl.Name() + (lngIndex ? QStringLiteral("(%1)").arg(*lngIndex) : QString());
            EXPECT_TRUE(!strName.isEmpty() && !strName.startsWith(u"qt_") && strName != u"lblInDialog") << strName.toStdString();
            // Parts that Qt names otherwise (a tab bar's scroll buttons) may come too, as controls of no kind.
            if (strExpected.contains(strName)) strSeen << strName;
        });
        return strSeen;
    };
    const QStringList strFirst = Walk();
    EXPECT_EQ(strFirst, strExpected);
    // Showing another page moves it in Qt's list of children; the walk's order stays.
    tab->setCurrentIndex(1);
    tab->setCurrentIndex(0);
    EXPECT_EQ(Walk(), strFirst);
}

TEST(QtControl, TextBoxesAndOtherWidgetsHaveNoCaption)
{
    QWidget frm;
    auto* txt = Named<QLineEdit>(&frm, "txt");
    txt->setText(QStringLiteral("typed"));
    clsQtControl ctlText(txt);
    EXPECT_EQ(ErrorNumber([&] { ctlText.SetCaption(QStringLiteral("x")); }), 438);
    EXPECT_EQ(ErrorNumber([&] { ctlText.Caption(); }), 438);
    EXPECT_EQ(txt->text(), QStringLiteral("typed"));
    clsQtControl ctlList(Named<QListWidget>(&frm, "lst"));
    EXPECT_EQ(ErrorNumber([&] { ctlList.Tab(); }), 438);
}

TEST(QtControl, TabTextsFollowTheSelectedTabWithoutTellingTheApplication)
{
    QWidget frm;
    auto* tab = Named<QTabWidget>(&frm, "tab");
    for (const char* pstrTab : {"A", "B", "C"}) tab->addTab(new QWidget, QString::fromLatin1(pstrTab));
    tab->setTabEnabled(2, false);
    QSignalSpy objChanged(tab, &QTabWidget::currentChanged);
    clsQtControl ctl(tab);
    EXPECT_EQ(ctl.Tabs(), 3);
    EXPECT_EQ(ctl.Tab(), 0);
    for (int16_t t : {1, 2}) {  // a disabled tab is addressed too
        ctl.SetTab(t);
        ctl.SetCaption(QStringLiteral("Caption %1").arg(t));
        ctl.SetToolTipText(QStringLiteral("Tip\r\n%1").arg(t));
    }
    ctl.SetTab(0);
    EXPECT_EQ(tab->tabText(0), QStringLiteral("A"));
    EXPECT_EQ(tab->tabText(1), QStringLiteral("Caption 1"));
    EXPECT_EQ(tab->tabText(2), QStringLiteral("Caption 2"));
    EXPECT_EQ(tab->tabToolTip(2), QStringLiteral("Tip\n2"));
    EXPECT_EQ(tab->currentIndex(), 0);
    EXPECT_EQ(objChanged.count(), 0);
    EXPECT_EQ(ErrorNumber([&] { ctl.SetTab(3); }), 380);
}

}  // namespace
