#include "frmDemo.h"

#include "binding/QtForm.h"
#include "common/basApplication.h"
#include "common/basDesktop.h"
#include "common/clsRuntimeError.h"
#include "store/clsTralyx.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace demo {
namespace {

// Messages of messages.lrc, by position: message n of the file is n - 1 here.
constexpr uint8_t MsgGreeting = 0;
constexpr uint8_t MsgHarvested = 1;

template <class T>
T* Make(QWidget* pobjParent, const char* pstrName)
{
    auto* objWidget = new T(pobjParent);
    objWidget->setObjectName(QString::fromLatin1(pstrName));
    return objWidget;
}

}  // namespace

frmDemo::frmDemo(tralyx::clsTralyx& pobjLanguage, QWidget* pobjParent)
    : QWidget(pobjParent), mobjLanguage(pobjLanguage)
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
}

bool frmDemo::LoadLanguage(const QString& pstrFolder)
{
    bool booAllLoaded = true;
    const QString strCore = pstrFolder + QStringLiteral("/core.lrc");
    const QString strMessages = pstrFolder + QStringLiteral("/messages.lrc");
    if (!QFile::exists(strCore) && !QFile::exists(strMessages)) {
        tralyx::MsgBox(QStringLiteral("The folder ") + pstrFolder + QStringLiteral(" holds neither core.lrc nor messages.lrc."),
                       tralyx::vbExclamation);
        return false;
    }
    if (QFile::exists(strMessages)) {
        bool booSuccess = false;
        mobjLanguage.LoadMessagesFromResource(strMessages, booSuccess);
        if (!booSuccess) {
            tralyx::MsgBox(QStringLiteral("The file ") + strMessages + QStringLiteral(" is corrupt!"), tralyx::vbExclamation,
                           QString(), mobjLanguage.LastError().Text());
            booAllLoaded = false;
        }
    }
    if (QFile::exists(strCore)) {
        bool booSuccess = false;
        mobjLanguage.LoadControlText(strCore, booSuccess);
        if (booSuccess) {
            tralyx::clsQtForm frmThis(this);
            mobjLanguage.SetFormText(frmThis);
        } else {
            tralyx::MsgBox(QStringLiteral("The file ") + strCore + QStringLiteral(" is corrupt!"), tralyx::vbExclamation,
                           QString(), mobjLanguage.LastError().Text());
            booAllLoaded = false;
        }
    }
    return booAllLoaded;
}

QString frmDemo::HarvestText()
{
    tralyx::clsQtForm frmThis(this);
    mobjLanguage.BuildFormTextList(frmThis);
    return tralyx::App::Path() + QStringLiteral("/Languages/English/") + objectName() + QStringLiteral(".LRC");
}

void frmDemo::cmdGreet_Click()
{
    const QString strName = findChild<QLineEdit*>(QStringLiteral("txtName"))->text().trimmed();
    try {
        mobjLanguage.DisplayMessage(MsgGreeting, strName.isEmpty() ? QStringLiteral("?") : strName,
                                    tralyx::vbInformation);
    } catch (const tralyx::clsRuntimeError& e) {
        tralyx::MsgBox(QStringLiteral("Message %1 cannot be shown: %2").arg(MsgGreeting + 1).arg(QString::fromStdString(e.what())),
                       tralyx::vbCritical);
    }
}

void frmDemo::cmdHarvest_Click()
{
    try {
        const QString strFile = HarvestText();
        mobjLanguage.DisplayMessage(MsgHarvested, strFile, tralyx::vbInformation);
    } catch (const tralyx::clsRuntimeError& e) {
        tralyx::MsgBox(QString::fromStdString(e.what()), tralyx::vbCritical);
    }
}

}  // namespace demo
