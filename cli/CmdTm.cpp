// tralyx-lrc tm export | suggest: the translation memory from the command line. export writes a
// folder pair's translations (and those of any --memory) as one TMX file; suggest prints what the
// memory offers for source texts, as the editor lists it.
#include "store/basSourceFolder.h"
#include "CliDesktop.h"
#include "clsJsonWriter.h"
#include "CliOptions.h"
#include "Commands.h"
#include "common/basFileSystem.h"
#include "common/basStoreText.h"
#include "exchange/basExchangeText.h"
#include "memory/clsTranslationMemory.h"
#include "store/basSafeFile.h"

#include <cstdio>

namespace tralyx::cli {
namespace {

const char Usage[] =
    QT_TRANSLATE_NOOP("tralyx_lrc", "usage: tralyx-lrc tm export [--source DIR] [--memory PATH]... [--force] [--code-page NAME]\n"
    "                            [--source-language CODE] [--target-language CODE] [FOLDER] OUT.tmx\n"
    "       tralyx-lrc tm suggest --memory PATH [--memory PATH]... [--json] [--code-page NAME]\n"
    "                             [--target-language CODE] TEXT...\n"
    "  export writes the translated texts of FOLDER, each with its source text from DIR (default: the\n"
    "  sibling folder named English), and those of every --memory, as TMX 1.4b; each source with its\n"
    "  translation once. OUT is replaced only with --force.\n"
    "  suggest prints up to 5 suggestions of the memory for each TEXT: exact matches first, then the\n"
    "  others scored from 70 to 100.\n"
    "  --memory PATH    a translated language folder (its source found as for FOLDER) or a .tmx file\n"
    "  Exit status: 0 done, 1 a folder or file did not load or OUT was not written, 2 usage error.");

int Export(const udtCliOptions& pudtOptions)
{
    const QString strCommand = QStringLiteral("tm export");
    if (pudtOptions.Operands.size() != 2 && !(pudtOptions.Operands.size() == 1 && !pudtOptions.Memory.isEmpty()))
        return UsageError(strCommand, Lrc::tr("give FOLDER and OUT.tmx (or --memory PATH and OUT.tmx)"), Usage);
    const QString strOut = pudtOptions.Operands.back();
    if (!strOut.endsWith(QLatin1StringView(".tmx"), Qt::CaseInsensitive))
        return UsageError(strCommand, Lrc::tr("OUT must end in .tmx"), Usage);
    // A dangling symlink is a name that is taken too: followed, it would make a file where it points.
    if (fs::NameTaken(strOut) && !pudtOptions.Force) {
        PrintError(Lrc::tr("%1: already exists (give --force to replace it)").arg(strOut));
        return 1;
    }
    // Never over an input: a file of the folders or a memory (a folder's source is its sibling).
    QStringList strInputs = pudtOptions.Memory + pudtOptions.Operands.mid(0, pudtOptions.Operands.size() - 1);
    for (const QString& strInput : QStringList(strInputs)) strInputs.append(FindSourceFolder(strInput));
    if (!pudtOptions.Source.isEmpty()) strInputs.append(pudtOptions.Source);
    if (WritesOverInput(strOut, strInputs)) return 1;
    clsTranslationMemory objMemory;
    const clsCliDesktop objDesktop(false);
    if (pudtOptions.Operands.size() == 2) {
        const QString& strFolder = pudtOptions.Operands.front();
        const QString strSource = SourceFolderFor(strFolder, pudtOptions.Source);
        if (strSource.isEmpty()) return 1;
        QString strError;
        if (!objMemory.AddFolderPair(strSource, strFolder, pudtOptions.CodePage, strError)) {
            PrintError(strError);
            return 1;
        }
    }
    // The languages given name FOLDER's (as for export) and choose the variants of a TMX file.
    if (!pudtOptions.SourceLanguage.isEmpty()) objMemory.SourceLanguage = pudtOptions.SourceLanguage;
    if (!pudtOptions.TargetLanguage.isEmpty()) objMemory.TargetLanguage = pudtOptions.TargetLanguage;
    if (!LoadMemory(objMemory, pudtOptions.Memory, pudtOptions.CodePage)) return 1;
    if (objMemory.SourceLanguage.isEmpty())
        return UsageError(strCommand, Lrc::tr("cannot tell the source language from the folders' names; give --source-language"), Usage);
    if (objMemory.TargetLanguage.isEmpty())
        return UsageError(strCommand, Lrc::tr("cannot tell the target language from the folders' names; give --target-language"), Usage);
    QByteArray bytOut;
    QString strError;
    if (!WriteTmx(objMemory.ToTmx(), bytOut, strError) || !WriteFileAtomically(strOut, bytOut, strError, pudtOptions.Force)) {
        PrintError(QStringLiteral("%1: %2").arg(strOut, strError));
        return 1;
    }
    PrintOutput(Lrc::tr("%1: written, %L2 translation units (%3 to %4)")
                    .arg(strOut)
                    .arg(objMemory.Size())
                    .arg(objMemory.SourceLanguage, objMemory.TargetLanguage));
    return 0;
}

int Suggest(const udtCliOptions& pudtOptions)
{
    const QString strCommand = QStringLiteral("tm suggest");
    if (pudtOptions.Memory.isEmpty()) return UsageError(strCommand, Lrc::tr("give the memory with --memory PATH"), Usage);
    if (pudtOptions.Operands.isEmpty()) return UsageError(strCommand, Lrc::tr("give a TEXT to look up"), Usage);
    clsTranslationMemory objMemory;
    objMemory.TargetLanguage = pudtOptions.TargetLanguage;
    const clsCliDesktop objDesktop(false);
    if (!LoadMemory(objMemory, pudtOptions.Memory, pudtOptions.CodePage)) return 1;
    objMemory.Build();
    QByteArray bytJson;
    clsJsonWriter objJson(bytJson);
    objJson.BeginArray(1, 0);
    QString strText;
    for (const QString& strOperand : pudtOptions.Operands) {
        const QString strSource = FromExchangeText(strOperand);  // a line break given as LF
        const std::vector<udtSuggestion> udtFound = objMemory.Suggestions(strSource);
        if (pudtOptions.Json) {
            objJson.BeginObject();
            objJson.Field("text", strOperand);
            objJson.Key("suggestions");
            objJson.BeginArray(2, 1);
            for (const udtSuggestion& u : udtFound) {
                objJson.BeginObject();
                objJson.Field("score", u.Score);
                objJson.Key("exact");
                objJson.Bool(u.Exact);
                objJson.Field("source", ToExchangeText(u.Source));
                objJson.Field("translation", ToExchangeText(u.Translation));
                objJson.Field("origin", u.Origin);
                objJson.Field("entry", u.Entry);
                objJson.EndObject();
            }
            objJson.EndArray();
            objJson.EndObject();
            continue;
        }
        strText += StoreToRow(strSource) + u'\n';
        if (udtFound.empty()) strText += Lrc::tr("  no suggestion\n");
        for (const udtSuggestion& u : udtFound)
            strText += Lrc::tr("  %1 %2 %3\n      from %4 (%5)\n")
                           .arg(u.Score, 3)
                           .arg(u.Exact ? QStringLiteral("exact") : QStringLiteral("     "), StoreToRow(u.Translation),
                                StoreToRow(u.Source), u.Entry.isEmpty() ? u.Origin : u.Origin + u' ' + u.Entry);
    }
    objJson.EndArray();
    const QByteArray bytOut = pudtOptions.Json ? bytJson + '\n' : strText.toUtf8();
    std::fwrite(bytOut.constData(), 1, static_cast<size_t>(bytOut.size()), stdout);
    return 0;
}

}  // namespace

int CmdTm(const QStringList& pstrArgs)
{
    const QString strCommand = QStringLiteral("tm");
    const QString strAction = pstrArgs.value(0);
    if (AsksForHelp(pstrArgs)) return UsageHelp(Usage);
    if (strAction != u"export" && strAction != u"suggest")
        return UsageError(strCommand, strAction.isEmpty() ? Lrc::tr("give export or suggest")
                                                          : Lrc::tr("unknown action '%1' (export or suggest)").arg(strAction),
                          Usage);
    udtCliOptions udtOptions;
    const uint32_t lngAllowed = strAction == u"export" ? optCodePage | optForce | optSource | optLanguages | optMemory
                                                       : optCodePage | optJson | optLanguages | optMemory;
    if (const std::optional<int> lngExit = ParseCommand(pstrArgs.mid(1), lngAllowed, strCommand + u' ' + strAction, Usage, udtOptions))
        return *lngExit;
    return strAction == u"export" ? Export(udtOptions) : Suggest(udtOptions);
}

}  // namespace tralyx::cli
