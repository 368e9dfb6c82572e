// tralyx-lrc glossary export: the start of a glossary from a translated folder, its short captions
// and menus with their translations as TBX-Basic, for a terminology tool or lint --glossary.
#include "CliDesktop.h"
#include "CliOptions.h"
#include "Commands.h"
#include "common/basFileSystem.h"
#include "exchange/basLanguageFolder.h"
#include "memory/clsGlossary.h"
#include "store/basSafeFile.h"

namespace tralyx::cli {
namespace {

const char Usage[] =
    QT_TRANSLATE_NOOP("tralyx_lrc", "usage: tralyx-lrc glossary export [--source DIR] [--force] [--code-page NAME] [--source-language CODE]\n"
    "                                  [--target-language CODE] FOLDER OUT.tbx\n"
    "  Writes the captions and menus of FOLDER's core.lrc of up to 4 words that are translated, each with\n"
    "  its translation, as TBX-Basic: access keys and a trailing \"...\" or \":\" removed, each source once.\n"
    "  A source translated in several ways takes its most frequent translation; each such source is\n"
    "  named on stderr. The source texts come from DIR (default: the sibling folder named English).\n"
    "  OUT is replaced only with --force.\n"
    "  Exit status: 0 done, 1 a folder did not load or OUT was not written, 2 usage error.");

int Export(const udtCliOptions& pudtOptions)
{
    const QString strCommand = QStringLiteral("glossary export");
    if (pudtOptions.Operands.size() != 2) return UsageError(strCommand, Lrc::tr("give FOLDER and OUT.tbx"), Usage);
    const QString& strFolder = pudtOptions.Operands[0];
    const QString& strOut = pudtOptions.Operands[1];
    if (!strOut.endsWith(QLatin1StringView(".tbx"), Qt::CaseInsensitive))
        return UsageError(strCommand, Lrc::tr("OUT must end in .tbx"), Usage);
    const QString strSource = SourceFolderFor(strFolder, pudtOptions.Source);
    if (strSource.isEmpty()) return 1;
    udtGlossaryDocument udtDocument;
    udtDocument.SourceLanguage = pudtOptions.SourceLanguage.isEmpty() ? LanguageCodeOfFolder(strSource) : pudtOptions.SourceLanguage;
    udtDocument.TargetLanguage = pudtOptions.TargetLanguage.isEmpty() ? LanguageCodeOfFolder(strFolder) : pudtOptions.TargetLanguage;
    if (udtDocument.SourceLanguage.isEmpty())
        return UsageError(strCommand, Lrc::tr("cannot tell the language of %1 from its name; give --source-language").arg(strSource), Usage);
    if (udtDocument.TargetLanguage.isEmpty())
        return UsageError(strCommand, Lrc::tr("cannot tell the language of %1 from its name; give --target-language").arg(strFolder), Usage);
    // A dangling symlink is a name that is taken too: followed, it would make a file where it points.
    if (fs::NameTaken(strOut) && !pudtOptions.Force) {
        PrintError(Lrc::tr("%1: already exists (give --force to replace it)").arg(strOut));
        return 1;
    }
    const clsCliDesktop objDesktop(false);
    udtLanguageFolder udtSource, udtTranslation;
    if (!LoadFolderPair(strSource, strFolder, pudtOptions.CodePage, udtSource, udtTranslation)) return 1;
    if (udtTranslation.FileOf(enuFileKind::ControlText).isEmpty() || udtSource.FileOf(enuFileKind::ControlText).isEmpty()) {
        PrintError(Lrc::tr("%1: no core.lrc to take the captions from")
                       .arg(udtTranslation.FileOf(enuFileKind::ControlText).isEmpty() ? strFolder : strSource));
        return 1;
    }
    if (WritesOverInput(strOut, {strSource, strFolder})) return 1;
    VerifyFolderState(udtTranslation, &udtSource);  // a review given for another text says nothing of this one
    QStringList strAmbiguous;
    udtDocument.Pairs = GlossaryOfCaptions(udtSource.Store, udtTranslation.Store, &udtTranslation.State, strAmbiguous);
    for (const QString& strLine : std::as_const(strAmbiguous))
        PrintError(Lrc::tr("%1: several translations of %2").arg(strFolder, strLine));
    QByteArray bytOut;
    QString strError;
    if (!WriteTbx(udtDocument, bytOut, strError) || !WriteFileAtomically(strOut, bytOut, strError, pudtOptions.Force)) {
        PrintError(QStringLiteral("%1: %2").arg(strOut, strError));
        return 1;
    }
    PrintOutput(Lrc::tr("%1: written, %L2 terms (%3 to %4), %L5 with several translations")
                    .arg(strOut)
                    .arg(udtDocument.Pairs.size())
                    .arg(udtDocument.SourceLanguage, udtDocument.TargetLanguage)
                    .arg(strAmbiguous.size()));
    return 0;
}

}  // namespace

int CmdGlossary(const QStringList& pstrArgs)
{
    const QString strCommand = QStringLiteral("glossary");
    const QString strAction = pstrArgs.value(0);
    if (AsksForHelp(pstrArgs)) return UsageHelp(Usage);
    if (strAction != u"export")
        return UsageError(strCommand, strAction.isEmpty() ? Lrc::tr("give export") : Lrc::tr("unknown action '%1' (export)").arg(strAction),
                          Usage);
    udtCliOptions udtOptions;
    if (const std::optional<int> lngExit =
            ParseCommand(pstrArgs.mid(1), optCodePage | optForce | optSource | optLanguages, strCommand + u' ' + strAction, Usage, udtOptions))
        return *lngExit;
    return Export(udtOptions);
}

}  // namespace tralyx::cli
