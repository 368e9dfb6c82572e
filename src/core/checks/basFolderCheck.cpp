#include "checks/basFolderCheck.h"

#include "state/clsMergeCandidates.h"

#include "checks/clsTranslationConsistency.h"
#include "common/basOnEveryCore.h"
#include "store/basSafeFile.h"
#include "store/basSavedAsUtf8.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <array>

namespace tralyx {
namespace {

// Loads one side; false, with the failure in the report, when it did not load.
bool Load(clsTralyx& pobjStore, enuFileKind penuFile, const QString& pstrPath, udtFileCheck& pudtCheck)
{
    bool booSuccess = false;
    // A file that reads as UTF-8 is told from its bytes, which the load hands over.
    pobjStore.KeepLoadedBytes(true);
    LoadFile(pobjStore, penuFile, pstrPath, booSuccess);
    pobjStore.KeepLoadedBytes(false);
    QVector<udtFileIssue> udtWarnings = pobjStore.LastWarnings();
    if (const QByteArray bytContent = pobjStore.TakeLoadedBytes(); !bytContent.isNull())
        if (const udtFileIssue udtDoubt = SavedAsUtf8(bytContent, clsCodePage(pobjStore.CodePage())); !udtDoubt.Reason.isEmpty())
            udtWarnings.prepend(udtDoubt);
    for (const udtFileIssue& udtWarning : udtWarnings)
        pudtCheck.Problems.push_back({QStringLiteral("load"), enuSeverity::Warning, LanguageFileName(penuFile),
                                      static_cast<int32_t>(udtWarning.Line), 0, QString(),
                                      pstrPath == pudtCheck.Path ? udtWarning.Reason
                                                                 : pstrPath + QStringLiteral(": ") + udtWarning.Reason});
    if (!booSuccess) {
        pudtCheck.FailedFile = pstrPath;
        pudtCheck.Issue = pobjStore.LastError();
    }
    return booSuccess;
}

}  // namespace

int32_t udtFolderCheck::Count(enuSeverity penuSeverity) const
{
    int32_t lngCount = 0;
    for (const udtFileCheck& udtFile : Files) {
        if (penuSeverity == enuSeverity::Error && !udtFile.Loaded()) ++lngCount;
        for (const udtProblem& udtProblem : udtFile.Problems) lngCount += udtProblem.Severity == penuSeverity;
    }
    const enuSeverity enuStateSeverity = StateConflict ? enuSeverity::Error : enuSeverity::Warning;
    return lngCount + (penuSeverity == enuStateSeverity && !StateIssue.isEmpty()) +
           (penuSeverity == enuSeverity::Error && !FolderIssue.isEmpty());
}

bool udtFolderCheck::AllLoaded() const
{
    return std::all_of(Files.begin(), Files.end(), [](const udtFileCheck& u) { return u.Loaded(); });
}

// The line of the text an id names: a caption's or a title's own line where it has one.
static int32_t TextLine(const clsTralyx& pobjTable, enuFileKind penuFile, const QString& pstrId, qsizetype plngRecord)
{
    const auto At = [&](const QVector<int32_t>& plngLines) { return plngRecord >= 0 && plngRecord < plngLines.size() ? plngLines[plngRecord] : 0; };
    int32_t lngLine = 0;
    if (penuFile == enuFileKind::ControlText && pstrId.endsWith(u".C")) lngLine = At(pobjTable.ControlTextCaptionLines());
    if (penuFile == enuFileKind::Messages && pstrId.startsWith(u"MST")) lngLine = At(pobjTable.MessageTitleLines());
    if (lngLine > 0) return lngLine;
    return At(penuFile == enuFileKind::ControlText ? pobjTable.ControlTextLines()
              : penuFile == enuFileKind::Messages  ? pobjTable.MessageLines()
                                                   : pobjTable.SecondaryLines());
}

udtTranslatedCount udtFolderCheck::Translated() const
{
    udtTranslatedCount udtTotal;
    for (const udtFileCheck& udtFile : Files) udtTotal += udtFile.Count;
    return udtTotal;
}

udtFolderCheck CheckFolder(const QString& pstrSource, const QString& pstrFolder, const QString& pstrCodePage,
                           const ExtraEntryRule& pfnExtraRule, const QString& pstrLanguage)
{
    // The consistency rule sees every file's entries (a text of secondary.lrc is compared with the
    // captions of core.lrc) and reads a first translation back from its table: the translations stay
    // loaded until the folder is done.
    std::array<clsTralyx, 3> objTranslations;
    clsTranslationConsistency objConsistency;
    udtFolderCheck udtOut;
    udtOut.Source = pstrSource;
    udtOut.Folder = pstrFolder;
    if (!udtOut.State.Load(pstrFolder, udtOut.StateIssue, nullptr, &udtOut.StateConflict) && !udtOut.StateConflict)
        udtOut.StateIssue += QCoreApplication::translate("basFolderCheck", "; the state was ignored");
    // What a merge left to choose: a warning for each text that still holds the kept candidate.
    clsMergeCandidates objCandidates;
    QString strCandidatesIssue;
    if (!objCandidates.Load(pstrFolder, strCandidatesIssue))
        udtOut.StateIssue += (udtOut.StateIssue.isEmpty() ? QString() : QStringLiteral("; ")) + strCandidatesIssue;
    const udtFolderRules udtRules{EndMarksOf(pstrLanguage), &objConsistency, &udtOut.State};
    for (const enuFileKind enuFile : AllFileKinds) {
        udtFileCheck udtFile;
        udtFile.File = enuFile;
        udtFile.Path = QDir(pstrFolder).filePath(LanguageFileName(enuFile));
        udtFile.SourcePath = QDir(pstrSource).filePath(LanguageFileName(enuFile));
        const bool booHas = QFileInfo::exists(udtFile.Path), booSourceHas = QFileInfo::exists(udtFile.SourcePath);
        if (!booHas && !booSourceHas) continue;

        clsTralyx objSource;
        clsTralyx& objTranslation = objTranslations[static_cast<size_t>(enuFile)];
        objSource.SetCodePage(pstrCodePage);
        objTranslation.SetCodePage(pstrCodePage);
        if ((booSourceHas && !Load(objSource, enuFile, udtFile.SourcePath, udtFile)) ||
            (booHas && !Load(objTranslation, enuFile, udtFile.Path, udtFile))) {
            udtOut.State.ClearFile(enuFile);
            udtOut.Files.push_back(std::move(udtFile));
            continue;
        }
        udtOut.State.Prune(enuFile, objTranslation);
        std::vector<clsTranslationState::udtMismatch> udtMismatches;
        udtOut.State.Verify(enuFile, objTranslation, booSourceHas ? &objSource : nullptr, &udtMismatches);
        const QVector<int32_t>& lngLines = (objTranslation.*FileKind(enuFile).Lines)();
        for (const auto& u : udtMismatches)
            udtFile.Problems.push_back({QStringLiteral("state"), enuSeverity::Warning, LanguageFileName(enuFile),
                                        u.Record >= 0 && u.Record < lngLines.size() ? lngLines[u.Record] : 0, 0, u.Id, u.Text()});
        for (const udtMergeCandidate& u : objCandidates.Open(enuFile, objTranslation)) {
            QString strNow;
            qsizetype lngRecord = -1;
            clsMergeCandidates::TextOfId(enuFile, objTranslation, u.Id, strNow, &lngRecord);
            udtFile.Problems.push_back({QStringLiteral("merge"), enuSeverity::Warning, LanguageFileName(enuFile),
                                        TextLine(objTranslation, enuFile, u.Id, lngRecord), 0, u.Id,
                                        QCoreApplication::translate("basFolderCheck", "a merge kept \"%1\" and left \"%2\" as the other candidate (%3): choose one")
                                            .arg(u.Kept, u.Other, clsMergeCandidates::FileName())});
        }
        if (!booHas || !booSourceHas) {
            // One problem for the whole file; the source's entries still count as not translated.
            std::vector<udtProblem> udtIgnored;
            udtFile.Count = CheckTables(enuFile, objSource, objTranslation, udtIgnored);
            // A file the application looks for and does not find is an error; one it never reads is not.
            udtFile.Problems.push_back({booHas ? QStringLiteral("obsolete") : QStringLiteral("missing"),
                                        booHas ? enuSeverity::Warning : enuSeverity::Error,
                                        LanguageFileName(enuFile), 0, 0, QString(),
                                        booHas ? QCoreApplication::translate("basFolderCheck", "the source folder has no such file")
                                               : QCoreApplication::translate("basFolderCheck", "the source folder has this file, the translation does not")});
        } else {
            udtFile.Count = CheckTables(enuFile, objSource, objTranslation, udtFile.Problems, pfnExtraRule, udtRules);
        }
        udtOut.Files.push_back(std::move(udtFile));
    }
    for (const enuFileKind enuFile : AllFileKinds)  // the state of a file neither folder has
        if (std::none_of(udtOut.Files.begin(), udtOut.Files.end(), [&](const udtFileCheck& u) { return u.File == enuFile; }))
            udtOut.State.ClearFile(enuFile);
    if (udtOut.Files.empty())
        udtOut.FolderIssue = QCoreApplication::translate("basFolderCheck", "no language file (core.lrc, messages.lrc or secondary.lrc) in the folder or its source");
    return udtOut;
}

std::vector<udtFolderCheck> CheckFolders(const std::vector<udtFolderPair>& pudtPairs, const QString& pstrCodePage,
                                         const ExtraEntryRule& pfnExtraRule)
{
    std::vector<udtFolderCheck> udtOut(pudtPairs.size());
    // An extra rule need not be safe to share: then one folder after the other.
    OnEveryCore(
        pudtPairs.size(),
        [&](size_t i) { udtOut[i] = CheckFolder(pudtPairs[i].Source, pudtPairs[i].Folder, pstrCodePage, pfnExtraRule, pudtPairs[i].Language); },
        pfnExtraRule ? 1 : 0);
    return udtOut;
}

}  // namespace tralyx
