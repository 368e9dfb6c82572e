// tralyx-lrc compile FOLDER: the language and its source language in one file that the
// applications' loader maps instead of reading and checking the text files at each start.
#include "CliOptions.h"
#include "Commands.h"
#include "runtime/clsCompiledLanguage.h"
#include "runtime/udtLoadedLanguages.h"
#include "store/basSafeFile.h"
#include "store/basSourceFolder.h"

#include <QDir>
#include <QFileInfo>

namespace tralyx::cli {

int CmdCompile(const QStringList& pstrArgs)
{
    static const char Usage[] = QT_TRANSLATE_NOOP("tralyx_lrc", "usage: tralyx-lrc compile [--source DIR] [--code-page NAME] FOLDER");
    udtCliOptions udtOptions;
    if (const std::optional<int> lngExit = ParseCommand(pstrArgs, optSource | optCodePage, QStringLiteral("compile"), Usage, udtOptions))
        return *lngExit;
    if (udtOptions.Operands.size() != 1) return UsageError(QStringLiteral("compile"), Lrc::tr("one FOLDER is needed"), Usage);
    const QString strFolder = udtOptions.Operands[0];
    if (!QFileInfo(strFolder).isDir()) {
        PrintError(Lrc::tr("%1: not a folder").arg(strFolder));
        return 1;
    }
    // The source language as the loader finds it: the one given, else the sibling English.
    const QString strSource = SourceFolderOfLoad(strFolder, udtOptions.Source);
    udtLoadedLanguages udtLoaded;
    QString strError;
    QStringList strWarnings;
    const bool booLoaded = LoadLanguages(strFolder, strSource, udtOptions.CodePage, udtLoaded, strError, strWarnings);
    for (const QString& strWarning : std::as_const(strWarnings)) PrintError(QStringLiteral("warning: ") + strWarning);
    if (!booLoaded) {
        PrintError(strError + Lrc::tr("; nothing was compiled"));
        return 1;
    }
    const QByteArray bytCompiled = clsCompiledLanguage::Compile(udtLoaded, strFolder, strSource, udtOptions.CodePage);
    const QString strOut = QDir(strFolder).filePath(clsCompiledLanguage::FileName());
    // A link under the name would have the file written over the one it names.
    if (QFileInfo(strOut).isSymLink()) {
        PrintError(strOut + Lrc::tr(": is a link; nothing was written through it"));
        return 1;
    }
    QString strReason;
    if (!WriteFileAtomically(strOut, bytCompiled, strReason)) {
        PrintError(strOut + QStringLiteral(": ") + strReason);
        return 1;
    }
    PrintOutput(QStringLiteral("%1: written, %2 bytes%3").arg(strOut).arg(bytCompiled.size())
                    .arg(strSource.isEmpty() ? Lrc::tr(", without a source language")
                                             : Lrc::tr(", with the source language of ") + strSource));
    return 0;
}

}  // namespace tralyx::cli
