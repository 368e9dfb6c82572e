// tralyx-lrc export FOLDER OUT: a language folder as one PO or XLIFF file for a translator's tool,
// paired with its source-language folder.
#include "CliDesktop.h"
#include "CliOptions.h"
#include "Commands.h"
#include "common/basFileSystem.h"
#include "common/basTextFingerprint.h"
#include "exchange/basExchangeFiles.h"
#include "exchange/basExchangeText.h"
#include "exchange/basLanguageFolder.h"
#include "store/basSafeFile.h"


namespace tralyx::cli {

int CmdExport(const QStringList& pstrArgs)
{
    static const char Usage[] =
        QT_TRANSLATE_NOOP("tralyx_lrc", "usage: tralyx-lrc export [--source DIR] [--force] [--code-page NAME] [--source-language CODE]\n"
        "                         [--target-language CODE] FOLDER OUT\n"
        "  Writes the texts of FOLDER's core.lrc, messages.lrc and secondary.lrc, each with its source text\n"
        "  from DIR (default: the sibling folder named English), to OUT: PO when OUT ends in .po, XLIFF 1.2\n"
        "  when it ends in .xlf or .xliff, a PO template (every source text, no translation) when it ends\n"
        "  in .pot. The state of FOLDER/translation-state.json goes with them: to review as fuzzy, done as\n"
        "  translated, notes as the translator's comments. OUT is replaced only with --force. The language\n"
        "  codes come from the folders' names (German: de) unless given.");
    const QString strCommand = QStringLiteral("export");
    udtCliOptions udtOptions;
    QString strError;
    if (const std::optional<int> lngExit = ParseCommand(pstrArgs, optCodePage | optForce | optSource | optLanguages, strCommand, Usage, udtOptions))
        return *lngExit;
    if (udtOptions.Operands.size() != 2) return UsageError(strCommand, Lrc::tr("give FOLDER and OUT"), Usage);
    const QString& strFolder = udtOptions.Operands[0];
    const QString& strOut = udtOptions.Operands[1];
    // A template holds the source texts alone, for those who merge it into their own PO files.
    const bool booTemplate = strOut.endsWith(QLatin1StringView(".pot"), Qt::CaseInsensitive);
    const std::optional<enuExchangeFormat> enuFormat = booTemplate ? enuExchangeFormat::Po : ExchangeFormatOf(strOut);
    if (!enuFormat) return UsageError(strCommand, Lrc::tr("OUT must end in .po, .pot, .xlf or .xliff"), Usage);
    const QString strSource = SourceFolderFor(strFolder, udtOptions.Source);
    if (strSource.isEmpty()) return 1;
    udtExchangeDocument udtDocument;
    udtDocument.SourceLanguage =
        udtOptions.SourceLanguage.isEmpty() ? LanguageCodeOfFolder(strSource) : udtOptions.SourceLanguage;
    if (!booTemplate)  // a template is of no language
        udtDocument.TargetLanguage =
            udtOptions.TargetLanguage.isEmpty() ? LanguageCodeOfFolder(strFolder) : udtOptions.TargetLanguage;
    if (udtDocument.SourceLanguage.isEmpty())
        return UsageError(strCommand, Lrc::tr("cannot tell the language of %1 from its name; give --source-language").arg(strSource), Usage);
    if (udtDocument.TargetLanguage.isEmpty() && !booTemplate)
        return UsageError(strCommand, Lrc::tr("cannot tell the language of %1 from its name; give --target-language").arg(strFolder), Usage);
    // A dangling symlink is a name that is taken too: followed, it would make a file where it points.
    if (fs::NameTaken(strOut) && !udtOptions.Force) {
        PrintError(Lrc::tr("%1: already exists (give --force to replace it)").arg(strOut));
        return 1;
    }

    const clsCliDesktop objDesktop(false);
    udtLanguageFolder udtSource, udtTranslation;
    if (!LoadFolderPair(strSource, strFolder, udtOptions.CodePage, udtSource, udtTranslation)) return 1;
    if (WritesOverInput(strOut, {strSource, strFolder})) return 1;
    if (!udtTranslation.StateIssue.isEmpty()) PrintError(Lrc::tr("warning: %1; it is ignored").arg(udtTranslation.StateIssue));
    for (const auto& u : VerifyFolderState(udtTranslation, &udtSource))
        PrintError(u.Warning(strFolder));
    if (booTemplate) {  // every source text, each still to translate
        udtTranslation.Store = udtSource.Store;
        udtTranslation.FilePath = udtSource.FilePath;
        udtTranslation.State = {};
    }

    QStringList strCounts;
    bool booAnyFile = false;
    for (const enuFileKind enuFile : AllFileKinds) {
        if (udtTranslation.FileOf(enuFile).isEmpty()) continue;
        booAnyFile = true;
        int32_t lngMissing = 0;
        const size_t lngBefore = udtDocument.Entries.size();
        ExportEntries(enuFile, udtSource.Store, udtTranslation.Store, udtDocument.Entries, lngMissing, &udtTranslation.State);
        // What each entry's translation was, for the import to tell what the translator changed; a
        // template's would say "empty" of every entry a PO merged with it has translated.
        if (!booTemplate)
            for (size_t i = lngBefore; i < udtDocument.Entries.size(); ++i)
                udtDocument.Entries[i].Exported = TextFingerprint(udtDocument.Entries[i].Translation);
        strCounts.append(QStringLiteral("%1 %2").arg(LanguageFileName(enuFile)).arg(udtDocument.Entries.size() - lngBefore));
        if (lngMissing > 0)
            PrintError(Lrc::tr("%1: %2 entries of the source are not in this file and were left out (tralyx-lrc "
                                      "update adds them)")
                           .arg(udtTranslation.FileOf(enuFile))
                           .arg(lngMissing));
    }
    if (!booAnyFile) {
        PrintError(Lrc::tr("%1: holds none of core.lrc, messages.lrc, secondary.lrc").arg(strFolder));
        return 1;
    }
    QByteArray bytOut;
    const bool booBuilt = *enuFormat == enuExchangeFormat::Po ? WritePo(udtDocument, bytOut, strError)
                                                              : WriteXliff(udtDocument, bytOut, strError);
    if (!booBuilt || !WriteFileAtomically(strOut, bytOut, strError, udtOptions.Force)) {
        PrintError(QStringLiteral("%1: %2").arg(strOut, strError));
        return 1;
    }
    const auto lngUntranslated = std::count_if(udtDocument.Entries.begin(), udtDocument.Entries.end(),
                                               [](const udtExchangeEntry& u) { return u.Translation.isEmpty(); });
    const auto lngReview = std::count_if(udtDocument.Entries.begin(), udtDocument.Entries.end(), [](const udtExchangeEntry& u) { return u.Fuzzy; });
    const auto lngObsolete = std::count_if(udtDocument.Entries.begin(), udtDocument.Entries.end(), [](const udtExchangeEntry& u) { return u.Obsolete; });
    PrintOutput(Lrc::tr("%1: written, %2 entries (%3), %4 untranslated, %5 to review, %6 obsolete")
                    .arg(strOut)
                    .arg(udtDocument.Entries.size())
                    .arg(strCounts.join(QStringLiteral(", ")))
                    .arg(lngUntranslated)
                    .arg(lngReview)
                    .arg(lngObsolete));
    return 0;
}

}  // namespace tralyx::cli
