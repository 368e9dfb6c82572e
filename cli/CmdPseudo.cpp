// tralyx-lrc pseudo SOURCE DEST: a test language made from the English, every text longer (and
// accented and bracketed on request), for finding the texts an application cuts or never loads.
#include "CliDesktop.h"
#include "CliOptions.h"
#include "CliStore.h"
#include "Commands.h"
#include "exchange/basPseudoText.h"
#include "store/basFileKind.h"

#include <QDir>
#include <QFileInfo>

namespace tralyx::cli {

int CmdPseudo(const QStringList& pstrArgs)
{
    static const char Usage[] =
        QT_TRANSLATE_NOOP("tralyx_lrc", "usage: tralyx-lrc pseudo [--expand PERCENT] [--accents] [--brackets] [--force] [--code-page NAME] SOURCE DEST");
    udtCliOptions udtOptions;
    if (const std::optional<int> lngExit = ParseCommand(pstrArgs, optPseudo | optForce | optCodePage, QStringLiteral("pseudo"), Usage, udtOptions))
        return *lngExit;
    if (udtOptions.Operands.size() != 2) return UsageError(QStringLiteral("pseudo"), Lrc::tr("SOURCE and DEST are needed"), Usage);
    const QString strSource = udtOptions.Operands[0], strDest = udtOptions.Operands[1];
    if (!QFileInfo(strSource).isDir()) {
        PrintError(Lrc::tr("%1: not a folder").arg(strSource));
        return 1;
    }
    if (WritesOverInput(strDest, {strSource})) return 1;
    if (!QDir().mkpath(strDest)) {
        PrintError(strDest + Lrc::tr(": the folder could not be created"));
        return 1;
    }
    const udtPseudoOptions udtPseudo{udtOptions.Expand, udtOptions.Accents, udtOptions.Brackets};
    const clsCliDesktop objDesktop(udtOptions.Force);
    int intExit = 0, intFiles = 0;
    for (const enuFileKind enuKind : AllFileKinds) {
        const QString strIn = QDir(strSource).filePath(LanguageFileName(enuKind));
        if (!QFileInfo::exists(strIn)) continue;
        ++intFiles;
        clsTralyx objStore;
        objStore.SetCodePage(udtOptions.CodePage);
        bool booLoaded = false;
        LoadFile(objStore, enuKind, strIn, booLoaded);
        if (!booLoaded) {
            PrintError(IssueText(strIn, objStore.LastError()) + Lrc::tr("; not made"));
            intExit = 1;
            continue;
        }
        const clsCodePage objCodePage(objStore.CodePage());
        const auto Pseudo = [&](const QString& pstrText) { return PseudoText(pstrText, udtPseudo, objCodePage); };
        if (enuKind == enuFileKind::ControlText) {
            QVector<ControlTextItem> udtTable = objStore.ControlTextTable();
            for (ControlTextItem& u : udtTable) u.Caption = Pseudo(u.Caption), u.ToolTip = Pseudo(u.ToolTip);
            objStore.SetControlTextTable(std::move(udtTable));
        } else if (enuKind == enuFileKind::Messages) {
            QVector<MessageItem> udtTable = objStore.MessageTable();
            for (MessageItem& u : udtTable) u.Title = Pseudo(u.Title), u.Message = Pseudo(u.Message);
            objStore.SetMessageTable(std::move(udtTable));
        } else {
            QStringList strTable = objStore.SecondaryTable();
            for (QString& strText : strTable) strText = Pseudo(strText);
            objStore.SetSecondaryTable(std::move(strTable));
        }
        const QString strOut = QDir(strDest).filePath(LanguageFileName(enuKind));
        bool booSaved = false;
        SaveFile(objStore, enuKind, strOut, booSaved);
        if (!booSaved) {
            PrintError(IssueText(strOut, objStore.LastError()) +
                       (objStore.LastError().Declined ? Lrc::tr(" (give --force to replace it)") : QString()));
            intExit = 1;
            continue;
        }
        PrintOutput(QStringLiteral("%1: written, %2 records").arg(strOut).arg(RecordCount(objStore, enuKind)));
    }
    if (intFiles == 0) {
        PrintError(strSource + Lrc::tr(": holds none of core.lrc, messages.lrc and secondary.lrc"));
        return 1;
    }
    return intExit;
}

}  // namespace tralyx::cli
