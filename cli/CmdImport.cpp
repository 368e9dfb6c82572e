// tralyx-lrc import FILE FOLDER: brings the translations of a PO or XLIFF file back into a
// language folder, changing only the texts whose translation changed.
#include "store/basSourceFolder.h"
#include "CliDesktop.h"
#include "CliOptions.h"
#include "Commands.h"
#include "exchange/basExchangeFiles.h"
#include "exchange/basExchangeImport.h"
#include "store/basSafeFile.h"

#include <QFileInfo>

namespace tralyx::cli {
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

}  // namespace

int CmdImport(const QStringList& pstrArgs)
{
    static const char Usage[] =
        "usage: tralyx-lrc import [--force] [--dry-run] [--source DIR] [--language CODE] [--code-page NAME] FILE FOLDER\n"
        "  Applies the translations of FILE (.po, .xlf or .xliff) to the language files in FOLDER. Only\n"
        "  texts whose translation changed are rewritten; a file without a change is not written. Files are\n"
        "  replaced only with --force; --dry-run reports what would change. Lists each translation it did\n"
        "  not apply. Against the source folder (DIR, default: the sibling folder named English) a\n"
        "  translation made for another source text is not applied, and the checks run on every text that\n"
        "  changes. Review (fuzzy), done and the translator's notes go to FOLDER/translation-state.json. A\n"
        "  file for another language than FOLDER's (from its name, or --language CODE) is refused.\n"
        "  Exit status: 0 all applied, 1 something not applied or not written or an error brought in, 2 usage error.";
    const QString strCommand = QStringLiteral("import");
    udtCliOptions udtOptions;
    QString strError;
    if (const std::optional<int> lngExit = ParseCommand(pstrArgs, optCodePage | optForce | optDryRun | optSource | optLanguage, strCommand, Usage,
                                                        udtOptions))
        return *lngExit;
    if (udtOptions.Operands.size() != 2) return UsageError(strCommand, QStringLiteral("give FILE and FOLDER"), Usage);
    const QString& strFile = udtOptions.Operands[0];
    const QString& strFolder = udtOptions.Operands[1];
    const std::optional<enuExchangeFormat> enuFormat = ExchangeFormatOf(strFile);
    if (!enuFormat) return UsageError(strCommand, QStringLiteral("FILE must end in .po, .xlf or .xliff"), Usage);
    if (!QFileInfo(strFolder).isDir()) {
        PrintError(QStringLiteral("%1: not a folder").arg(strFolder));
        return 1;
    }
    if (WritesOverInput(strFile, {strFolder})) return 1;  // the folder's files are written
    QByteArray bytContent;
    udtExchangeDocument udtDocument;
    if (!ReadWholeFile(strFile, bytContent, strError) ||
        !(*enuFormat == enuExchangeFormat::Po ? ReadPo(bytContent, udtDocument, strError)
                                              : ReadXliff(bytContent, udtDocument, strError))) {
        PrintError(QStringLiteral("%1: %2").arg(strFile, strError));
        return 1;
    }
    for (const QString& strWarning : udtDocument.Warnings) PrintError(QStringLiteral("%1: warning: %2").arg(strFile, strWarning));
    if (udtDocument.Entries.empty()) {
        PrintError(QStringLiteral("%1: nothing to import (the file holds no entries)").arg(strFile));
        return 1;
    }
    const QString strLanguage = udtOptions.Language.isEmpty() ? LanguageCodeOfFolder(strFolder) : udtOptions.Language;
    if (!udtDocument.TargetLanguage.isEmpty() && !strLanguage.isEmpty() && !SameLanguage(udtDocument.TargetLanguage, strLanguage)) {
        PrintError(QStringLiteral("%1: the translations are for the language '%2', %3 is '%4'; nothing was imported "
                                  "(--language %2 imports them all the same)")
                       .arg(strFile, udtDocument.TargetLanguage, strFolder, strLanguage));
        return 1;
    }

    // Each file is read, changed and written under its lock, so that a second import (or the
    // editor's Save) waits for this one instead of writing over its change; one that cannot be
    // read does not stop the others.
    const clsCliDesktop objDesktop(false);
    udtLanguageFolder udtFolder;
    QStringList strErrors;
    std::array<clsFileLock, 3> objLocks;
    bool booAllWell = LoadLanguageFolder(strFolder, udtOptions.CodePage, udtFolder, strErrors, udtOptions.DryRun ? nullptr : &objLocks);
    // The source: what the translations were made for, and what the checks compare with.
    udtLanguageFolder udtSource;
    const QString strSource = udtOptions.Source.isEmpty() ? FindSourceFolder(strFolder) : udtOptions.Source;
    if (!strSource.isEmpty() && !LoadLanguageFolder(strSource, udtOptions.CodePage, udtSource, strErrors)) {
        for (const QString& strLine : strErrors) PrintError(strLine);
        return 1;
    }
    for (const QString& strLine : strErrors) PrintError(strLine);
    if (udtFolder.StateConflict) return 1;  // its texts would be written without their marks
    if (strSource.isEmpty())
        PrintOutput(QStringLiteral("%1: no source folder (no sibling folder named English; --source DIR names one): the "
                                   "translations were not compared with the source, and the checks did not run")
                        .arg(strFolder));
    if (!udtFolder.StateIssue.isEmpty()) PrintError(QStringLiteral("warning: %1; it is ignored").arg(udtFolder.StateIssue));
    const udtImportPlan udtPlan = PlanImport(udtFolder, udtDocument, strSource.isEmpty() ? nullptr : &udtSource);

    // The errors first: they are written all the same, but the translator should see them.
    for (const udtProblem& u : udtPlan.Problems)
        PrintError(QStringLiteral("%1:%2: error: %3: %4: %5")
                       .arg(udtFolder.FileOf(*FileKindOfPath(u.File)))
                       .arg(u.Line)
                       .arg(u.Entry, u.Rule, u.Message));
    std::vector<enuFileKind> enuStateFiles;  // the files whose state goes with them
    for (const udtImportedFile& udtFile : udtPlan.Files) {
        if (udtFile.Changed == 0) enuStateFiles.push_back(udtFile.File);
        const QString strChanged = QStringLiteral("%1 %2 changed").arg(udtFile.Changed).arg(udtFile.Changed == 1 ? "entry" : "entries");
        if (udtFile.Changed == 0) {
            PrintOutput(QStringLiteral("%1: no change, not written").arg(udtFile.Path));
        } else if (udtFile.Refused) {
            booAllWell = false;
            PrintError(QStringLiteral("%1: %2, not written: %3").arg(udtFile.Path, strChanged, udtFile.Reason));
        } else if (udtOptions.DryRun) {
            PrintOutput(QStringLiteral("%1: %2, would be written (dry run)").arg(udtFile.Path, strChanged));
        } else if (!udtOptions.Force) {
            booAllWell = false;
            PrintError(QStringLiteral("%1: %2, not written: the file exists (give --force to replace it)").arg(udtFile.Path, strChanged));
        } else if (!WriteFileAtomically(udtFile.Path, udtFile.Content, strError, true, &udtFile.Old)) {
            booAllWell = false;
            PrintError(QStringLiteral("%1: %2, not written: %3").arg(udtFile.Path, strChanged, strError));
        } else {
            PrintOutput(QStringLiteral("%1: %2, written").arg(udtFile.Path, strChanged));
            enuStateFiles.push_back(udtFile.File);
        }
    }
    if (!(udtPlan.State == udtFolder.State)) {
        const QString strStateFile = clsTranslationState::PathIn(strFolder);
        bool booWritten = false;
        if (udtOptions.DryRun) {
            PrintOutput(QStringLiteral("%1: the state changes, would be written (dry run)").arg(strStateFile));
        } else if (!udtOptions.Force) {
            booAllWell = false;
            PrintError(QStringLiteral("%1: the state changes, not written (give --force to write it)").arg(strStateFile));
        } else if (!udtPlan.State.Save(strFolder, enuStateFiles, strError, &booWritten)) {
            booAllWell = false;
            PrintError(QStringLiteral("%1: not written: %2").arg(strStateFile, strError));
        } else if (booWritten) {
            PrintOutput(QStringLiteral("%1: written").arg(strStateFile));
        }
    }
    qsizetype lngNotApplied = 0;
    for (const udtNotApplied& udtItem : udtPlan.NotApplied) {
        const QString strLine = QStringLiteral("%1 %2: %3").arg(udtItem.FileName, udtItem.Key, udtItem.Reason);
        if (udtItem.Informational) {
            PrintOutput(QStringLiteral("left as it is: ") + strLine);
        } else {
            ++lngNotApplied;
            PrintError(QStringLiteral("not applied: ") + strLine);
        }
    }
    if (lngNotApplied > 0) {
        booAllWell = false;
        PrintError(QStringLiteral("%1: %2 translations not applied").arg(strFile).arg(lngNotApplied));
    }
    if (!udtPlan.Problems.empty()) {
        booAllWell = false;
        PrintError(QStringLiteral("%1: the import brings in %2 %3 of the checks (listed first; the translations are the "
                                  "translator's, and are written all the same)")
                       .arg(strFile)
                       .arg(udtPlan.Problems.size())
                       .arg(udtPlan.Problems.size() == 1 ? "error" : "errors"));
    }
    return booAllWell ? 0 : 1;
}

}  // namespace tralyx::cli
