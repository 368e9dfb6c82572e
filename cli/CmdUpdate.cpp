// tralyx-lrc update OLD NEW DEST: the update merge of the three language files, without a window,
// for build pipelines.
#include "CliDesktop.h"
#include "CliJson.h"
#include "CliOptions.h"
#include "Commands.h"
#include "common/basFileSystem.h"
#include "common/basOnEveryCore.h"
#include "memory/basMemoryFill.h"
#include "store/basLanguageNames.h"
#include "store/clsTralyx.h"
#include "update/basFolderUpdate.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>

namespace tralyx::cli {
namespace {

const char* const UpdateUsage =
    QT_TRANSLATE_NOOP("tralyx_lrc", "usage: tralyx-lrc update OLD NEW DEST [--old-source DIR] [--fill-from-memory --memory PATH...] [--force]\n"
    "                         [--dry-run] [--json] [--discard-state] [--code-page NAME]\n"
    "  Merges core.lrc, messages.lrc and secondary.lrc of the old (translated) folder OLD with those\n"
    "  of the new release's folder NEW into DEST (made when it does not exist): entries the old files\n"
    "  already had keep their text.\n"
    "  --old-source DIR the source folder OLD was translated from: a text whose source changed is kept\n"
    "                   for review, texts follow their source to a new number, renamed controls keep\n"
    "                   their translation; the state goes to DEST/translation-state.json\n"
    "  --fill-from-memory  then put the memory's exact match into every untranslated text of DEST, each\n"
    "                   marked for review in DEST/translation-state.json (not in a dry run)\n"
    "  --memory PATH    a translated language folder (its source the sibling English folder) or a .tmx\n"
    "                   file of the memory; repeatable\n"
    "  --force          overwrite files that already exist in DEST (otherwise they are left alone)\n"
    "  --dry-run        write nothing; report what would happen\n"
    "  --json           print the reports as JSON, with every entry taken new and every one dropped\n"    "  --discard-state  go on when OLD's or DEST's translation-state.json cannot be read (its marks\n"
    "                   and notes are lost); without it nothing is written\n"
    "  --code-page NAME the code page of the files (default windows-1252)\n"
    "  OLD may be a root, a folder of language folders: each of them but its English is updated into\n"
    "  DEST/<its name>, against that English as the old source (or --old-source), on every core.\n"
    "  Exit status: 0 all three files written, 1 a file was skipped or failed, 2 usage error.");

// A dry run's first line: what the write would do, judged without writing. False when the file
// would not be written.
bool DescribeDryRun(const udtUpdateReport& pudtReport, bool pbooForce, QString& pstrLine)
{
    const QFileInfo objDestination(pudtReport.DestinationFile);
    if (!objDestination.absoluteDir().exists()) {
        // The update makes the folder, where the part of its path that is there is a folder.
        if (const QString strBlocked = FolderBlockedBy(objDestination.absolutePath()); !strBlocked.isEmpty()) {
            pstrLine = Lrc::tr("%1 would not be written: %2 is not a folder").arg(pudtReport.FileName, strBlocked);
            return false;
        }
        pstrLine = Lrc::tr("%1 would be written to %2").arg(pudtReport.FileName, pudtReport.DestinationFile);
        return true;
    }
    if (objDestination.isDir()) {
        pstrLine = Lrc::tr("%1 would not be written: %2 is a folder").arg(pudtReport.FileName, pudtReport.DestinationFile);
        return false;
    }
    // A FIFO, a device or a socket is never replaced: the real write refuses it.
    if (objDestination.exists() && !objDestination.isFile()) {
        pstrLine = Lrc::tr("%1 would not be written: %2 is not a regular file").arg(pudtReport.FileName, pudtReport.DestinationFile);
        return false;
    }
    const bool booTaken = fs::NameTaken(pudtReport.DestinationFile);  // a dangling symlink too
    if (booTaken && !pbooForce) {
        pstrLine = Lrc::tr("%1 would not be written: %2 already exists (--force overwrites it)")
                       .arg(pudtReport.FileName, pudtReport.DestinationFile);
        return false;
    }
    pstrLine = (booTaken ? Lrc::tr("%1 would be overwritten: %2") : Lrc::tr("%1 would be written to %2"))
                   .arg(pudtReport.FileName, pudtReport.DestinationFile);
    return true;
}

const char* OutcomeName(enuUpdateOutcome penuOutcome)
{
    switch (penuOutcome) {
    case enuUpdateOutcome::Written: return "written";
    case enuUpdateOutcome::Merged: return "merged";
    case enuUpdateOutcome::NotMerged: return "not merged";
    case enuUpdateOutcome::NotWritten: break;
    }
    return "not written";
}

// {"files": [{"file", "destination", "outcome", "summary", "error", "oldSource", "kept",
// "keptEntries": [...], "changed": [{"entry", "from", "text", "previous", "source"}], "moved": [{"entry",
// "from", "text", "review"}], "new": [{"entry", "text"}], "dropped": [{"entry", "text", "duplicate"}],
// "warnings": [...]}], "destinationCreated": bool (in a dry run: would be), "state": null or {"summary", "failed"},
// "fill" (with --fill-from-memory): what the fill did}
void WriteJsonReports(clsJsonWriter& pobjJson, const udtFolderUpdate& pudtUpdate, const QStringList& pstrSummaries, const QString& pstrFill)
{
    const QVector<udtUpdateReport>& pudtReports = pudtUpdate.Files;
    pobjJson.BeginObject();
    pobjJson.Key("files");
    pobjJson.BeginArray(2, 0);
    const auto OrNull = [&pobjJson](const char* pstrKey, const QString& pstrValue) {
        pobjJson.Key(pstrKey);
        if (pstrValue.isEmpty()) pobjJson.Null();
        else pobjJson.String(pstrValue);
    };
    // The lists each start a line, their entries one a line below them.
    const auto EntryList = [&pobjJson](const char* pstrKey, const auto& pudtEntries) {
        pobjJson.BreakLine(3);
        pobjJson.Key(pstrKey);
        pobjJson.BeginArray(4);
        for (const auto& udtEntry : pudtEntries) {
            pobjJson.BeginObject();
            pobjJson.Field("entry", udtEntry.Key);
            pobjJson.Field("text", udtEntry.Text);
            if constexpr (requires { udtEntry.Duplicate; }) {
                pobjJson.Key("duplicate");
                pobjJson.Bool(udtEntry.Duplicate);
            }
            pobjJson.EndObject();
        }
        pobjJson.EndArray();
    };
    // Changed and moved entries, named by the report: the ids are made here.
    const auto CarriedList = [&](const udtUpdateReport& r, const char* pstrKey, const QVector<udtCarriedEntry>& pudtEntries,
                                 bool pbooChanged) {
        pobjJson.BreakLine(3);
        pobjJson.Key(pstrKey);
        pobjJson.BeginArray(4);
        for (const udtCarriedEntry& u : pudtEntries) {
            const QString strKey = r.KeyAt(u.Position), strFrom = r.OldKeyAt(u.From);
            pobjJson.BeginObject();
            pobjJson.Field("entry", strKey);
            OrNull("from", strFrom == strKey ? QString() : strFrom);
            pobjJson.Field("text", u.Text);
            if (pbooChanged) {
                pobjJson.Field("previous", u.Previous);
                pobjJson.Field("source", u.Source);
            } else {
                pobjJson.Key("review");
                pobjJson.Bool(u.Review);
            }
            pobjJson.EndObject();
        }
        pobjJson.EndArray();
    };
    for (qsizetype f = 0; f < pudtReports.size(); ++f) {
        const udtUpdateReport& udtReport = pudtReports[f];
        pobjJson.BeginObject();
        pobjJson.Field("file", udtReport.FileName);
        pobjJson.Field("destination", udtReport.DestinationFile);
        pobjJson.Field("outcome", QString::fromLatin1(OutcomeName(udtReport.Outcome)));
        pobjJson.Field("summary", pstrSummaries[f]);
        pobjJson.Key("error");
        if (udtReport.FailedFile.isEmpty()) {
            pobjJson.Null();
        } else {
            pobjJson.BeginObject();
            pobjJson.Field("file", udtReport.FailedFile);
            pobjJson.Field("line", udtReport.Issue.Line);
            pobjJson.Field("reason", udtReport.Issue.Reason);
            pobjJson.EndObject();
        }
        OrNull("oldSource", udtReport.OldSourceFile);
        pobjJson.Field("kept", udtReport.KeptFromOld);
        pobjJson.BreakLine(3);
        pobjJson.Key("keptEntries");
        pobjJson.BeginArray();
        for (const int32_t lngPosition : udtReport.Kept) pobjJson.String(udtReport.KeyAt(lngPosition));
        pobjJson.EndArray();
        CarriedList(udtReport, "changed", udtReport.Changed, true);
        CarriedList(udtReport, "moved", udtReport.Moved, false);
        EntryList("new", udtReport.TakenNew);
        EntryList("dropped", udtReport.Dropped);
        pobjJson.BreakLine(3);
        pobjJson.Key("warnings");
        pobjJson.BeginArray();
        for (const QString& strWarning : udtReport.Warnings) pobjJson.String(strWarning);
        pobjJson.EndArray();
        pobjJson.EndObject();
    }
    pobjJson.EndArray();
    pobjJson.Key("destinationCreated");
    pobjJson.Bool(!pudtUpdate.DestinationLine.isEmpty());
    pobjJson.Key("state");
    if (pudtUpdate.StateLine.isEmpty()) {
        pobjJson.Null();
    } else {
        pobjJson.BeginObject();
        pobjJson.Field("summary", pudtUpdate.StateLine);
        pobjJson.Key("failed");
        pobjJson.Bool(pudtUpdate.StateFailed);
        pobjJson.EndObject();
    }
    if (!pstrFill.isEmpty()) pobjJson.Field("fill", pstrFill);
    pobjJson.EndObject();
}

// The memory's exact matches into the untranslated texts of DEST, as the update wrote it; false
// after printing what failed. pstrLine: what was done.
bool FillDestination(const udtCliOptions& pudtOptions, const QString& pstrSource, const QString& pstrDestination,
                     QString& pstrLine)
{
    // DEST's files are the ones this update has just written.
    const clsCliDesktop objDesktop(true);
    clsTranslationMemory objMemory;
    bool booAll = LoadMemory(objMemory, pudtOptions.Memory, pudtOptions.CodePage);
    QStringList strErrors, strWarnings;
    const int32_t lngFilled =
        FillFolderFromMemory(pstrSource, pstrDestination, pudtOptions.CodePage, objMemory, strErrors, strWarnings);
    for (const QString& strWarning : strWarnings) PrintError(strWarning);
    for (const QString& strError : strErrors) PrintError(strError);
    if (lngFilled < 0) {
        pstrLine = Lrc::tr("fill from memory: not done");
        return false;
    }
    booAll = booAll && strErrors.isEmpty();
    pstrLine = lngFilled == 1 ? Lrc::tr("filled from the memory: 1 text, each marked for review")
                              : Lrc::tr("filled from the memory: %1 texts, each marked for review").arg(lngFilled);
    return booAll;
}

// Prints what an update of one folder did (with --json: into pobjJson where given, a document of its
// own where not), after filling DEST from the memory where asked; false when a file was not written.
// pstrHeading: a line before it.
bool PrintUpdate(const udtCliOptions& pudtOptions, const udtFolderUpdate& pudtUpdate, const QString& pstrNew,
                 const QString& pstrDestination, const QString& pstrHeading, clsJsonWriter* pobjJson = nullptr)
{
    const QVector<udtUpdateReport>& udtReports = pudtUpdate.Files;
    bool booAllWell = !pudtUpdate.StateFailed;
    QStringList strSummaries, strTexts;
    for (const udtUpdateReport& udtReport : udtReports) {
        QString strSummary = udtReport.Summary();
        if (udtReport.Outcome == enuUpdateOutcome::Merged) {
            booAllWell = DescribeDryRun(udtReport, pudtOptions.Force, strSummary) && booAllWell;
        } else {
            booAllWell = udtReport.Written() && booAllWell;
            if (udtReport.Issue.Declined) strSummary += Lrc::tr(" (--force overwrites it)");
        }
        strSummaries.append(strSummary);
        if (!pudtOptions.Json) {
            const QString strRest = udtReport.Text().section(u'\n', 1);
            strTexts.append(strRest.isEmpty() ? strSummary : strSummary + u'\n' + strRest);
        }
    }
    QString strFill;
    if (pudtOptions.FillFromMemory) {
        if (pudtOptions.DryRun) strFill = Lrc::tr("fill from memory: not tried in a dry run");
        else if (!booAllWell) strFill = Lrc::tr("fill from memory: not done, the update did not write every file");
        else booAllWell = FillDestination(pudtOptions, pstrNew, pstrDestination, strFill) && booAllWell;
    }
    if (pudtOptions.Json && pobjJson) {
        WriteJsonReports(*pobjJson, pudtUpdate, strSummaries, strFill);
    } else if (pudtOptions.Json) {
        QByteArray bytJson;
        clsJsonWriter objJson(bytJson);
        WriteJsonReports(objJson, pudtUpdate, strSummaries, strFill);
        bytJson += '\n';
        std::fwrite(bytJson.constData(), 1, static_cast<size_t>(bytJson.size()), stdout);
    } else {
        if (!pstrHeading.isEmpty()) PrintOutput(pstrHeading);
        if (!pudtUpdate.DestinationLine.isEmpty()) PrintOutput(pudtUpdate.DestinationLine);
        for (const QString& strText : strTexts) PrintOutput(strText);
        if (!pudtUpdate.StateLine.isEmpty()) PrintOutput(pudtUpdate.StateLine);
        if (!strFill.isEmpty()) PrintOutput(strFill);
    }
    return booAllWell;
}

// Every language folder under the root OLD but its English (the old source, unless --old-source
// names another) into DEST/<its name>, as many at once as there are cores; each printed as one
// update prints, after a line naming it, in the folders' order.
int UpdateRoot(const udtCliOptions& pudtOptions, const QStringList& pstrUnder)
{
    const QString strCommand = QStringLiteral("update");
    const QStringList& strFolders = pudtOptions.Operands;
    if (pudtOptions.FillFromMemory)
        return UsageError(strCommand, Lrc::tr("--fill-from-memory fills one language; update its folder alone"), UpdateUsage);
    const QString strOldSource = pudtOptions.OldSource.isEmpty() ? EnglishFolderAmong(pstrUnder) : pudtOptions.OldSource;
    if (strOldSource.isEmpty())
        return UsageError(strCommand, Lrc::tr("%1 has no folder named English; name the old source with --old-source DIR").arg(strFolders[0]),
                          UpdateUsage);
    std::vector<udtUpdateFolders> udtJobs;
    for (const QString& strLanguage : pstrUnder) {
        const QString strCanonical = QFileInfo(strLanguage).canonicalFilePath();
        if (strCanonical == QFileInfo(strOldSource).canonicalFilePath() || strCanonical == QFileInfo(strFolders[1]).canonicalFilePath()) continue;
        udtJobs.push_back({strLanguage, strFolders[1], QDir(strFolders[2]).filePath(QFileInfo(strLanguage).fileName()), strOldSource});
    }
    std::vector<udtFolderUpdate> udtUpdates(udtJobs.size());
    {
        const clsCliDesktop objDesktop(pudtOptions.Force);
        OnEveryCore(udtJobs.size(), [&](size_t i) {
            udtUpdates[i] = UpdateLanguageFolder(udtJobs[i], pudtOptions.CodePage, !pudtOptions.DryRun, pudtOptions.DiscardState);
        });
    }
    bool booAllWell = true;
    QByteArray bytJson;
    clsJsonWriter objJson(bytJson);
    objJson.BeginObject();
    objJson.Field("root", strFolders[0]);
    objJson.Key("languages");
    objJson.BeginArray(2, 0);
    for (size_t i = 0; i < udtJobs.size(); ++i) {
        if (pudtOptions.Json) {
            objJson.BeginObject();
            objJson.Field("folder", udtJobs[i].Old);
            objJson.Field("destination", udtJobs[i].Destination);
            objJson.Key("update");
        }
        booAllWell = PrintUpdate(pudtOptions, udtUpdates[i], udtJobs[i].New, udtJobs[i].Destination,
                                 Lrc::tr("%1 into %2:").arg(udtJobs[i].Old, udtJobs[i].Destination), &objJson) &&
                     booAllWell;
        if (pudtOptions.Json) objJson.EndObject();
    }
    objJson.EndArray();
    objJson.EndObject();
    if (pudtOptions.Json) {
        bytJson += '\n';
        std::fwrite(bytJson.constData(), 1, static_cast<size_t>(bytJson.size()), stdout);
    }
    return booAllWell ? 0 : 1;
}

}  // namespace

int CmdUpdate(const QStringList& pstrArgs)
{
    udtCliOptions udtOptions;
    const QString strCommand = QStringLiteral("update");
    const uint32_t lngAllowed = optForce | optDryRun | optJson | optCodePage | optOldSource | optFillFromMemory | optMemory | optDiscardState;
    if (const std::optional<int> lngExit = ParseCommand(pstrArgs, lngAllowed, strCommand, UpdateUsage, udtOptions))
        return *lngExit;
    const QStringList& strFolders = udtOptions.Operands;
    if (strFolders.size() != 3)
        return UsageError(strCommand, Lrc::tr("expected three folders (OLD NEW DEST), got %1").arg(strFolders.size()),
                          UpdateUsage);
    // An empty name would be taken for the root folder, and blanks are a slip.
    if (std::any_of(strFolders.begin(), strFolders.end(), [](const QString& s) { return s.trimmed().isEmpty(); }))
        return UsageError(strCommand, Lrc::tr("an empty argument is not a folder name"), UpdateUsage);
    if (QFileInfo(strFolders[2]).exists() && !QFileInfo(strFolders[2]).isDir()) {
        PrintError(Lrc::tr("tralyx-lrc update: %1 is not a folder; nothing was written").arg(strFolders[2]));
        return 1;
    }

    if (!udtOptions.OldSource.isEmpty() && !QFileInfo(udtOptions.OldSource).isDir())
        return UsageError(strCommand, Lrc::tr("%1 is not a folder").arg(udtOptions.OldSource), UpdateUsage);
    if (udtOptions.FillFromMemory != !udtOptions.Memory.isEmpty())
        return UsageError(strCommand, Lrc::tr("--fill-from-memory and --memory PATH go together"), UpdateUsage);

    if (!IsLanguageFolder(strFolders[0]))
        if (const QStringList strUnder = LanguageFoldersUnder(strFolders[0]); !strUnder.isEmpty())
            return UpdateRoot(udtOptions, strUnder);

    udtFolderUpdate udtUpdate;
    {
        const clsCliDesktop objDesktop(udtOptions.Force);
        udtUpdate = UpdateLanguageFolder({strFolders[0], strFolders[1], strFolders[2], udtOptions.OldSource}, udtOptions.CodePage,
                                         !udtOptions.DryRun, udtOptions.DiscardState);
    }
    return PrintUpdate(udtOptions, udtUpdate, strFolders[1], strFolders[2], QString()) ? 0 : 1;
}

}  // namespace tralyx::cli
