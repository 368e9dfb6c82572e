// tralyx-consumer: a small application translated at run time by an installed Tralyx.
//
//   tralyx-consumer [--print] [FOLDER]
//
// Loads the language folder FOLDER (core.lrc, messages.lrc, secondary.lrc), applies its captions and
// tool-tips to the window, prints a text fetched by number and shows a message. --print writes the
// message to standard output instead of a message box and ends without showing the window.
#include <tralyx/QtDesktop.h>
#include <tralyx/QtForm.h>
#include <tralyx/Version.h>
#include <tralyx/basDesktop.h>
#include <tralyx/clsRuntimeError.h>
#include <tralyx/clsTralyx.h>

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <cstdio>

namespace {

void Print(const QString& pstrText) { std::printf("%s\n", pstrText.toUtf8().constData()); }

// A desktop without windows: each message box is printed and answered OK.
class clsPrintingDesktop : public tralyx::clsDesktop {
public:
    int32_t MsgBox(const QString& pstrPrompt, int32_t, const QString& pstrTitle, const QString&) override
    {
        Print(QStringLiteral("message: [%1] %2").arg(pstrTitle, pstrPrompt));
        return tralyx::vbOK;
    }
    bool FileDialog(bool, const QString&, QString&) override { return false; }
    bool ChooseFolder(const QString&, QString&) override { return false; }
    QString ClipboardText() override { return QString(); }
    void SetClipboardText(const QString&) override {}
};

}  // namespace

int main(int argc, char** argv)
{
    QApplication objApp(argc, argv);
    QStringList strArgs = QApplication::arguments().mid(1);
    const bool booPrint = strArgs.removeAll(QStringLiteral("--print")) > 0;
    const QString strFolder = strArgs.value(0, QStringLiteral(CONSUMER_LANGUAGES));

    tralyx::clsQtDesktop objWindowed;
    clsPrintingDesktop objPrinting;
    tralyx::InstallDesktop(booPrint ? static_cast<tralyx::clsDesktop*>(&objPrinting) : &objWindowed);

    // The language: the three files of one folder.
    tralyx::clsTralyx objLanguage;
    bool booLoaded = false;
    objLanguage.LoadControlText(strFolder + QStringLiteral("/core.lrc"), booLoaded);
    if (booLoaded) objLanguage.LoadMessagesFromResource(strFolder + QStringLiteral("/messages.lrc"), booLoaded);
    if (booLoaded) objLanguage.LoadPreceduralTextFromResource(strFolder + QStringLiteral("/secondary.lrc"), booLoaded);
    if (!booLoaded) {
        std::fprintf(stderr, "tralyx-consumer: %s\n", objLanguage.LastError().Text().toUtf8().constData());
        return 1;
    }

    // The form: Tralyx finds each control's text by the form's and the control's object names.
    QWidget frmConsumer;
    frmConsumer.setObjectName(QStringLiteral("frmConsumer"));
    auto* lblGreeting = new QLabel(QStringLiteral("Hello!"), &frmConsumer);
    lblGreeting->setObjectName(QStringLiteral("lblGreeting"));
    (new QVBoxLayout(&frmConsumer))->addWidget(lblGreeting);
    tralyx::clsQtForm frmBound(&frmConsumer);
    objLanguage.SetFormText(frmBound);
    Print(QStringLiteral("caption: ") + lblGreeting->text());
    Print(QStringLiteral("tool-tip: ") + lblGreeting->toolTip());

    try {
        Print(QStringLiteral("TXT001: ") + objLanguage.RuntimeTextItem(0));  // texts count from 0
    } catch (const tralyx::clsRuntimeError& e) {
        std::fprintf(stderr, "tralyx-consumer: error %d: %s\n", e.Number(), e.what());
        return 1;
    }
    // MSG001 and MST001, its marker replaced.
    objLanguage.DisplayMessage(0, QStringLiteral("Tralyx " TRALYX_VERSION_STRING), tralyx::vbInformation);

    const int intResult = booPrint ? 0 : (frmConsumer.show(), QApplication::exec());
    tralyx::InstallDesktop(nullptr);
    return intResult;
}
