// tralyx-lrc: checks, dumps, writes and merges language resource files from the command line.
#include "Commands.h"

#include <QCoreApplication>
#include <cstdio>

namespace {
const char* const Usage =
    "usage: tralyx-lrc check FILE... | dump FILE | write FILE | update OLD NEW DEST  [options]\n";
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tralyx-lrc"));
    QStringList strArgs = QCoreApplication::arguments().mid(1);
    if (strArgs.isEmpty() || strArgs.front() == u"--help" || strArgs.front() == u"-h") {
        std::fputs(Usage, strArgs.isEmpty() ? stderr : stdout);
        return strArgs.isEmpty() ? 2 : 0;
    }
    const QString strCommand = strArgs.takeFirst();
    if (strCommand == u"check") return tralyx::cli::CmdCheck(strArgs);
    if (strCommand == u"dump") return tralyx::cli::CmdDump(strArgs);
    if (strCommand == u"write") return tralyx::cli::CmdWrite(strArgs);
    if (strCommand == u"update") return tralyx::cli::CmdUpdate(strArgs);
    std::fprintf(stderr, "tralyx-lrc: unknown command '%s'\n%s", qPrintable(strCommand), Usage);
    return 2;
}
