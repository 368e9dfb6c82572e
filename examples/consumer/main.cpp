// tralyx-consumer: a small application translated at run time by an installed Tralyx.
//
//   tralyx-consumer [--print] [FOLDER]
//
// Loads the language folder FOLDER (core.lrc, messages.lrc, secondary.lrc), applies its captions and
// tool-tips to the window, prints a text fetched by number and shows a message. --print writes the
// message to standard output instead of a message box and ends without showing the window.
#include <tralyx/Translation.h>
#include <tralyx/Version.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QVBoxLayout>
#include <cstdio>

namespace {

void Print(const QString& pstrText) { std::printf("%s\n", pstrText.toUtf8().constData()); }

}  // namespace

int main(int argc, char** argv)
{
    QApplication objApp(argc, argv);
    QStringList strArgs = QApplication::arguments().mid(1);
    const bool booPrint = strArgs.removeAll(QStringLiteral("--print")) > 0;
    const QString strFolder = strArgs.value(0, QStringLiteral(CONSUMER_LANGUAGES));

    // The language: the three files of one folder, all of them or none.
    tralyx::Translation objLanguage;
    QString strError;
    if (!objLanguage.load(strFolder, &strError)) {
        std::fprintf(stderr, "tralyx-consumer: %s\n", strError.toUtf8().constData());
        return 1;
    }

    // The form: Tralyx finds each control's text by the window's and the control's object names.
    QWidget frmConsumer;
    frmConsumer.setObjectName(QStringLiteral("frmConsumer"));
    auto* lblGreeting = new QLabel(QStringLiteral("Hello!"), &frmConsumer);
    lblGreeting->setObjectName(QStringLiteral("lblGreeting"));
    (new QVBoxLayout(&frmConsumer))->addWidget(lblGreeting);
    objLanguage.apply(&frmConsumer);
    Print(QStringLiteral("caption: ") + lblGreeting->text());
    Print(QStringLiteral("tool-tip: ") + lblGreeting->toolTip());
    Print(QStringLiteral("TXT001: ") + objLanguage.text(1));

    // MSG001 and MST001, its marker replaced.
    const QString strName = QStringLiteral("Tralyx " TRALYX_VERSION_STRING);
    if (booPrint) {
        Print(QStringLiteral("message: [%1] %2").arg(objLanguage.title(1, strName), objLanguage.message(1, strName)));
        return 0;
    }
    frmConsumer.show();
    objLanguage.showMessage(&frmConsumer, 1, strName);
    return QApplication::exec();
}
