// tralyx-lrc: checks, dumps, writes and merges language resource files from the command line.
#include "CliText.h"
#include "Commands.h"
#include "common/Version.h"
#include "i18n/basTranslations.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QFile>
#include <QLocale>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

using tralyx::cli::Lrc;

namespace {
const char* const Usage = QT_TRANSLATE_NOOP("tralyx_lrc", "usage: tralyx-lrc check FILE... | dump FILE | write FILE | update OLD NEW DEST | lint FOLDER|ROOT\n"
                          "       | status FOLDER|ROOT | export FOLDER OUT | import FILE FOLDER | tm export|suggest ...\n"
                          "       | glossary export FOLDER OUT.tbx | compile FOLDER | merge-file BASE OURS THEIRS PATH\n"
                          "       | git setup|textconv ... | harvest FORM.ui... -o DIR | join ENGLISH FORMFILE...\n"
                          "       | pseudo SOURCE DEST\n"
                          "       [options]\n");

const char* const Help = QT_TRANSLATE_NOOP("tralyx_lrc",
    "usage: tralyx-lrc COMMAND [options] ARGUMENTS\n"
    "\n"
    "  check FILE...        load each file (or a translation-state.json); print \"FILE: ok, N records\" or\n"
    "                       \"FILE:LINE: reason\"\n"
    "  dump FILE            print the table that FILE loads into as JSON on stdout\n"
    "  write FILE           write FILE from JSON on stdin (the \"records\" of a dump)\n"
    "  update OLD NEW DEST  merge an old and a new language folder into DEST\n"
    "  lint FOLDER|ROOT     check a translated folder, or every one under ROOT, against its source\n"
    "                       language (FILE:LINE: problem)\n"
    "  status FOLDER|ROOT   the entries translated, to review and to do, per language and file\n"
    "  export FOLDER OUT    a language folder with its source texts as PO (OUT.po) or XLIFF (OUT.xlf),\n"
    "                       or a PO template of its source texts (OUT.pot)\n"
    "  import FILE FOLDER   bring the translations of a PO or XLIFF file back into FOLDER\n"
    "  tm export|suggest    translation memory: a folder's translations as TMX (tm export FOLDER OUT.tmx),\n"
    "                       what a memory suggests for source texts (tm suggest --memory PATH TEXT...)\n"
    "  glossary export FOLDER OUT.tbx   the start of a glossary: FOLDER's short captions and menus with\n"
    "                       their translations as TBX-Basic (lint --glossary FILE checks against one)\n"
    "  compile FOLDER       the language and its source in one file (language.tralyx) that the\n"
    "                       applications' loader maps instead of reading the text files\n"
    "  merge-file BASE OURS THEIRS PATH   Git's merge driver: a .lrc file or the state merged entry by\n"
    "                       entry into OURS (exit 1 with both candidates kept where both sides changed a text)\n"
    "  git setup [REPO]     make a Git repository merge and diff Tralyx folders with this program\n"
    "  git textconv FILE    a .lrc file's lines decoded, as git diff shows them\n"
    "  harvest FORM.ui... -o DIR   the English texts of Qt Designer forms, one DIR/<form>.LRC each, as the\n"
    "                       run-time harvest of the windows uic builds from them writes them\n"
    "  join ENGLISH FORMFILE...   merge form text files into the English folder's core.lrc (entries keep\n"
    "                       their place; those no longer on their form are reported, or removed with --prune)\n"
    "  pseudo SOURCE DEST   a test language made from SOURCE: every text longer, accented and in brackets\n"
    "                       on request, so that the application shows what it cuts and what it never loads\n"
    "\n"
    "options:\n"
    "  --kind core|messages|secondary   the kind of file (default: from its name, core.lrc etc.)\n"
    "  --code-page NAME                 the files' code page (default windows-1252)\n"
    "  --force                          write, update, export, import, tm, glossary, pseudo: replace files that exist\n"
    "  --dry-run                        update, import: write nothing, report what would happen\n"
    "  --json                           update, lint, status, tm: print the report as JSON\n"
    "  --format text|json|github|junit  lint: how the report is printed (GitHub annotations, JUnit XML)\n"
    "  --fail-on WHAT                   lint, status: also fail on warning, review, untranslated or missing\n"
    "  --infos                          lint: print the infos too\n"
    "  --drop-unwritable                write: leave out the texts core.lrc has no line for (else refused)\n"
    "  -o, --output DIR                 harvest: the folder the form text files are written to\n"
    "  --prune                          join: remove the entries no longer on their form\n"
    "  --expand PERCENT                 pseudo: make each text this much longer (default 35)\n"
    "  --accents, --brackets            pseudo: accent the letters, put each text in brackets\n"
    "  --source DIR                     lint, status, export, import, tm, glossary: the source folder (default: the sibling named English)\n"
    "  --old-source DIR                 update: the source folder OLD was translated from\n"
    "  --language CODE                  import: the folder's language, when its name does not say it\n"
    "  --source-language, --target-language CODE   export, tm, glossary (lint: the target): language codes (default: from the folder names)\n"
    "  --memory PATH                    tm, update --fill-from-memory: a translated folder or a .tmx file of the memory (repeatable)\n"
    "  --spell [--dictionary LANG]      lint: also check the spelling (default: the folder's language)\n"
    "  --glossary FILE                  lint: also check the terms of a TBX or CSV glossary\n"
    "  --help                           show this help\n"
    "  --version                        print the program's name and version\n"
    "\n"
    "tralyx-lrc COMMAND --help shows one command's usage.\n"
    "exit status: 0 all well, 1 a file failed to load or write (lint: or an error was found), 2 usage error\n");

// A text that did not reach its reader (a full disk, a closed pipe) is a failure.
int Finished(const char* pstrWho, int plngExit)
{
    errno = 0;
    const bool booFlushed = std::fflush(stdout) == 0;
    const int lngError = errno;
    if (booFlushed && !std::ferror(stdout)) return plngExit;
    std::fputs(qPrintable(Lrc::tr("%1: cannot write to the standard output: %2\n")
                              .arg(QString::fromLocal8Bit(pstrWho),
                                   !booFlushed && lngError ? QString::fromLocal8Bit(std::strerror(lngError))
                                                           : Lrc::tr("write error"))),
               stderr);
    return 1;
}

}  // namespace

namespace {

QtMessageHandler gfnQtMessages = nullptr;

// lint measures captions in their fonts (the rule fits), which takes a QGuiApplication: on the
// offscreen platform, so that no display is needed or touched. The platform asks for a runtime
// folder it never uses; its warning where a session has none is not lint's to print.
std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char** argv)
{
    if (argc < 2 || std::strcmp(argv[1], "lint") != 0) return std::make_unique<QCoreApplication>(argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    gfnQtMessages = qInstallMessageHandler([](QtMsgType penuType, const QMessageLogContext& pudtContext, const QString& pstrMessage) {
        if (!pstrMessage.startsWith(QLatin1StringView("QStandardPaths:")) && gfnQtMessages) gfnQtMessages(penuType, pudtContext, pstrMessage);
    });
    auto objApp = std::make_unique<QGuiApplication>(argc, argv);
    qInstallMessageHandler(gfnQtMessages);
    return objApp;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::unique_ptr<QCoreApplication> objApp = MakeApplication(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tralyx-lrc"));
    tralyx::InstallTranslations(tralyx::SystemUiLanguages());
    // A name that is not valid in the system's encoding would become U+FFFD on its way into Qt and
    // name another file: it is refused, as the shell gave it.
    for (int i = 1; i < argc; ++i) {
        const QByteArray bytArg(argv[i]);
        if (QFile::encodeName(QFile::decodeName(bytArg)) == bytArg) continue;
        QByteArray bytShown;
        for (const char c : bytArg)
            bytShown += (c >= 0x20 && c < 0x7F) ? QByteArray(1, c) : "\\x" + QByteArray::number(uint8_t(c), 16).rightJustified(2, '0');
        std::fputs(qPrintable(Lrc::tr("tralyx-lrc: the file name '%1' is not valid in this system's encoding (UTF-8); "
                                                   "nothing was done\n")
                                  .arg(QString::fromLatin1(bytShown))),
                   stderr);
        return 1;
    }
    QStringList strArgs = QCoreApplication::arguments().mid(1);
    if (strArgs.isEmpty() || strArgs.front() == u"--help" || strArgs.front() == u"-h" || strArgs.front() == u"help") {
        std::fputs(Lrc::Text(strArgs.isEmpty() ? Usage : Help).toUtf8().constData(), strArgs.isEmpty() ? stderr : stdout);
        return Finished("tralyx-lrc", strArgs.isEmpty() ? 2 : 0);
    }
    if (strArgs.front() == u"--version") {
        std::fputs("tralyx-lrc " TRALYX_VERSION_STRING "\n" TRALYX_COPYRIGHT "\n" TRALYX_LICENCE "\n"
                   "As built it links libgettextpo of GNU gettext, and so is distributed as a whole\n"
                   "under the GNU GPL version 3 or later.\n",
                   stdout);
        return Finished("tralyx-lrc", 0);
    }
    const QString strCommand = strArgs.takeFirst();
    int (*fnCommand)(const QStringList&) = strCommand == u"check"    ? tralyx::cli::CmdCheck
                                           : strCommand == u"dump"   ? tralyx::cli::CmdDump
                                           : strCommand == u"write"  ? tralyx::cli::CmdWrite
                                           : strCommand == u"update" ? tralyx::cli::CmdUpdate
                                           : strCommand == u"lint"   ? tralyx::cli::CmdLint
                                           : strCommand == u"status" ? tralyx::cli::CmdStatus
                                           : strCommand == u"export" ? tralyx::cli::CmdExport
                                           : strCommand == u"import" ? tralyx::cli::CmdImport
                                           : strCommand == u"tm"     ? tralyx::cli::CmdTm
                                           : strCommand == u"glossary" ? tralyx::cli::CmdGlossary
                                           : strCommand == u"merge-file" ? tralyx::cli::CmdMergeFile
                                           : strCommand == u"git"    ? tralyx::cli::CmdGit
                                           : strCommand == u"compile" ? tralyx::cli::CmdCompile
                                           : strCommand == u"harvest" ? tralyx::cli::CmdHarvest
                                           : strCommand == u"join"   ? tralyx::cli::CmdJoin
                                           : strCommand == u"pseudo" ? tralyx::cli::CmdPseudo
                                                                     : nullptr;
    if (!fnCommand) {
        std::fputs((Lrc::tr("tralyx-lrc: unknown command '%1'\n").arg(strCommand) + Lrc::Text(Usage))
                       .toUtf8()
                       .constData(),
                   stderr);
        return 2;
    }
    int intExit;
    try {
        intExit = fnCommand(strArgs);
    } catch (const std::bad_alloc&) {
        std::fflush(stdout);
        std::fputs(qPrintable(Lrc::tr("tralyx-lrc: not enough memory\n")), stderr);
        return 1;
    }
    return Finished(qPrintable(QStringLiteral("tralyx-lrc ") + strCommand), intExit);
}
