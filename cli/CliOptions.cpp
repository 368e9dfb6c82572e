#include "CliOptions.h"

#include "common/clsCodePage.h"
#include "store/basFileKind.h"
#include "store/basLanguageNames.h"
#include "state/clsTranslationState.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <iterator>
#include <utility>

using namespace Qt::StringLiterals;

namespace tralyx::cli {

bool ParseCliOptions(const QStringList& pstrArgs, uint32_t plngAllowed, udtCliOptions& pudtOut, QString& pstrError)
{
    struct udtKnown {
        QLatin1StringView Name;
        CliOption Flag;
        bool TakesValue;
    };
    static const udtKnown Known[] = {{QLatin1StringView("--code-page"), optCodePage, true},
                                     {QLatin1StringView("--kind"), optKind, true},
                                     {QLatin1StringView("--force"), optForce, false},
                                     {QLatin1StringView("--dry-run"), optDryRun, false},
                                     {QLatin1StringView("--json"), optJson, false},
                                     {QLatin1StringView("--source"), optSource, true},
                                     {QLatin1StringView("--source-language"), optLanguages, true},
                                     {QLatin1StringView("--target-language"), optLanguages, true},
                                     {QLatin1StringView("--memory"), optMemory, true},
                                     {QLatin1StringView("--spell"), optSpell, false},
                                     {QLatin1StringView("--dictionary"), optSpell, true},
                                     {QLatin1StringView("--old-source"), optOldSource, true},
                                     {QLatin1StringView("--language"), optLanguage, true},
                                     {QLatin1StringView("--drop-unwritable"), optDropUnwritable, false},
                                     {QLatin1StringView("--fill-from-memory"), optFillFromMemory, false},
                                     {QLatin1StringView("--discard-state"), optDiscardState, false},
                                     {QLatin1StringView("--theirs"), optTheirs, false},
                                     {QLatin1StringView("--prune"), optPrune, false},
                                     {QLatin1StringView("--output"), optOutput, true},
                                     {QLatin1StringView("-o"), optOutput, true},
                                     {QLatin1StringView("--glossary"), optGlossary, true},
                                     {QLatin1StringView("--expand"), optPseudo, true},
                                     {QLatin1StringView("--accents"), optPseudo, false},
                                     {QLatin1StringView("--brackets"), optPseudo, false},

                                     {QLatin1StringView("--fail-on"), optLintReport, true},
                                     {QLatin1StringView("--format"), optLintReport, true},
                                     {QLatin1StringView("--infos"), optLintReport, false}};
    bool booOptionsEnded = false;
    for (qsizetype i = 0; i < pstrArgs.size(); ++i) {
        const QString& strArg = pstrArgs[i];
        if (booOptionsEnded || !strArg.startsWith(u'-') || strArg == u"-") {
            pudtOut.Operands.append(strArg);
            continue;
        }
        if (strArg == u"--") {
            booOptionsEnded = true;
            continue;
        }
        if (strArg == u"--help" || strArg == u"-h") {
            pudtOut.Help = true;
            continue;
        }
        const qsizetype lngEquals = strArg.indexOf(u'=');
        const QString strName = lngEquals < 0 ? strArg : strArg.left(lngEquals);
        const udtKnown* pudtOption = nullptr;
        for (const udtKnown& udtOption : Known)
            if (strName == udtOption.Name && (plngAllowed & udtOption.Flag)) pudtOption = &udtOption;
        if (!pudtOption) {
            pstrError = Lrc::tr("unknown option '%1'").arg(strName);
            return false;
        }
        QString strValue;
        if (!pudtOption->TakesValue) {
            if (lngEquals >= 0) {
                pstrError = Lrc::tr("%1 takes no value").arg(strName);
                return false;
            }
        } else if (lngEquals >= 0) {
            strValue = strArg.mid(lngEquals + 1);
        } else if (i + 1 < pstrArgs.size()) {
            strValue = pstrArgs[++i];
        } else {
            pstrError = Lrc::tr("%1 needs a value").arg(strName);
            return false;
        }
        switch (pudtOption->Flag) {
        case optCodePage:
            if (const QString strProblem = clsCodePage(strValue).Problem(); !strProblem.isEmpty()) {
                pstrError = strProblem;
                return false;
            }
            pudtOut.CodePage = strValue;
            break;
        case optKind:
            pudtOut.Kind = FileKindFromName(strValue);
            if (!pudtOut.Kind) {
                pstrError = Lrc::tr("unknown kind '%1' (core, messages or secondary)").arg(strValue);
                return false;
            }
            break;
        case optForce: pudtOut.Force = true; break;
        case optDryRun: pudtOut.DryRun = true; break;
        case optFillFromMemory: pudtOut.FillFromMemory = true; break;
        case optDiscardState: pudtOut.DiscardState = true; break;
        case optTheirs: pudtOut.Theirs = true; break;
        case optPrune: pudtOut.Prune = true; break;
        case optOutput:
            if (strValue.isEmpty()) {
                pstrError = Lrc::tr("%1 needs a folder").arg(strName);
                return false;
            }
            pudtOut.Output = strValue;
            break;
        case optPseudo:
            if (strName == u"--expand") {
                bool booNumber = false;
                pudtOut.Expand = strValue.toInt(&booNumber);
                if (!booNumber || pudtOut.Expand < 0 || pudtOut.Expand > 1000) {
                    pstrError = Lrc::tr("--expand needs a percentage from 0 to 1000");
                    return false;
                }
            } else {
                (strName == u"--accents" ? pudtOut.Accents : pudtOut.Brackets) = true;
            }
            break;
        case optGlossary:
            if (strValue.isEmpty()) {
                pstrError = Lrc::tr("--glossary needs a .tbx or .csv file");
                return false;
            }
            pudtOut.Glossary = strValue;
            break;
        case optJson: pudtOut.Json = true; break;
        case optDropUnwritable: pudtOut.DropUnwritable = true; break;
        case optSource:
        case optOldSource:
            if (strValue.isEmpty()) {
                pstrError = Lrc::tr("%1 needs a folder").arg(strName);
                return false;
            }
            (pudtOption->Flag == optSource ? pudtOut.Source : pudtOut.OldSource) = strValue;
            break;
        case optLanguage:
            if (strValue.isEmpty()) {
                pstrError = Lrc::tr("--language needs a language code");
                return false;
            }
            pudtOut.Language = strValue;
            break;
        case optLanguages:
            (strName == u"--source-language" ? pudtOut.SourceLanguage : pudtOut.TargetLanguage) = strValue;
            break;
        case optMemory:
            if (strValue.isEmpty()) {
                pstrError = Lrc::tr("--memory needs a folder or a .tmx file");
                return false;
            }
            pudtOut.Memory.append(strValue);
            break;
        case optLintReport:
            if (strName == u"--infos") {
                pudtOut.Infos = true;
            } else if (strName == u"--format") {
                if (!QStringList{u"text"_s, u"json"_s, u"github"_s, u"junit"_s}.contains(strValue)) {
                    pstrError = Lrc::tr("unknown format '%1' (text, json, github or junit)").arg(strValue);
                    return false;
                }
                pudtOut.Format = strValue;
            } else {
                static const std::pair<const char*, uint32_t> FailOn[] = {
                    {"error", 0}, {"warning", failWarning}, {"review", failReview}, {"untranslated", failUntranslated},
                    {"missing", failMissing}};
                const auto* pudtFail = std::find_if(std::begin(FailOn), std::end(FailOn),
                                                    [&](const auto& u) { return strValue == QLatin1StringView(u.first); });
                if (pudtFail == std::end(FailOn)) {
                    pstrError = Lrc::tr("unknown --fail-on '%1' (error, warning, review, untranslated or missing)").arg(strValue);
                    return false;
                }
                pudtOut.FailOn |= pudtFail->second;
            }
            break;
        case optSpell:
            pudtOut.Spell = true;
            if (strName == u"--dictionary") {
                if (strValue.isEmpty()) {
                    pstrError = Lrc::tr("--dictionary needs a language such as de_DE");
                    return false;
                }
                pudtOut.Dictionary = strValue;
            }
            break;
        }
    }
    // An empty name would be taken for the current or the root folder.
    if (pudtOut.Operands.contains(QString())) {
        pstrError = Lrc::tr("an empty argument is not a file name");
        return false;
    }
    return true;
}

int UsageHelp(const char* pstrUsage)
{
    PrintOutput(Lrc::Text(pstrUsage));
    return 0;
}

int UsageError(const QString& pstrCommand, const QString& pstrMessage, const char* pstrUsage)
{
    PrintError(QStringLiteral("tralyx-lrc %1: %2").arg(pstrCommand, pstrMessage));
    PrintError(Lrc::Text(pstrUsage));
    return 2;
}

std::optional<int> ParseCommand(const QStringList& pstrArgs, uint32_t plngAllowed, const QString& pstrCommand,
                                const char* pstrUsage, udtCliOptions& pudtOut)
{
    QString strError;
    if (!ParseCliOptions(pstrArgs, plngAllowed, pudtOut, strError)) return UsageError(pstrCommand, strError, pstrUsage);
    if (pudtOut.Help) return UsageHelp(pstrUsage);
    return std::nullopt;
}

bool AsksForHelp(const QStringList& pstrArgs)
{
    const qsizetype lngOptionsEnd = pstrArgs.indexOf(QStringLiteral("--"));
    const QStringList strOptions = lngOptionsEnd < 0 ? pstrArgs : pstrArgs.mid(0, lngOptionsEnd);
    return strOptions.contains(QStringLiteral("--help")) || strOptions.contains(QStringLiteral("-h"));
}

bool IsLanguageFolder(const QString& pstrFolder)
{
    for (const enuFileKind enuFile : AllFileKinds)
        if (!FindLanguageFile(pstrFolder, enuFile).isEmpty()) return true;
    return QFileInfo::exists(clsTranslationState::PathIn(pstrFolder));
}

QString EnglishFolderAmong(const QStringList& pstrFolders)
{
    for (const QString& strFolder : pstrFolders)
        if (QFileInfo(QDir::cleanPath(strFolder)).fileName().compare(u"English", Qt::CaseInsensitive) == 0) return strFolder;
    return QString();
}

}  // namespace tralyx::cli
