// tralyx-lrc update OLD NEW DEST: the update merge of the three language files, without a window,
// for build pipelines.
#include "CliDesktop.h"
#include "CliJson.h"
#include "CliOptions.h"
#include "Commands.h"
#include "common/basFileSystem.h"
#include "memory/basMemoryFill.h"
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
QByteArray JsonReports(const udtFolderUpdate& pudtUpdate, const QStringList& pstrSummaries, const QString& pstrFill)
{
    const QVector<udtUpdateReport>& pudtReports = pudtUpdate.Files;
    QByteArray bytOut;
    clsJsonWriter objJson(bytOut);
    objJson.BeginObject();
    objJson.Key("files");
    objJson.BeginArray(2, 0);
    const auto OrNull = [&objJson](const char* pstrKey, const QString& pstrValue) {
        objJson.Key(pstrKey);
        if (pstrValue.isEmpty()) objJson.Null();
        else objJson.String(pstrValue);
    };
    // The lists each start a line, their entries one a line below them.
    const auto EntryList = [&objJson](const char* pstrKey, const auto& pudtEntries) {
        objJson.BreakLine(3);
        objJson.Key(pstrKey);
        objJson.BeginArray(4);
        for (const auto& udtEntry : pudtEntries) {
            objJson.BeginObject();
            objJson.Field("entry", udtEntry.Key);
            objJson.Field("text", udtEntry.Text);
            if constexpr (requires { udtEntry.Duplicate; }) {
                objJson.Key("duplicate");
                objJson.Bool(udtEntry.Duplicate);
            }
            objJson.EndObject();
        }
        objJson.EndArray();
    };
    // Changed and moved entries, named by the report: the ids are made here.
    const auto CarriedList = [&](const udtUpdateReport& r, const char* pstrKey, const QVector<udtCarriedEntry>& pudtEntries,
                                 bool pbooChanged) {
        objJson.BreakLine(3);
        objJson.Key(pstrKey);
        objJson.BeginArray(4);
        for (const udtCarriedEntry& u : pudtEntries) {
            const QString strKey = r.KeyAt(u.Position), strFrom = r.OldKeyAt(u.From);
            objJson.BeginObject();
            objJson.Field("entry", strKey);
            OrNull("from", strFrom == strKey ? QString() : strFrom);
            objJson.Field("text", u.Text);
            if (pbooChanged) {
                objJson.Field("previous", u.Previous);
                objJson.Field("source", u.Source);
            } else {
                objJson.Key("review");
                objJson.Bool(u.Review);
            }
            objJson.EndObject();
        }
        objJson.EndArray();
    };
    for (qsizetype f = 0; f < pudtReports.size(); ++f) {
        const udtUpdateReport& udtReport = pudtReports[f];
        objJson.BeginObject();
        objJson.Field("file", udtReport.FileName);
        objJson.Field("destination", udtReport.DestinationFile);
        objJson.Field("outcome", QString::fromLatin1(OutcomeName(udtReport.Outcome)));
        objJson.Field("summary", pstrSummaries[f]);
        objJson.Key("error");
        if (udtReport.FailedFile.isEmpty()) {
            objJson.Null();
        } else {
            objJson.BeginObject();
            objJson.Field("file", udtReport.FailedFile);
            objJson.Field("line", udtReport.Issue.Line);
            objJson.Field("reason", udtReport.Issue.Reason);
            objJson.EndObject();
        }
        OrNull("oldSource", udtReport.OldSourceFile);
        objJson.Field("kept", udtReport.KeptFromOld);
        objJson.BreakLine(3);
        objJson.Key("keptEntries");
        objJson.BeginArray();
        for (const int32_t lngPosition : udtReport.Kept) objJson.String(udtReport.KeyAt(lngPosition));
        objJson.EndArray();
        CarriedList(udtReport, "changed", udtReport.Changed, true);
        CarriedList(udtReport, "moved", udtReport.Moved, false);
        EntryList("new", udtReport.TakenNew);
        EntryList("dropped", udtReport.Dropped);
        objJson.BreakLine(3);
        objJson.Key("warnings");
        objJson.BeginArray();
        for (const QString& strWarning : udtReport.Warnings) objJson.String(strWarning);
        objJson.EndArray();
        objJson.EndObject();
    }
    objJson.EndArray();
    objJson.Key("destinationCreated");
    objJson.Bool(!pudtUpdate.DestinationLine.isEmpty());
    objJson.Key("state");
    if (pudtUpdate.StateLine.isEmpty()) {
        objJson.Null();
    } else {
        objJson.BeginObject();
        objJson.Field("summary", pudtUpdate.StateLine);
        objJson.Key("failed");
        objJson.Bool(pudtUpdate.StateFailed);
        objJson.EndObject();
    }
    if (!pstrFill.isEmpty()) objJson.Field("fill", pstrFill);
    objJson.EndObject();
    return bytOut;
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

    udtFolderUpdate udtUpdate;
    {
        const clsCliDesktop objDesktop(udtOptions.Force);
        udtUpdate = UpdateLanguageFolder({strFolders[0], strFolders[1], strFolders[2], udtOptions.OldSource}, udtOptions.CodePage,
                                         !udtOptions.DryRun, udtOptions.DiscardState);
    }
    const QVector<udtUpdateReport>& udtReports = udtUpdate.Files;
    bool booAllWell = !udtUpdate.StateFailed;
    QStringList strSummaries, strTexts;
    for (const udtUpdateReport& udtReport : udtReports) {
        QString strSummary = udtReport.Summary();
        if (udtReport.Outcome == enuUpdateOutcome::Merged) {
            booAllWell = DescribeDryRun(udtReport, udtOptions.Force, strSummary) && booAllWell;
        } else {
            booAllWell = udtReport.Written() && booAllWell;
            if (udtReport.Issue.Declined) strSummary += Lrc::tr(" (--force overwrites it)");
        }
        strSummaries.append(strSummary);
        if (!udtOptions.Json) {
            const QString strRest = udtReport.Text().section(u'\n', 1);
            strTexts.append(strRest.isEmpty() ? strSummary : strSummary + u'\n' + strRest);
        }
    }
    QString strFill;
    if (udtOptions.FillFromMemory) {
        if (udtOptions.DryRun) strFill = Lrc::tr("fill from memory: not tried in a dry run");
        else if (!booAllWell) strFill = Lrc::tr("fill from memory: not done, the update did not write every file");
        else booAllWell = FillDestination(udtOptions, strFolders[1], strFolders[2], strFill) && booAllWell;
    }
    if (udtOptions.Json) {
        const QByteArray bytJson = JsonReports(udtUpdate, strSummaries, strFill) + '\n';
        std::fwrite(bytJson.constData(), 1, static_cast<size_t>(bytJson.size()), stdout);
    } else {
        if (!udtUpdate.DestinationLine.isEmpty()) PrintOutput(udtUpdate.DestinationLine);
        for (const QString& strText : strTexts) PrintOutput(strText);
        if (!udtUpdate.StateLine.isEmpty()) PrintOutput(udtUpdate.StateLine);
        if (!strFill.isEmpty()) PrintOutput(strFill);
    }
    return booAllWell ? 0 : 1;
}

}  // namespace tralyx::cli
