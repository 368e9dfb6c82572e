// tralyx-lrc: checks, dumps, writes and merges language resource files from the command line.
#include "Commands.h"

#include <QCoreApplication>
#include <cstdio>

namespace {
const char* const Usage =
    "usage: tralyx-lrc check FILE... | dump FILE | write FILE | update OLD NEW DEST | lint FOLDER  [options]\n";

const char* const Help =
    "usage: tralyx-lrc COMMAND [options] ARGUMENTS\n"
    "\n"
    "  check FILE...        load each file; print \"FILE: ok, N records\" or \"FILE:LINE: reason\"\n"
    "  dump FILE            print the table that FILE loads into as JSON on stdout\n"
    "  write FILE           write FILE from JSON on stdin (the \"records\" of a dump)\n"
    "  update OLD NEW DEST  merge an old and a new language folder into DEST\n"
    "  lint FOLDER          check a translated folder against its source language (FILE:LINE: problem)\n"
    "\n"
    "options:\n"
    "  --kind core|messages|secondary   the kind of file (default: from its name, core.lrc etc.)\n"
    "  --code-page NAME                 the files' code page (default windows-1252)\n"
    "  --force                          write, update: replace files that exist\n"
    "  --dry-run                        update: write nothing, report what would happen\n"
    "  --json                           update, lint: print the report as JSON\n"
    "  --source DIR                     lint: the source folder (default: the sibling named English)\n"
    "\n"
    "tralyx-lrc COMMAND --help shows one command's usage.\n"
    "exit status: 0 all well, 1 a file failed to load or write (lint: or an error was found), 2 usage error\n";
}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tralyx-lrc"));
    QStringList strArgs = QCoreApplication::arguments().mid(1);
    if (strArgs.isEmpty() || strArgs.front() == u"--help" || strArgs.front() == u"-h" || strArgs.front() == u"help") {
        std::fputs(strArgs.isEmpty() ? Usage : Help, strArgs.isEmpty() ? stderr : stdout);
        return strArgs.isEmpty() ? 2 : 0;
    }
    const QString strCommand = strArgs.takeFirst();
    if (strCommand == u"check") return tralyx::cli::CmdCheck(strArgs);
    if (strCommand == u"dump") return tralyx::cli::CmdDump(strArgs);
    if (strCommand == u"write") return tralyx::cli::CmdWrite(strArgs);
    if (strCommand == u"update") return tralyx::cli::CmdUpdate(strArgs);
    if (strCommand == u"lint") return tralyx::cli::CmdLint(strArgs);
    std::fprintf(stderr, "tralyx-lrc: unknown command '%s'\n%s", qPrintable(strCommand), Usage);
    return 2;
}
