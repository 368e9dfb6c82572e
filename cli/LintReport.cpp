#include "LintReport.h"

#include "CliJson.h"
#include "CliOptions.h"

#include <QDir>
#include <QFileInfo>
#include <QXmlStreamWriter>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace tralyx::cli {
namespace {

QString Plural(int64_t plngCount, enuSeverity penuSeverity)
{
    const bool booOne = plngCount == 1;
    switch (penuSeverity) {
    case enuSeverity::Error: return booOne ? Lrc::tr("1 error") : Lrc::tr("%L1 errors").arg(plngCount);
    case enuSeverity::Warning: return booOne ? Lrc::tr("1 warning") : Lrc::tr("%L1 warnings").arg(plngCount);
    case enuSeverity::Info: break;
    }
    return booOne ? Lrc::tr("1 info") : Lrc::tr("%L1 infos").arg(plngCount);
}

int32_t FileCount(const udtFileCheck& pudtFile, enuSeverity penuSeverity)
{
    const auto lngProblems = std::count_if(pudtFile.Problems.begin(), pudtFile.Problems.end(),
                                           [&](const udtProblem& u) { return u.Severity == penuSeverity; });
    return static_cast<int32_t>(lngProblems) + (penuSeverity == enuSeverity::Error && !pudtFile.Loaded());
}

bool HasRule(const udtFileCheck& pudtFile, QLatin1StringView pstrRule)
{
    return std::any_of(pudtFile.Problems.begin(), pudtFile.Problems.end(), [&](const udtProblem& u) { return u.Rule == pstrRule; });
}

// Spelling is only checked when asked for, and then shown.
bool Shown(const udtLintRun& pudtRun, const udtProblem& pudtProblem)
{
    return pudtRun.Infos || pudtProblem.Severity != enuSeverity::Info || pudtProblem.Rule == u"spelling";
}

QString StateSeverity(const udtFolderCheck& pudtFolder) { return pudtFolder.StateConflict ? u"error"_s : u"warning"_s; }

// "German/core.lrc:10: error: frmMain.cmdNew.0.C: accelerator: ..."
QString ProblemLine(const udtFileCheck& pudtFile, const udtProblem& pudtProblem)
{
    QString strOut = pudtFile.Path;
    if (pudtProblem.Line > 0) strOut += u':' + QString::number(pudtProblem.Line);
    strOut += QStringLiteral(": ") + SeverityName(pudtProblem.Severity) + QStringLiteral(": ");
    if (!pudtProblem.Entry.isEmpty()) strOut += pudtProblem.Entry + QStringLiteral(": ");
    return strOut + pudtProblem.Rule + QStringLiteral(": ") + pudtProblem.Message;
}

QString LoadLine(const udtFileCheck& pudtFile)
{
    return IssueText(pudtFile.FailedFile, {pudtFile.Issue.Line, QStringLiteral("error: ") + pudtFile.Issue.Reason});
}

QString SummaryLine(const udtFolderCheck& pudtCheck)
{
    const udtTranslatedCount udtCount = pudtCheck.Translated();
    return Lrc::tr("%1 against %2: %3, %4, %5; %L6 of %L7 entries translated")
        .arg(pudtCheck.Folder, pudtCheck.Source, Plural(pudtCheck.Count(enuSeverity::Error), enuSeverity::Error),
             Plural(pudtCheck.Count(enuSeverity::Warning), enuSeverity::Warning), Plural(pudtCheck.Count(enuSeverity::Info), enuSeverity::Info))
        .arg(udtCount.Translated)
        .arg(udtCount.Entries);
}

void AppendFolderText(const udtLintRun& pudtRun, const udtFolderCheck& pudtCheck, QString& pstrOut)
{
    if (!pudtCheck.StateIssue.isEmpty()) pstrOut += StateSeverity(pudtCheck) + QStringLiteral(": state: ") + pudtCheck.StateIssue + u'\n';
    if (!pudtCheck.FolderIssue.isEmpty()) pstrOut += pudtCheck.Folder + QStringLiteral(": error: ") + pudtCheck.FolderIssue + u'\n';
    for (const udtFileCheck& udtFile : pudtCheck.Files) {
        for (const udtProblem& udtProblem : udtFile.Problems)
            if (Shown(pudtRun, udtProblem)) pstrOut += ProblemLine(udtFile, udtProblem) + u'\n';
        if (!udtFile.Loaded()) pstrOut += LoadLine(udtFile) + u'\n';
    }
    pstrOut += SummaryLine(pudtCheck) + u'\n';
}

void AppendFolderJson(const udtLintRun& pudtRun, const udtFolderCheck& pudtCheck, bool pbooCounts, clsJsonWriter& objJson)
{
    const udtTranslatedCount udtCount = pudtCheck.Translated();
    objJson.Field("source", pudtCheck.Source);
    objJson.Field("folder", pudtCheck.Folder);
    objJson.Field("entries", udtCount.Entries);
    objJson.Field("translated", udtCount.Translated);
    objJson.Field("errors", pudtCheck.Count(enuSeverity::Error));
    objJson.Field("warnings", pudtCheck.Count(enuSeverity::Warning));
    objJson.Field("infos", pudtCheck.Count(enuSeverity::Info));
    objJson.Key("files");
    objJson.BeginArray(4, 2);
    for (const udtFileCheck& udtFile : pudtCheck.Files) {
        objJson.BeginObject();
        objJson.Field("file", LanguageFileName(udtFile.File));
        objJson.Field("entries", udtFile.Count.Entries);
        objJson.Field("translated", udtFile.Count.Translated);
        objJson.Field("review", udtFile.Count.Review);
        objJson.Field("untranslated", udtFile.Count.Untranslated());
        objJson.Field("errors", FileCount(udtFile, enuSeverity::Error));
        objJson.Field("warnings", FileCount(udtFile, enuSeverity::Warning));
        objJson.Field("wordsToDo", udtFile.Count.WordsToDo);
        objJson.EndObject();
    }
    objJson.EndArray();
    if (pbooCounts) return;
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
        Append(clsTranslationState::FileName(), 0, QString(), QStringLiteral("state"),
               pudtCheck.StateConflict ? enuSeverity::Error : enuSeverity::Warning, pudtCheck.StateIssue);
    if (!pudtCheck.FolderIssue.isEmpty()) Append(QString(), 0, QString(), QStringLiteral("empty"), enuSeverity::Error, pudtCheck.FolderIssue);
    for (const udtFileCheck& udtFile : pudtCheck.Files) {
        for (const udtProblem& u : udtFile.Problems)
            if (Shown(pudtRun, u)) Append(u.File, u.Line, u.Entry, u.Rule, u.Severity, u.Message);
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
}

// A workflow command's value: '%', CR and LF escaped; in a property also ':' and ','.
QString GithubEscaped(QString pstrText, bool pbooProperty)
{
    pstrText.replace(u'%', u"%25"_s).replace(u'\r', u"%0D"_s).replace(u'\n', u"%0A"_s);
    if (pbooProperty) pstrText.replace(u':', u"%3A"_s).replace(u',', u"%2C"_s);
    return pstrText;
}

QString GithubLine(const QString& pstrSeverity, const QString& pstrFile, int64_t plngLine, const QString& pstrTitle,
                   const QString& pstrMessage)
{
    QString strOut = u"::"_s + pstrSeverity + u" file="_s + GithubEscaped(pstrFile, true);
    if (plngLine > 0) strOut += u",line="_s + QString::number(plngLine) + u",col=1"_s;
    if (!pstrTitle.isEmpty()) strOut += u",title="_s + GithubEscaped(pstrTitle, true);
    return strOut + u"::"_s + GithubEscaped(pstrMessage, false) + u'\n';
}

QString GithubSeverity(enuSeverity penuSeverity)
{
    return penuSeverity == enuSeverity::Error ? u"error"_s : penuSeverity == enuSeverity::Warning ? u"warning"_s : u"notice"_s;
}

QString FolderName(const QString& pstrFolder) { return QFileInfo(QDir::cleanPath(pstrFolder)).fileName(); }

}  // namespace

bool FileFails(const udtFileCheck& pudtFile, uint32_t plngFailOn)
{
    return !pudtFile.Loaded() || FileCount(pudtFile, enuSeverity::Error) > 0 ||
           ((plngFailOn & failWarning) && FileCount(pudtFile, enuSeverity::Warning) > 0) ||
           ((plngFailOn & failReview) && (pudtFile.Count.Review > 0 || HasRule(pudtFile, QLatin1StringView("review")))) ||
           ((plngFailOn & failUntranslated) && pudtFile.Count.Untranslated() > 0) ||
           ((plngFailOn & failMissing) && HasRule(pudtFile, QLatin1StringView("missing")));
}

bool FolderFails(const udtFolderCheck& pudtFolder, uint32_t plngFailOn)
{
    return !pudtFolder.FolderIssue.isEmpty() || pudtFolder.StateConflict ||
           ((plngFailOn & failWarning) && !pudtFolder.StateIssue.isEmpty()) ||
           std::any_of(pudtFolder.Files.begin(), pudtFolder.Files.end(), [&](const udtFileCheck& u) { return FileFails(u, plngFailOn); });
}

QByteArray LintText(const udtLintRun& pudtRun)
{
    QString strOut;
    for (const udtFolderCheck& udtCheck : pudtRun.Folders) AppendFolderText(pudtRun, udtCheck, strOut);
    QByteArray bytOut = TerminalText(strOut).toUtf8();
    if (!pudtRun.Root.isEmpty()) bytOut += '\n' + StatusTable(pudtRun);
    return bytOut;
}

QByteArray LintJson(const udtLintRun& pudtRun, bool pbooCounts)
{
    QByteArray bytOut;
    clsJsonWriter objJson(bytOut);
    if (pudtRun.Root.isEmpty()) {
        objJson.BeginObject();
        for (const udtFolderCheck& udtCheck : pudtRun.Folders) AppendFolderJson(pudtRun, udtCheck, pbooCounts, objJson);
        objJson.EndObject();
    } else {
        objJson.BeginObject();
        objJson.Field("root", pudtRun.Root);
        objJson.Key("languages");
        objJson.BeginArray(2, 0);
        for (const udtFolderCheck& udtCheck : pudtRun.Folders) {
            objJson.BeginObject();
            AppendFolderJson(pudtRun, udtCheck, pbooCounts, objJson);
            objJson.EndObject();
        }
        objJson.EndArray();
        objJson.EndObject();
    }
    bytOut += '\n';
    return bytOut;
}

QByteArray LintGithub(const udtLintRun& pudtRun)
{
    QString strOut;
    for (const udtFolderCheck& udtCheck : pudtRun.Folders) {
        if (!udtCheck.StateIssue.isEmpty())
            strOut += GithubLine(StateSeverity(udtCheck), clsTranslationState::PathIn(udtCheck.Folder), 0, u"state"_s, udtCheck.StateIssue);
        if (!udtCheck.FolderIssue.isEmpty()) strOut += GithubLine(u"error"_s, udtCheck.Folder, 0, u"empty"_s, udtCheck.FolderIssue);
        for (const udtFileCheck& udtFile : udtCheck.Files) {
            for (const udtProblem& u : udtFile.Problems)
                if (Shown(pudtRun, u))
                    strOut += GithubLine(GithubSeverity(u.Severity), udtFile.Path, u.Line, u.Rule,
                                         u.Entry.isEmpty() ? u.Message : u.Entry + QStringLiteral(": ") + u.Message);
            if (!udtFile.Loaded())
                strOut += GithubLine(u"error"_s, udtFile.FailedFile, udtFile.Issue.Line, u"load"_s, udtFile.Issue.Reason);
        }
        strOut += SummaryLine(udtCheck) + u'\n';
    }
    return TerminalText(strOut).toUtf8();
}

QByteArray LintJunit(const udtLintRun& pudtRun)
{
    QByteArray bytOut;
    QXmlStreamWriter objXml(&bytOut);
    objXml.setAutoFormatting(true);
    objXml.writeStartDocument();
    objXml.writeStartElement(u"testsuites"_s);
    objXml.writeAttribute(u"name"_s, u"tralyx-lrc lint"_s);
    int64_t lngTests = 0, lngFailures = 0;
    for (const udtFolderCheck& udtCheck : pudtRun.Folders) lngTests += static_cast<int64_t>(udtCheck.Files.size()) + 1;
    for (const udtFolderCheck& udtCheck : pudtRun.Folders) lngFailures += FolderFails(udtCheck, pudtRun.FailOn);
    objXml.writeAttribute(u"tests"_s, QString::number(lngTests));
    objXml.writeAttribute(u"failures"_s, QString::number(lngFailures));
    for (const udtFolderCheck& udtCheck : pudtRun.Folders) {
        const QString strSuite = FolderName(udtCheck.Folder);
        const auto TestCase = [&](const QString& pstrName, const QString& pstrFile, bool pbooFails, const QString& pstrSummary,
                                  const QString& pstrLines) {
            objXml.writeStartElement(u"testcase"_s);
            objXml.writeAttribute(u"classname"_s, strSuite);
            objXml.writeAttribute(u"name"_s, pstrName);
            objXml.writeAttribute(u"file"_s, pstrFile);
            if (pbooFails) {
                objXml.writeStartElement(u"failure"_s);
                objXml.writeAttribute(u"message"_s, pstrSummary);
                objXml.writeCharacters(pstrLines);
                objXml.writeEndElement();
            } else if (!pstrLines.isEmpty()) {
                objXml.writeTextElement(u"system-out"_s, pstrLines);
            }
            objXml.writeEndElement();
        };
        int32_t lngSuiteFailures = 0;
        for (const udtFileCheck& udtFile : udtCheck.Files) lngSuiteFailures += FileFails(udtFile, pudtRun.FailOn);
        const bool booFolderFails = !udtCheck.FolderIssue.isEmpty() || udtCheck.StateConflict ||
                                    ((pudtRun.FailOn & failWarning) && !udtCheck.StateIssue.isEmpty());
        objXml.writeStartElement(u"testsuite"_s);
        objXml.writeAttribute(u"name"_s, strSuite);
        objXml.writeAttribute(u"tests"_s, QString::number(udtCheck.Files.size() + 1));
        objXml.writeAttribute(u"failures"_s, QString::number(lngSuiteFailures + booFolderFails));
        objXml.writeAttribute(u"errors"_s, u"0"_s);
        // The folder as a whole: its state file and whether it has any language file.
        QString strFolderLines;
        if (!udtCheck.StateIssue.isEmpty()) strFolderLines += StateSeverity(udtCheck) + u": state: "_s + udtCheck.StateIssue + u'\n';
        if (!udtCheck.FolderIssue.isEmpty()) strFolderLines += u"error: "_s + udtCheck.FolderIssue + u'\n';
        TestCase(u"folder"_s, udtCheck.Folder, booFolderFails, SummaryLine(udtCheck), TerminalText(strFolderLines));
        for (const udtFileCheck& udtFile : udtCheck.Files) {
            QString strLines;
            for (const udtProblem& u : udtFile.Problems)
                if (Shown(pudtRun, u)) strLines += ProblemLine(udtFile, u) + u'\n';
            if (!udtFile.Loaded()) strLines += LoadLine(udtFile) + u'\n';
            const QString strSummary = Lrc::tr("%1, %2; %L3 of %L4 entries translated")
                                           .arg(Plural(FileCount(udtFile, enuSeverity::Error), enuSeverity::Error),
                                                Plural(FileCount(udtFile, enuSeverity::Warning), enuSeverity::Warning))
                                           .arg(udtFile.Count.Translated)
                                           .arg(udtFile.Count.Entries);
            TestCase(LanguageFileName(udtFile.File), udtFile.Path, FileFails(udtFile, pudtRun.FailOn), strSummary, TerminalText(strLines));
        }
        objXml.writeEndElement();
    }
    objXml.writeEndElement();
    objXml.writeEndDocument();
    return bytOut;
}

QByteArray StatusTable(const udtLintRun& pudtRun)
{
    const QStringList strHeads = {u"language"_s, u"file"_s, u"entries"_s, u"translated"_s, u"review"_s,
                                  u"untranslated"_s, u"errors"_s, u"warnings"_s, u"words to do"_s};
    std::vector<QStringList> strRows;
    const auto Row = [&](const QString& pstrLanguage, const QString& pstrFile, const udtTranslatedCount& u, int32_t plngErrors,
                         int32_t plngWarnings) {
        strRows.push_back({pstrLanguage, pstrFile, QString::number(u.Entries), QString::number(u.Translated), QString::number(u.Review),
                           QString::number(u.Untranslated()), QString::number(plngErrors), QString::number(plngWarnings),
                           QString::number(u.WordsToDo)});
    };
    for (const udtFolderCheck& udtCheck : pudtRun.Folders) {
        const QString strLanguage = FolderName(udtCheck.Folder);
        for (const udtFileCheck& udtFile : udtCheck.Files)
            Row(strLanguage, LanguageFileName(udtFile.File), udtFile.Count, FileCount(udtFile, enuSeverity::Error),
                FileCount(udtFile, enuSeverity::Warning));
        Row(strLanguage, u"all"_s, udtCheck.Translated(), udtCheck.Count(enuSeverity::Error), udtCheck.Count(enuSeverity::Warning));
    }
    std::vector<qsizetype> lngWidths;
    for (const QString& strHead : strHeads) lngWidths.push_back(strHead.size());
    for (const QStringList& strRow : strRows)
        for (qsizetype i = 0; i < strRow.size(); ++i) lngWidths[size_t(i)] = std::max(lngWidths[size_t(i)], strRow[i].size());
    QString strOut;
    const auto Line = [&](const QStringList& pstrCells) {
        QString strLine;
        for (qsizetype i = 0; i < pstrCells.size(); ++i) {
            const qsizetype lngWidth = lngWidths[size_t(i)];
            // Names to the left, numbers to the right.
            strLine += (i < 2 ? pstrCells[i].leftJustified(lngWidth) : pstrCells[i].rightJustified(lngWidth)) + u"  "_s;
        }
        strOut += strLine.trimmed() + u'\n';
    };
    Line(strHeads);
    for (const QStringList& strRow : strRows) Line(strRow);
    return TerminalText(strOut).toUtf8();
}

}  // namespace tralyx::cli
