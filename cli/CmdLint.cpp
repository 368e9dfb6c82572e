// tralyx-lrc lint [--source DIR] FOLDER: checks a translated language folder against its source
// language, one problem a line in the form compilers use, so that editors and CI logs link to it.
#include "checks/basFolderCheck.h"
#include "CliDesktop.h"
#include "CliJson.h"
#include "CliOptions.h"
#include "Commands.h"
#include "exchange/basLanguageFolder.h"
#include "spelling/basSpellingCheck.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>
#include <memory>

namespace tralyx::cli {
namespace {

const char Usage[] =
    "usage: tralyx-lrc lint [--source DIR] [--json] [--code-page NAME] [--spell [--dictionary LANG]] FOLDER\n"
    "  Checks core.lrc, messages.lrc and secondary.lrc of the translated FOLDER against those of the\n"
    "  source folder: the sibling folder named English unless --source names another. The end of each\n"
    "  text is checked as FOLDER's language (told by its name) ends a sentence: Greek \";\" for \"?\".\n"
    "  --json           print {\"source\", \"folder\", \"entries\", \"translated\", \"problems\": [...],\n"
    "                   \"state\": [...]}: the problems and the state of the texts (review, done, note)\n"
    "  --spell          also name each misspelt word of the translations (rule spelling, info), with the\n"
    "                   dictionary of FOLDER's language (German: de_DE) or --dictionary LANG (implies --spell)\n"
    "  Exit status: 0 no error, 1 an error or a file that failed to load, 2 usage error.";

QString Plural(int32_t plngCount, const char* pstrWord)
{
    return QStringLiteral("%L1 %2%3").arg(plngCount).arg(QLatin1StringView(pstrWord), plngCount == 1 ? "" : "s");
}

QByteArray TextReport(const udtFolderCheck& pudtCheck)
{
    QString strOut;
    if (!pudtCheck.StateIssue.isEmpty()) strOut += QStringLiteral("warning: state: ") + pudtCheck.StateIssue + u'\n';
    for (const udtFileCheck& udtFile : pudtCheck.Files) {
        for (const udtProblem& udtProblem : udtFile.Problems) {
            strOut += udtFile.Path;
            if (udtProblem.Line > 0) strOut += u':' + QString::number(udtProblem.Line);
            strOut += QStringLiteral(": ") + SeverityName(udtProblem.Severity) + QStringLiteral(": ");
            if (!udtProblem.Entry.isEmpty()) strOut += udtProblem.Entry + QStringLiteral(": ");
            strOut += udtProblem.Rule + QStringLiteral(": ") + udtProblem.Message + u'\n';
        }
        if (!udtFile.Loaded())
            strOut += IssueText(udtFile.FailedFile, {udtFile.Issue.Line, QStringLiteral("error: ") + udtFile.Issue.Reason}) + u'\n';
    }
    const udtTranslatedCount udtCount = pudtCheck.Translated();
    strOut += QStringLiteral("%1 against %2: %3, %4, %5; %L6 of %L7 entries translated\n")
                  .arg(pudtCheck.Folder, pudtCheck.Source, Plural(pudtCheck.Count(enuSeverity::Error), "error"),
                       Plural(pudtCheck.Count(enuSeverity::Warning), "warning"), Plural(pudtCheck.Count(enuSeverity::Info), "info"))
                  .arg(udtCount.Translated)
                  .arg(udtCount.Entries);
    return TerminalText(strOut).toUtf8();
}

QByteArray JsonReport(const udtFolderCheck& pudtCheck)
{
    const udtTranslatedCount udtCount = pudtCheck.Translated();
    QByteArray bytOut;
    clsJsonWriter objJson(bytOut);
    objJson.BeginObject();
    objJson.Field("source", pudtCheck.Source);
    objJson.Field("folder", pudtCheck.Folder);
    objJson.Field("entries", udtCount.Entries);
    objJson.Field("translated", udtCount.Translated);
    objJson.Key("problems");
    objJson.BeginArray(2, 0);
    const auto Append = [&](const QString& pstrFile, int32_t plngLine, const QString& pstrEntry, const QString& pstrRule,
                            enuSeverity penuSeverity, const QString& pstrMessage) {
        objJson.BeginObject();
        objJson.Field("file", pstrFile);
        objJson.Field("line", plngLine);
        objJson.Key("entry");
        if (pstrEntry.isEmpty()) objJson.Null();
        else objJson.String(pstrEntry);
        objJson.Field("rule", pstrRule);
        objJson.Field("severity", SeverityName(penuSeverity));
        objJson.Field("message", pstrMessage);
        objJson.EndObject();
    };
    if (!pudtCheck.StateIssue.isEmpty())
        Append(clsTranslationState::FileName(), 0, QString(), QStringLiteral("state"), enuSeverity::Warning, pudtCheck.StateIssue);
    for (const udtFileCheck& udtFile : pudtCheck.Files) {
        for (const udtProblem& u : udtFile.Problems) Append(u.File, u.Line, u.Entry, u.Rule, u.Severity, u.Message);
        if (!udtFile.Loaded())
            Append(LanguageFileName(udtFile.File), udtFile.Issue.Line, QString(), QStringLiteral("load"), enuSeverity::Error,
                   IssueText(udtFile.FailedFile, {0, udtFile.Issue.Reason}));
    }
    objJson.EndArray();
    // {"file", "entry", "review": the old source or null, "movedFrom", "done", "note"}, by file and id.
    objJson.Key("state");
    objJson.BeginArray(2, 0);
    for (const enuFileKind enuFile : AllFileKinds) {
        const QHash<QString, udtTextState>& udtTexts = pudtCheck.State.Texts(enuFile);
        QStringList strIds = udtTexts.keys();
        std::sort(strIds.begin(), strIds.end());
        for (const QString& strId : strIds) {
            const udtTextState& u = udtTexts[strId];
            objJson.BeginObject();
            objJson.Field("file", LanguageFileName(enuFile));
            objJson.Field("entry", strId);
            objJson.Key("review");
            if (u.Review) objJson.String(u.PreviousSource);
            else objJson.Null();
            objJson.Key("movedFrom");
            if (u.MovedFrom.isEmpty()) objJson.Null();
            else objJson.String(u.MovedFrom);
            objJson.Key("done");
            objJson.Bool(u.Done);
            objJson.Field("note", u.Note);
            objJson.EndObject();
        }
    }
    objJson.EndArray();
    objJson.EndObject();
    bytOut += '\n';
    return bytOut;
}

}  // namespace

int CmdLint(const QStringList& pstrArgs)
{
    const QString strCommand = QStringLiteral("lint");
    udtCliOptions udtOptions;
    if (const std::optional<int> lngExit = ParseCommand(pstrArgs, optSource | optJson | optCodePage | optSpell, strCommand, Usage, udtOptions))
        return *lngExit;
    if (udtOptions.Operands.size() != 1)
        return UsageError(strCommand, QStringLiteral("expected one FOLDER, got %1").arg(udtOptions.Operands.size()), Usage);
    const QString strFolder = udtOptions.Operands.front();
    if (!QFileInfo(strFolder).isDir()) return UsageError(strCommand, QStringLiteral("%1 is not a folder").arg(strFolder), Usage);
    QString strSource = udtOptions.Source;
    if (strSource.isEmpty()) {
        strSource = DefaultSourceFolder(strFolder);
        if (strSource.isEmpty())
            return UsageError(strCommand,
                              QStringLiteral("%1 has no sibling folder named English; name the source with --source DIR").arg(strFolder),
                              Usage);
    } else if (!QFileInfo(strSource).isDir()) {
        return UsageError(strCommand, QStringLiteral("%1 is not a folder").arg(strSource), Usage);
    }

    // The folder's name says its language ("German": de): its way of ending a sentence, its dictionary.
    const QString strFolderLanguage = LanguageCodeOfFolder(strFolder);
    std::unique_ptr<clsSpeller> objSpeller;
    if (udtOptions.Spell) {
        const QString strLanguage = udtOptions.Dictionary.isEmpty() ? strFolderLanguage : udtOptions.Dictionary;
        if (strLanguage.isEmpty())
            return UsageError(strCommand, QStringLiteral("cannot tell the language of %1 from its name; give --dictionary LANG").arg(strFolder), Usage);
        objSpeller = std::make_unique<clsSpeller>(strLanguage, clsSpeller::enuWordList::ReadOnly);
        if (!objSpeller->IsValid()) {
            PrintError(QStringLiteral("tralyx-lrc lint: ") + objSpeller->Problem());
            return 1;
        }
    }
    const ExtraEntryRule fnSpelling = [&](enuFileKind penuFile, const udtEntryText& pudtEntry, std::vector<udtProblem>& pudtOut) {
        CheckSpelling(*objSpeller, penuFile, pudtEntry, pudtOut);
    };
    const clsCliDesktop objDesktop(false);
    const udtFolderCheck udtCheck =
        CheckFolder(strSource, strFolder, udtOptions.CodePage, objSpeller ? fnSpelling : ExtraEntryRule(), strFolderLanguage);
    const QByteArray bytOut = udtOptions.Json ? JsonReport(udtCheck) : TextReport(udtCheck);
    std::fwrite(bytOut.constData(), 1, static_cast<size_t>(bytOut.size()), stdout);
    return udtCheck.AllLoaded() && udtCheck.Count(enuSeverity::Error) == 0 ? 0 : 1;
}

}  // namespace tralyx::cli
