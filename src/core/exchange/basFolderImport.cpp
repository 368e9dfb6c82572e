#include "exchange/basFolderImport.h"

#include "exchange/basExchangeFiles.h"
#include "exchange/basExchangeImport.h"
#include "state/clsFolderTransaction.h"
#include "store/basSafeFile.h"
#include "store/basSourceFolder.h"

#include <QCoreApplication>

namespace tralyx {
namespace {

// "de_DE" and "de" are one language: the primary subtag decides.
bool SameLanguage(const QString& pstrOne, const QString& pstrOther)
{
    const auto Primary = [](const QString& s) {
        qsizetype i = 0;
        while (i < s.size() && s[i].isLetter()) ++i;
        return s.left(i).toLower();
    };
    return Primary(pstrOne) == Primary(pstrOther);
}

// Whole sentences for one and for more, so that each language says them its own way.
QString ChangedText(int32_t plngChanged)
{
    return plngChanged == 1 ? QCoreApplication::translate("basFolderImport", "1 entry changed")
                            : QCoreApplication::translate("basFolderImport", "%1 entries changed").arg(plngChanged);
}

}  // namespace

udtImportRun ImportIntoFolder(const udtImportRequest& r)
{
    udtImportRun udtRun;
    std::vector<udtReportLine>& udtLines = udtRun.Lines;
    const auto Out = [&](const QString& pstrLine) { udtLines.push_back({false, pstrLine}); };
    const auto Err = [&](const QString& pstrLine) { udtLines.push_back({true, pstrLine}); };
    const auto Fail = [&](const QString& pstrLine) {
        Err(pstrLine);
        return udtRun;
    };
    QString strError;
    QByteArray bytContent;
    udtExchangeDocument udtDocument;
    const bool booPo = ExchangeFormatOf(r.File) == enuExchangeFormat::Po;
    if (!ReadWholeFile(r.File, bytContent, strError) ||
        !(booPo ? ReadPo(bytContent, udtDocument, strError) : ReadXliff(bytContent, udtDocument, strError)))
        return Fail(QStringLiteral("%1: %2").arg(r.File, strError));
    for (const QString& strWarning : udtDocument.Warnings) Err(QStringLiteral("%1: warning: %2").arg(r.File, strWarning));
    if (udtDocument.Entries.empty()) return Fail(QCoreApplication::translate("basFolderImport", "%1: nothing to import (the file holds no entries)").arg(r.File));
    const QString strLanguage = r.Language.isEmpty() ? LanguageCodeOfFolder(r.Folder) : r.Language;
    if (!udtDocument.TargetLanguage.isEmpty() && !strLanguage.isEmpty() && !SameLanguage(udtDocument.TargetLanguage, strLanguage))
        return Fail(QCoreApplication::translate("basFolderImport", "%1: the translations are for the language '%2', %3 is '%4'; nothing was imported "
                                   "(--language %2 imports them all the same)")
                        .arg(r.File, udtDocument.TargetLanguage, r.Folder, strLanguage));

    // The records of what was exported are of a folder of the file's language: imported into another
    // (--language), every translation that differs from the folder's is applied, as without them.
    const QString strFolderLanguage = LanguageCodeOfFolder(r.Folder);
    if (!r.Language.isEmpty() || (!strFolderLanguage.isEmpty() && !SameLanguage(udtDocument.TargetLanguage, strFolderLanguage)))
        for (udtExchangeEntry& udtEntry : udtDocument.Entries) udtEntry.Exported.clear();

    // The folder's lock from the read of its files and state to the last write: a second import, an
    // update or the editor's Save waits for this one instead of writing over its change.
    clsFolderTransaction objChange;
    const bool booWrites = r.Force && !r.DryRun;
    if (booWrites) {
        if (!objChange.Begin(r.Folder, strError)) return Fail(strError);
        if (r.DiscardState) objChange.DiscardState();
        if (const QString strProblem = objChange.StateProblem(); !strProblem.isEmpty())
            return Fail(strProblem + QCoreApplication::translate("basFolderImport", "; nothing was written"));
    }
    udtLanguageFolder udtFolder;
    QStringList strErrors;
    std::array<clsFileLock, 3> objLocks;
    bool booAllWell = LoadLanguageFolder(r.Folder, r.CodePage, udtFolder, strErrors, r.DryRun ? nullptr : &objLocks);
    if (booWrites) {  // the state as read under the lock
        udtFolder.State = objChange.State();
        for (const enuFileKind enuFile : AllFileKinds)
            if (!udtFolder.FileOf(enuFile).isEmpty() && udtFolder.ErrorOf(enuFile).isEmpty()) udtFolder.State.Prune(enuFile, udtFolder.Store);
    }
    // The source: what the translations were made for, and what the checks compare with.
    udtLanguageFolder udtSource;
    const QString strSource = r.Source.isEmpty() ? FindSourceFolder(r.Folder) : r.Source;
    if (!strSource.isEmpty() && !LoadLanguageFolder(strSource, r.CodePage, udtSource, strErrors)) {
        for (const QString& strLine : strErrors) Err(strLine);
        return udtRun;
    }
    for (const QString& strLine : strErrors) Err(strLine);
    if (strSource.isEmpty())
        Out(QCoreApplication::translate("basFolderImport", "%1: no source folder (no sibling folder named English; --source DIR names one): the "
                           "translations were not compared with the source, and the checks did not run")
                .arg(r.Folder));
    if (!udtFolder.StateIssue.isEmpty()) Err(QStringLiteral("warning: ") + QCoreApplication::translate("basFolderImport", "%1; it is ignored").arg(udtFolder.StateIssue));
    const clsTranslationState objStateRead = udtFolder.State;  // as its file holds it
    for (const auto& u : VerifyFolderState(udtFolder, strSource.isEmpty() ? nullptr : &udtSource))
        Err(u.Warning(r.Folder));
    const udtImportPlan udtPlan = PlanImport(udtFolder, udtDocument, strSource.isEmpty() ? nullptr : &udtSource, r.Theirs);

    // The errors first: they are written all the same, but the translator should see them.
    for (const udtProblem& u : udtPlan.Problems)
        Err(QStringLiteral("%1:%2: error: %3: %4: %5").arg(udtFolder.FileOf(*FileKindOfPath(u.File))).arg(u.Line).arg(u.Entry, u.Rule, u.Message));
    std::vector<udtFolderWrite> udtWrites;  // the files whose state goes with them, and those written
    std::vector<std::pair<size_t, const udtImportedFile*>> udtPending;  // lines said once the writes are done
    for (const udtImportedFile& udtFile : udtPlan.Files) {
        const QString strChanged = ChangedText(udtFile.Changed);
        if (udtFile.Changed == 0) {
            udtWrites.push_back({udtFile.File, {}});
            Out(QCoreApplication::translate("basFolderImport", "%1: no change, not written").arg(udtFile.Path));
        } else if (udtFile.Refused) {
            booAllWell = false;
            Err(QCoreApplication::translate("basFolderImport", "%1: %2, not written: %3").arg(udtFile.Path, strChanged, udtFile.Reason));
        } else if (r.DryRun) {
            Out(QCoreApplication::translate("basFolderImport", "%1: %2, would be written (dry run)").arg(udtFile.Path, strChanged));
        } else if (!r.Force) {
            booAllWell = false;
            Err(QCoreApplication::translate("basFolderImport", "%1: %2, not written: the file exists (give --force to replace it)").arg(udtFile.Path, strChanged));
        } else {
            udtWrites.push_back({udtFile.File, [&udtFile](QString& pstrReason) {
                                     return WriteFileAtomically(udtFile.Path, udtFile.Content, pstrReason, true, &udtFile.Old);
                                 }});
            udtPending.push_back({udtLines.size(), &udtFile});
            udtLines.push_back({});
        }
    }
    const bool booStateChanges = !(udtPlan.State == objStateRead);
    const QString strStateFile = clsTranslationState::PathIn(r.Folder);
    if (booWrites) {
        // An unchanged state is handed back as it was read, so that its file keeps its bytes.
        const udtFolderCommit udtCommit = objChange.Commit(booStateChanges ? udtPlan.State : objChange.State(), udtWrites);
        size_t i = 0;
        for (const udtWrittenFile& udtWritten : udtCommit.Files) {
            const auto [lngLine, pudtFile] = udtPending[i++];
            const QString strChanged = ChangedText(pudtFile->Changed);
            booAllWell = udtWritten.Written && booAllWell;
            udtLines[lngLine] = udtWritten.Written
                                    ? udtReportLine{false, QCoreApplication::translate("basFolderImport", "%1: %2, written").arg(pudtFile->Path, strChanged)}
                                    : udtReportLine{true, QCoreApplication::translate("basFolderImport", "%1: %2, not written: %3").arg(pudtFile->Path, strChanged, udtWritten.Reason)};
        }
        if (booStateChanges && !udtCommit.StateReason.isEmpty()) {
            booAllWell = false;
            Err(QCoreApplication::translate("basFolderImport", "%1: not written: %2").arg(strStateFile, udtCommit.StateReason));
        } else if (booStateChanges && udtCommit.StateWritten) {
            Out(QCoreApplication::translate("basFolderImport", "%1: written").arg(strStateFile));
        }
    } else if (booStateChanges && r.DryRun) {
        Out(QCoreApplication::translate("basFolderImport", "%1: the state changes, would be written (dry run)").arg(strStateFile));
    } else if (booStateChanges) {
        booAllWell = false;
        Err(QCoreApplication::translate("basFolderImport", "%1: the state changes, not written (give --force to write it)").arg(strStateFile));
    }
    qsizetype lngNotApplied = 0;
    for (const udtNotApplied& udtItem : udtPlan.NotApplied) {
        QString strLine = QStringLiteral("%1 %2: %3").arg(udtItem.FileName, udtItem.Key, udtItem.Reason);
        if (udtItem.Conflict) strLine = QStringLiteral("%1:%2: %3").arg(r.File).arg(udtItem.Line).arg(strLine);
        if (udtItem.Informational) {
            Out(QCoreApplication::translate("basFolderImport", "left as it is: ") + strLine);
        } else {
            ++lngNotApplied;
            Err(QCoreApplication::translate("basFolderImport", "not applied: ") + strLine);
        }
    }
    if (lngNotApplied > 0) {
        booAllWell = false;
        Err(QCoreApplication::translate("basFolderImport", "%1: %2 translations not applied").arg(r.File).arg(lngNotApplied));
    }
    if (!udtPlan.Problems.empty()) {
        booAllWell = false;
        const QString strWhy = QCoreApplication::translate("basFolderImport", "listed first; the translations are the translator's, and are written all the same");
        Err(udtPlan.Problems.size() == 1
                ? QCoreApplication::translate("basFolderImport", "%1: the import brings in 1 error of the checks (%2)").arg(r.File, strWhy)
                : QCoreApplication::translate("basFolderImport", "%1: the import brings in %2 errors of the checks (%3)")
                      .arg(r.File, QString::number(udtPlan.Problems.size()), strWhy));
    }
    udtRun.AllWell = booAllWell;
    return udtRun;
}

}  // namespace tralyx
