// tralyx-lrc lint [--source DIR] FOLDER|ROOT: checks a translated language folder, or every one
// under ROOT, against its source language; status prints the counts alone. Problems are printed
// one a line in the form compilers use, or as GitHub annotations or JUnit XML, for editors and CI.
#include "checks/basFolderCheck.h"
#include "CliDesktop.h"
#include "CliOptions.h"
#include "Commands.h"
#include "LintReport.h"
#include "exchange/basLanguageFolder.h"
#include "memory/clsGlossary.h"
#include "memory/basTmxFile.h"
#include "measure/clsFontMeasurer.h"
#include "spelling/basSpellingCheck.h"
#include "store/basLayoutFile.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <future>
#include <map>
#include <memory>
#include <set>
#include <optional>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace tralyx::cli {
namespace {

const char LintUsage[] =
    QT_TRANSLATE_NOOP("tralyx_lrc", "usage: tralyx-lrc lint [--source DIR] [--format text|json|github|junit] [--fail-on WHAT]... [--infos]\n"
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
    "  --glossary FILE   also warn where a term of the glossary (TBX, or CSV with a header such as en,de)\n"
    "                    is in the source but none of its translations in the translation (rule glossary);\n"
    "                    only in the folders of the glossary's language\n"
    "  Where the source folder has a layout.json (joined from a harvest of the application's forms), each\n"
    "  translated caption is measured in its control's font and warned of where it does not fit (rule fits).\n"
    "  Exit status: 0 nothing that fails, 1 an error (a file that failed to load, a missing file, an\n"
    "  empty folder) or what --fail-on names, 2 usage error.");

const char StatusUsage[] =
    QT_TRANSLATE_NOOP("tralyx_lrc", "usage: tralyx-lrc status [--source DIR] [--json] [--fail-on WHAT]... [--code-page NAME] FOLDER|ROOT\n"
    "  The table lint ends with, for FOLDER or every language folder under ROOT: per language and file\n"
    "  the entries, translated, to review, untranslated, errors, warnings and words to do.\n"
    "  Exit status as lint's.");

int Lint(const QStringList& pstrArgs, bool pbooStatus)
{
    const QString strCommand = pbooStatus ? QStringLiteral("status") : QStringLiteral("lint");
    const char* const Usage = pbooStatus ? StatusUsage : LintUsage;
    const uint32_t lngAllowed = pbooStatus ? optSource | optJson | optCodePage | optLintReport
                                           : optSource | optJson | optCodePage | optSpell | optLintReport | optLanguages | optGlossary;
    udtCliOptions udtOptions;
    if (const std::optional<int> lngExit = ParseCommand(pstrArgs, lngAllowed, strCommand, Usage, udtOptions)) return *lngExit;
    if (udtOptions.Operands.size() != 1)
        return UsageError(strCommand, Lrc::tr("expected one FOLDER, got %1").arg(udtOptions.Operands.size()), Usage);
    if (pbooStatus && (udtOptions.Infos || (!udtOptions.Format.isEmpty() && udtOptions.Format != u"text" && udtOptions.Format != u"json")))
        return UsageError(strCommand, Lrc::tr("status prints its table as text or JSON"), Usage);
    const QString strFolder = udtOptions.Operands.front();
    if (!QFileInfo(strFolder).isDir()) return UsageError(strCommand, Lrc::tr("%1 is not a folder").arg(strFolder), Usage);
    if (!udtOptions.Source.isEmpty() && !QFileInfo(udtOptions.Source).isDir())
        return UsageError(strCommand, Lrc::tr("%1 is not a folder").arg(udtOptions.Source), Usage);

    udtLintRun udtRun;
    udtRun.FailOn = udtOptions.FailOn;
    udtRun.Infos = udtOptions.Infos;
    std::vector<udtFolderPair> udtPairs;
    const QStringList strUnder = IsLanguageFolder(strFolder) ? QStringList() : LanguageFoldersUnder(strFolder);
    if (strUnder.isEmpty()) {
        QString strSource = udtOptions.Source.isEmpty() ? DefaultSourceFolder(strFolder) : udtOptions.Source;
        if (strSource.isEmpty())
            return UsageError(strCommand,
                              Lrc::tr("%1 has no sibling folder named English; name the source with --source DIR").arg(strFolder),
                              Usage);
        udtPairs.push_back({strSource, strFolder,
                            udtOptions.TargetLanguage.isEmpty() ? LanguageCodeOfFolder(strFolder) : udtOptions.TargetLanguage});
    } else {
        udtRun.Root = strFolder;
        const QString strSource = udtOptions.Source.isEmpty() ? EnglishFolderAmong(strUnder) : udtOptions.Source;
        if (strSource.isEmpty())
            return UsageError(strCommand, Lrc::tr("%1 has no folder named English; name the source with --source DIR").arg(strFolder),
                              Usage);
        if (!udtOptions.TargetLanguage.isEmpty())
            return UsageError(strCommand, Lrc::tr("--target-language names the language of one folder; lint it alone"), Usage);
        for (const QString& strLanguage : strUnder) {
            if (QFileInfo(strLanguage).canonicalFilePath() == QFileInfo(strSource).canonicalFilePath()) continue;
            const QString strCode = LanguageCodeOfFolder(strLanguage);
            if (strCode.isEmpty())
                PrintError(Lrc::tr("%1: cannot tell the language from the folder's name, so its sentence ends are checked "
                                          "loosely; lint it alone with --target-language CODE")
                               .arg(strLanguage));
            udtPairs.push_back({strSource, strLanguage, strCode});
        }
    }

    const clsCliDesktop objDesktop(false);
    clsGlossary objGlossary;
    if (!udtOptions.Glossary.isEmpty()) {
        if (udtPairs.size() == 1) objGlossary.TargetLanguage = udtPairs.front().Language;
        QString strError;
        if (!objGlossary.Load(udtOptions.Glossary, strError)) {
            PrintError(Lrc::tr("tralyx-lrc lint: ") + strError);
            return 1;
        }
    }
    // The glossary is of one language: a folder of another is checked without it.
    const auto UsesGlossary = [&](const udtFolderPair& pudtPair) {
        return !objGlossary.IsEmpty() && (pudtPair.Language.isEmpty() || objGlossary.TargetLanguage.isEmpty() ||
                                          SameLanguage(pudtPair.Language, objGlossary.TargetLanguage));
    };
    // The source's layout, where the harvest recorded one: each folder is measured against it. It is
    // read once per source, on a thread of its own while the folders load; a rule waits for it.
    struct udtLayoutRead {
        clsLayoutFits Fits;
        QString Problem;
    };
    std::map<QString, std::shared_future<std::shared_ptr<const udtLayoutRead>>> objLayoutOf;
    for (const udtFolderPair& udtPair : udtPairs)
        if (!objLayoutOf.count(udtPair.Source) && QFileInfo::exists(FolderLayoutPath(udtPair.Source)))
            objLayoutOf[udtPair.Source] = std::async(std::launch::async, [strSource = udtPair.Source] {
                                              auto udtRead = std::make_shared<udtLayoutRead>();
                                              udtRead->Fits.Load(strSource, udtRead->Problem);
                                              return std::shared_ptr<const udtLayoutRead>(std::move(udtRead));
                                          }).share();
    std::set<QString> strTold;  // the sources whose unreadable layout was reported
    const auto LayoutOf = [&](const QString& pstrSource) -> const clsLayoutFits* {
        const auto it = objLayoutOf.find(pstrSource);
        if (it == objLayoutOf.end()) return nullptr;
        const udtLayoutRead& udtRead = *it->second.get();
        if (!udtRead.Problem.isEmpty() && strTold.insert(pstrSource).second)
            PrintError(Lrc::tr("tralyx-lrc lint: %1; captions are not measured (rule fits)").arg(udtRead.Problem));
        return udtRead.Fits.IsEmpty() ? nullptr : &udtRead.Fits;
    };
    const bool booLayout = !objLayoutOf.empty();
    clsFontMeasurer objMeasurer;
    if (!udtOptions.Spell && objGlossary.IsEmpty() && !booLayout) {
        udtRun.Folders = CheckFolders(udtPairs, udtOptions.CodePage);
    } else {
        // A dictionary, a glossary, a layout per language, one folder after the other.
        for (size_t lngPair = 0; lngPair < udtPairs.size(); ++lngPair) {
            const udtFolderPair& udtPair = udtPairs[lngPair];
            const clsLayoutFits* objFits = nullptr;  // the layout once it is read
            bool booFitsAsked = false;
            const QString strLanguage = udtOptions.Dictionary.isEmpty() ? udtPair.Language : udtOptions.Dictionary;
            if (udtOptions.Spell && strLanguage.isEmpty())
                return UsageError(strCommand,
                                  Lrc::tr("cannot tell the language of %1 from its name; give --dictionary LANG").arg(udtPair.Folder),
                                  Usage);
            std::optional<clsSpeller> objSpeller;
            if (udtOptions.Spell) {
                objSpeller.emplace(strLanguage, clsSpeller::enuWordList::ReadOnly);
                if (!objSpeller->IsValid()) {
                    PrintError(Lrc::tr("tralyx-lrc lint: ") + objSpeller->Problem());
                    return 1;
                }
            }
            const bool booGlossary = UsesGlossary(udtPair);
            const ExtraEntryRule fnExtra = [&](enuFileKind penuFile, const udtEntryText& pudtEntry, std::vector<udtProblem>& pudtOut) {
                if (objSpeller) CheckSpelling(*objSpeller, penuFile, pudtEntry, pudtOut);
                if (booGlossary) CheckGlossary(objGlossary, penuFile, pudtEntry, pudtOut);
                if (!booFitsAsked) booFitsAsked = true, objFits = LayoutOf(udtPair.Source);
                if (objFits) CheckFits(*objFits, objMeasurer, penuFile, pudtEntry, pudtOut);
            };
            const bool booFits = objLayoutOf.count(udtPair.Source) > 0;
            udtRun.Folders.push_back(CheckFolder(udtPair.Source, udtPair.Folder, udtOptions.CodePage,
                                                 objSpeller || booGlossary || booFits ? fnExtra : ExtraEntryRule(), udtPair.Language));
            LayoutOf(udtPair.Source);  // its problem told, where no entry asked for it
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
