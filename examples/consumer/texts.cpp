// tralyx-texts: the display-free part of Tralyx alone (Tralyx::Runtime, QtCore only), through the
// text store.
//
//   tralyx-texts FILE N...
//
// Loads the secondary.lrc FILE and prints the texts numbered N (counted from 0: TXT001 is 0), one a
// line.
#include <tralyx/clsRuntimeError.h>
#include <tralyx/clsTralyx.h>

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication objApp(argc, argv);
    const QStringList strArgs = QCoreApplication::arguments().mid(1);
    if (strArgs.isEmpty()) {
        std::fputs("usage: tralyx-texts FILE N...\n", stderr);
        return 2;
    }
    tralyx::clsTralyx objLanguage;
    bool booLoaded = false;
    objLanguage.LoadPreceduralTextFromResource(strArgs.front(), booLoaded);
    if (!booLoaded) {
        std::fprintf(stderr, "tralyx-texts: %s\n", objLanguage.LastError().Text().toUtf8().constData());
        return 1;
    }
    try {
        for (const QString& strNumber : strArgs.mid(1))
            std::printf("%s\n", objLanguage.RuntimeTextItem(static_cast<uint8_t>(strNumber.toUInt())).toUtf8().constData());
    } catch (const tralyx::clsRuntimeError& e) {
        std::fprintf(stderr, "tralyx-texts: error %d: %s\n", e.Number(), e.what());
        return 1;
    }
    return 0;
}
