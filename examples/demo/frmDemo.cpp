#include "frmDemo.h"

#include "common/basApplication.h"
#include "runtime/Translation.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace demo {
namespace {

// Messages and texts as the files number them: MSG001, MSG002, TXT001.
constexpr int MsgGreeting = 1;
constexpr int MsgHarvested = 2;
constexpr int TxtStranger = 1;

template <class T>
T* Make(QWidget* pobjParent, const char* pstrName)
{
    auto* objWidget = new T(pobjParent);
    objWidget->setObjectName(QString::fromLatin1(pstrName));
    return objWidget;
}

}  // namespace

frmDemo::frmDemo(tralyx::Translation& pobjTranslation, QWidget* pobjParent)
    : QWidget(pobjParent), mobjTranslation(pobjTranslation)
{
    // Each widget is made with its final parent, so that the form's controls keep this order.
    setObjectName(QStringLiteral("frmDemo"));
    setWindowTitle(QStringLiteral("Tralyx demo"));

    auto* lblIntro = Make<QLabel>(this, "lblIntro");
    lblIntro->setText(QStringLiteral("Every text on this form comes from a language folder."));

    auto* tabMain = Make<QTabWidget>(this, "tabMain");
    auto* pagGeneral = Make<QWidget>(tabMain, "pagGeneral");
    auto* lblName = Make<QLabel>(pagGeneral, "lblName");
    lblName->setText(QStringLiteral("Your name:"));
    auto* txtName = Make<QLineEdit>(pagGeneral, "txtName");
    txtName->setToolTip(QStringLiteral("The name that the greeting uses"));
    auto* chkRemember = Make<QCheckBox>(pagGeneral, "chkRemember");
    chkRemember->setText(QStringLiteral("Remember me"));
    chkRemember->setToolTip(QStringLiteral("Does nothing: it shows how a check box is widened"));

    auto* pagView = Make<QWidget>(tabMain, "pagView");
    auto* fraSize = Make<QGroupBox>(pagView, "fraSize");
    fraSize->setTitle(QStringLiteral("Size"));
    const char* const strSizes[] = {"Small", "Medium", "Large"};
    auto* layOptions = new QVBoxLayout(fraSize);
    for (int i = 0; i < 3; ++i) {
        // A control array: one name, told apart by the "Index" property.
        auto* optSize = Make<QRadioButton>(fraSize, "optSize");
        optSize->setProperty("Index", i);
        optSize->setText(QString::fromLatin1(strSizes[i]));
        optSize->setChecked(i == 1);
        layOptions->addWidget(optSize);
    }
    auto* chkBold = Make<QCheckBox>(pagView, "chkBold");
    chkBold->setText(QStringLiteral("Bold"));

    auto* pagHelp = Make<QWidget>(tabMain, "pagHelp");
    auto* lblHelp = Make<QLabel>(pagHelp, "lblHelp");
    lblHelp->setText(QStringLiteral("Type your name and press Greet.\nThe greeting is message 1 of messages.lrc."));

    auto* cmdGreet = Make<QPushButton>(this, "cmdGreet");
    cmdGreet->setText(QStringLiteral("&Greet"));
    cmdGreet->setToolTip(QStringLiteral("Shows message 1 with your name in it"));
    auto* cmdHarvest = Make<QPushButton>(this, "cmdHarvest");
    cmdHarvest->setText(QStringLiteral("&Harvest text"));
    cmdHarvest->setToolTip(QStringLiteral("Writes this form's text to Languages/English/frmDemo.LRC"));
    auto* cmdClose = Make<QPushButton>(this, "cmdClose");
    cmdClose->setText(QStringLiteral("&Close"));

    auto* layGeneral = new QVBoxLayout(pagGeneral);
    layGeneral->addWidget(lblName);
    layGeneral->addWidget(txtName);
    layGeneral->addWidget(chkRemember);
    layGeneral->addStretch();
    auto* layView = new QVBoxLayout(pagView);
    layView->addWidget(fraSize);
    layView->addWidget(chkBold);
    layView->addStretch();
    auto* layHelp = new QVBoxLayout(pagHelp);
    layHelp->addWidget(lblHelp);
    layHelp->addStretch();
    tabMain->addTab(pagGeneral, QStringLiteral("General"));
    tabMain->addTab(pagView, QStringLiteral("View"));
    tabMain->addTab(pagHelp, QStringLiteral("Help"));
    tabMain->setTabToolTip(0, QStringLiteral("Who you are"));

    auto* layButtons = new QHBoxLayout;
    layButtons->addWidget(cmdGreet);
    layButtons->addWidget(cmdHarvest);
    layButtons->addStretch();
    layButtons->addWidget(cmdClose);
    auto* layForm = new QVBoxLayout(this);
    layForm->addWidget(lblIntro);
    layForm->addWidget(tabMain);
    layForm->addLayout(layButtons);

    connect(cmdGreet, &QPushButton::clicked, this, &frmDemo::cmdGreet_Click);
    connect(cmdHarvest, &QPushButton::clicked, this, &frmDemo::cmdHarvest_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    // Each language loaded is put on the form at once.
    connect(&mobjTranslation, &tralyx::Translation::languageChanged, this, [this] { mobjTranslation.apply(this); });
}

bool frmDemo::LoadLanguage(const QString& pstrFolder)
{
    QString strError;
    if (mobjTranslation.load(pstrFolder, &strError)) return true;
    QMessageBox::warning(this, QApplication::applicationName(),
                         QStringLiteral("The language in %1 could not be loaded:\n%2").arg(pstrFolder, strError));
    return false;
}

QString frmDemo::HarvestText(QString& pstrError)
{
    if (!mobjTranslation.harvest(this, QString(), &pstrError)) return QString();
    return tralyx::App::Path() + QStringLiteral("/Languages/English/") + objectName() + QStringLiteral(".LRC");
}

void frmDemo::cmdGreet_Click()
{
    const QString strName = findChild<QLineEdit*>(QStringLiteral("txtName"))->text().trimmed();
    mobjTranslation.showMessage(this, MsgGreeting, strName.isEmpty() ? mobjTranslation.text(TxtStranger) : strName);
}

void frmDemo::cmdHarvest_Click()
{
    QString strError;
    const QString strFile = HarvestText(strError);
    if (strFile.isEmpty()) QMessageBox::critical(this, QApplication::applicationName(), strError);
    else mobjTranslation.showMessage(this, MsgHarvested, strFile);
}

}  // namespace demo
