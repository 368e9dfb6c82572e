// tralyx-lrc import FILE FOLDER: brings the translations of a PO or XLIFF file back into a
// language folder, changing only the texts whose translation changed.
#include "CliDesktop.h"
#include "CliOptions.h"
#include "Commands.h"
#include "exchange/basExchangeFiles.h"
#include "exchange/basExchangeImport.h"
#include "store/basSafeFile.h"

#include <QFileInfo>

namespace tralyx::cli {

int CmdImport(const QStringList& pstrArgs)
{
    static const char Usage[] =
        "usage: tralyx-lrc import [--force] [--dry-run] [--code-page NAME] FILE FOLDER\n"
        "  Applies the translations of FILE (.po, .xlf or .xliff) to the language files in FOLDER. Only\n"
        "  texts whose translation changed are rewritten; a file without a change is not written. Files are\n"
        "  replaced only with --force; --dry-run reports what would change. Lists each translation it did\n"
        "  not apply. Exit status: 0 all applied, 1 something not applied or not written, 2 usage error.";
    const QString strCommand = QStringLiteral("import");
    udtCliOptions udtOptions;
    QString strError;
    if (const std::optional<int> lngExit = ParseCommand(pstrArgs, optCodePage | optForce | optDryRun, strCommand, Usage, udtOptions))
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

    // Each file is read, changed and written under its lock, so that a second import (or the
    // editor's Save) waits for this one instead of writing over its change; one that cannot be
    // read does not stop the others.
    const clsCliDesktop objDesktop(false);
    udtLanguageFolder udtFolder;
    QStringList strErrors;
    std::array<clsFileLock, 3> objLocks;
    bool booAllWell = LoadLanguageFolder(strFolder, udtOptions.CodePage, udtFolder, strErrors, udtOptions.DryRun ? nullptr : &objLocks);
    for (const QString& strLine : strErrors) PrintError(strLine);
    const udtImportPlan udtPlan = PlanImport(udtFolder, udtDocument);
    for (const udtImportedFile& udtFile : udtPlan.Files) {
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
    return booAllWell ? 0 : 1;
}

}  // namespace tralyx::cli
