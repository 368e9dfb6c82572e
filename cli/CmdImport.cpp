// tralyx-lrc import FILE FOLDER: brings the translations of a PO or XLIFF file back into a
// language folder, changing only the texts whose translation changed.
#include "CliDesktop.h"
#include "CliOptions.h"
#include "Commands.h"
#include "exchange/basExchangeFiles.h"
#include "exchange/basFolderImport.h"

#include <QFileInfo>

namespace tralyx::cli {

int CmdImport(const QStringList& pstrArgs)
{
    static const char Usage[] =
        QT_TRANSLATE_NOOP("tralyx_lrc", "usage: tralyx-lrc import [--force] [--dry-run] [--discard-state] [--theirs] [--source DIR] [--language CODE]\n"
        "                         [--code-page NAME]\n"
        "                         FILE FOLDER\n"
        "  Applies the translations of FILE (.po, .xlf or .xliff) to the language files in FOLDER. Only\n"
        "  texts whose translation changed are rewritten; a file without a change is not written. Files are\n"
        "  replaced only with --force; --dry-run reports what would change. Lists each translation it did\n"
        "  not apply. Against the source folder (DIR, default: the sibling folder named English) a\n"
        "  translation made for another source text is not applied, and the checks run on every text that\n"
        "  changes. Review (fuzzy), done and the translator's notes go to FOLDER/translation-state.json. A\n"
        "  file for another language than FOLDER's (from its name, or --language CODE) is refused. A state\n"
        "  file that cannot be read is never replaced: nothing is written unless --discard-state.\n"
        "  A file exported by tralyx-lrc records each translation it exported: only the translations the\n"
        "  translator changed are applied, so a stale export never reverts a newer change in FOLDER. One\n"
        "  changed both in FILE and in FOLDER since the export is a conflict, named and not applied, unless\n"
        "  --theirs (FILE's translation is taken).\n"
        "  Exit status: 0 all applied, 1 something not applied or not written or an error brought in, 2 usage error.");
    const QString strCommand = QStringLiteral("import");
    udtCliOptions udtOptions;
    if (const std::optional<int> lngExit = ParseCommand(pstrArgs, optCodePage | optForce | optDryRun | optSource | optLanguage | optDiscardState | optTheirs, strCommand, Usage,
                                                        udtOptions))
        return *lngExit;
    if (udtOptions.Operands.size() != 2) return UsageError(strCommand, Lrc::tr("give FILE and FOLDER"), Usage);
    const QString& strFile = udtOptions.Operands[0];
    const QString& strFolder = udtOptions.Operands[1];
    const std::optional<enuExchangeFormat> enuFormat = ExchangeFormatOf(strFile);
    if (!enuFormat) return UsageError(strCommand, Lrc::tr("FILE must end in .po, .xlf or .xliff"), Usage);
    if (!QFileInfo(strFolder).isDir()) {
        PrintError(Lrc::tr("%1: not a folder").arg(strFolder));
        return 1;
    }
    if (WritesOverInput(strFile, {strFolder})) return 1;  // the folder's files are written
    const clsCliDesktop objDesktop(false);
    const udtImportRun udtRun = ImportIntoFolder({strFile, strFolder, udtOptions.Source, udtOptions.CodePage, udtOptions.Language,
                                                  udtOptions.Force, udtOptions.DryRun, udtOptions.DiscardState, udtOptions.Theirs});
    for (const udtReportLine& udtLine : udtRun.Lines) (udtLine.Error ? PrintError : PrintOutput)(udtLine.Text);
    return udtRun.AllWell ? 0 : 1;
}

}  // namespace tralyx::cli
