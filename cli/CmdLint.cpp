// tralyx-lrc lint [--source DIR] FOLDER|ROOT: checks a translated language folder, or every one
// under ROOT, against its source language; status prints the counts alone. Problems are printed
// one a line in the form compilers use, or as GitHub annotations or JUnit XML, for editors and CI.
#include "checks/basFolderCheck.h"
#include "CliDesktop.h"
#include "CliOptions.h"
#include "Commands.h"
#include "LintReport.h"
#include "exchange/basLanguageFolder.h"
#include "spelling/basSpellingCheck.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace tralyx::cli {
namespace {

const char LintUsage[] =
    "usage: tralyx-lrc lint [--source DIR] [--format text|json|github|junit] [--fail-on WHAT]... [--infos]\n"
    "                       [--target-language CODE] [--code-page NAME] [--spell [--dictionary LANG]] FOLDER|ROOT\n"
    "  Checks core.lrc, messages.lrc and secondary.lrc of the translated FOLDER against those of the\n"
    "  source folder: the sibling folder named English unless --source names another. ROOT, a folder\n"
    "  of language folders, checks each of them against ROOT's English (or --source), on every core,\n"
    "  and ends with a table per language and file. The end of each text is checked as the folder's\n"
    "  language (told by its name, or --target-language) ends a sentence: Greek \";\" for \"?\".\n"
    "  --format text     FILE:LINE: severity: entry: rule: message (the default)\n"
    "  --format json     {\"source\", \"folder\", \"entries\", \"translated\", \"files\", \"problems\", \"state\"}\n"
    "                    (--json says the same); for ROOT {\"root\", \"languages\": [...]}\n"
    "  --format github   GitHub Actions annotations (::error file=...,line=...,col=...::...)\n"
    "  --format junit    JUnit XML: a test suite per language, a test case per file\n"
    "  --fail-on WHAT    besides an error, what makes the exit status 1: warning, review,\n"
    "                    untranslated, missing (repeatable; error always counts)\n"
    "  --infos           also print the infos (they are always counted)\n"
    "  --spell           also name each misspelt word of the translations (rule spelling, info), with the\n"
    "                    dictionary of FOLDER's language (German: de_DE) or --dictionary LANG (implies --spell)\n"
    "  Exit status: 0 nothing that fails, 1 an error (a file that failed to load, a missing file, an\n"
    "  empty folder) or what --fail-on names, 2 usage error.";

const char StatusUsage[] =
    "usage: tralyx-lrc status [--source DIR] [--json] [--fail-on WHAT]... [--code-page NAME] FOLDER|ROOT\n"
    "  The table lint ends with, for FOLDER or every language folder under ROOT: per language and file\n"
    "  the entries, translated, to review, untranslated, errors, warnings and words to do.\n"
    "  Exit status as lint's.";

QString FolderName(const QString& pstrFolder) { return QFileInfo(QDir::cleanPath(pstrFolder)).fileName(); }

// A folder that holds a language file, or a state, is a language folder; one that holds none but
// has language folders under it is a root.
bool IsLanguageFolder(const QString& pstrFolder)
{
    for (const enuFileKind enuFile : AllFileKinds)
        if (!FindLanguageFile(pstrFolder, enuFile).isEmpty()) return true;
    return QFileInfo::exists(clsTranslationState::PathIn(pstrFolder));
}

int Lint(const QStringList& pstrArgs, bool pbooStatus)
{
    const QString strCommand = pbooStatus ? QStringLiteral("status") : QStringLiteral("lint");
    const char* const Usage = pbooStatus ? StatusUsage : LintUsage;
    const uint32_t lngAllowed = pbooStatus ? optSource | optJson | optCodePage | optLintReport
                                           : optSource | optJson | optCodePage | optSpell | optLintReport | optLanguages;
    udtCliOptions udtOptions;
    if (const std::optional<int> lngExit = ParseCommand(pstrArgs, lngAllowed, strCommand, Usage, udtOptions)) return *lngExit;
    if (udtOptions.Operands.size() != 1)
        return UsageError(strCommand, QStringLiteral("expected one FOLDER, got %1").arg(udtOptions.Operands.size()), Usage);
    if (pbooStatus && (udtOptions.Infos || (!udtOptions.Format.isEmpty() && udtOptions.Format != u"text" && udtOptions.Format != u"json")))
        return UsageError(strCommand, QStringLiteral("status prints its table as text or JSON"), Usage);
    const QString strFolder = udtOptions.Operands.front();
    if (!QFileInfo(strFolder).isDir()) return UsageError(strCommand, QStringLiteral("%1 is not a folder").arg(strFolder), Usage);
    if (!udtOptions.Source.isEmpty() && !QFileInfo(udtOptions.Source).isDir())
        return UsageError(strCommand, QStringLiteral("%1 is not a folder").arg(udtOptions.Source), Usage);

    udtLintRun udtRun;
    udtRun.FailOn = udtOptions.FailOn;
    udtRun.Infos = udtOptions.Infos;
    std::vector<udtFolderPair> udtPairs;
    const QStringList strUnder = IsLanguageFolder(strFolder) ? QStringList() : LanguageFoldersUnder(strFolder);
    if (strUnder.isEmpty()) {
        QString strSource = udtOptions.Source.isEmpty() ? DefaultSourceFolder(strFolder) : udtOptions.Source;
        if (strSource.isEmpty())
            return UsageError(strCommand,
                              QStringLiteral("%1 has no sibling folder named English; name the source with --source DIR").arg(strFolder),
                              Usage);
        udtPairs.push_back({strSource, strFolder,
                            udtOptions.TargetLanguage.isEmpty() ? LanguageCodeOfFolder(strFolder) : udtOptions.TargetLanguage});
    } else {
        udtRun.Root = strFolder;
        QString strSource = udtOptions.Source;
        for (const QString& strLanguage : strUnder)
            if (strSource.isEmpty() && FolderName(strLanguage).compare(u"English", Qt::CaseInsensitive) == 0) strSource = strLanguage;
        if (strSource.isEmpty())
            return UsageError(strCommand, QStringLiteral("%1 has no folder named English; name the source with --source DIR").arg(strFolder),
                              Usage);
        if (!udtOptions.TargetLanguage.isEmpty())
            return UsageError(strCommand, QStringLiteral("--target-language names the language of one folder; lint it alone"), Usage);
        for (const QString& strLanguage : strUnder) {
            if (QFileInfo(strLanguage).canonicalFilePath() == QFileInfo(strSource).canonicalFilePath()) continue;
            const QString strCode = LanguageCodeOfFolder(strLanguage);
            if (strCode.isEmpty())
                PrintError(QStringLiteral("%1: cannot tell the language from the folder's name, so its sentence ends are checked "
                                          "loosely; lint it alone with --target-language CODE")
                               .arg(strLanguage));
            udtPairs.push_back({strSource, strLanguage, strCode});
        }
    }

    const clsCliDesktop objDesktop(false);
    if (!udtOptions.Spell) {
        udtRun.Folders = CheckFolders(udtPairs, udtOptions.CodePage);
    } else {
        // A dictionary per language, one folder after the other.
        for (const udtFolderPair& udtPair : udtPairs) {
            const QString strLanguage = udtOptions.Dictionary.isEmpty() ? udtPair.Language : udtOptions.Dictionary;
            if (strLanguage.isEmpty())
                return UsageError(strCommand,
                                  QStringLiteral("cannot tell the language of %1 from its name; give --dictionary LANG").arg(udtPair.Folder),
                                  Usage);
            clsSpeller objSpeller(strLanguage, clsSpeller::enuWordList::ReadOnly);
            if (!objSpeller.IsValid()) {
                PrintError(QStringLiteral("tralyx-lrc lint: ") + objSpeller.Problem());
                return 1;
            }
            const ExtraEntryRule fnSpelling = [&](enuFileKind penuFile, const udtEntryText& pudtEntry, std::vector<udtProblem>& pudtOut) {
                CheckSpelling(objSpeller, penuFile, pudtEntry, pudtOut);
            };
            udtRun.Folders.push_back(CheckFolder(udtPair.Source, udtPair.Folder, udtOptions.CodePage, fnSpelling, udtPair.Language));
        }
    }

    const QString strFormat = udtOptions.Format.isEmpty() ? (udtOptions.Json ? u"json"_s : u"text"_s) : udtOptions.Format;
    const QByteArray bytOut = pbooStatus ? (strFormat == u"json" ? LintJson(udtRun, true) : StatusTable(udtRun))
                              : strFormat == u"json"   ? LintJson(udtRun, false)
                              : strFormat == u"github" ? LintGithub(udtRun)
                              : strFormat == u"junit"  ? LintJunit(udtRun)
                                                       : LintText(udtRun);
    std::fwrite(bytOut.constData(), 1, static_cast<size_t>(bytOut.size()), stdout);
    const bool booFails = std::any_of(udtRun.Folders.begin(), udtRun.Folders.end(),
                                      [&](const udtFolderCheck& u) { return FolderFails(u, udtRun.FailOn); });
    return booFails ? 1 : 0;
}

}  // namespace

int CmdLint(const QStringList& pstrArgs) { return Lint(pstrArgs, false); }

int CmdStatus(const QStringList& pstrArgs) { return Lint(pstrArgs, true); }

}  // namespace tralyx::cli
