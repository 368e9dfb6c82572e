// tralyx-lrc dump FILE: prints the table that loading FILE gives as JSON (after a failed load too).
#include "CliDesktop.h"
#include "CliJson.h"
#include "CliOptions.h"
#include "Commands.h"

#include <cstdio>

namespace tralyx::cli {

int CmdDump(const QStringList& pstrArgs)
{
    static const char Usage[] = QT_TRANSLATE_NOOP("tralyx_lrc", "usage: tralyx-lrc dump [--kind core|messages|secondary] [--code-page NAME] FILE");
    udtCliOptions udtOptions;
    if (const std::optional<int> lngExit = ParseCommand(pstrArgs, optKind | optCodePage, QStringLiteral("dump"), Usage, udtOptions))
        return *lngExit;
    if (udtOptions.Operands.size() != 1)
        return UsageError(QStringLiteral("dump"), Lrc::tr("give exactly one FILE"), Usage);

    const QString& strFile = udtOptions.Operands.front();
    const std::optional<enuFileKind> enuKind = udtOptions.Kind ? udtOptions.Kind : FileKindOfPath(strFile);
    if (!enuKind) {
        PrintError(IssueText(strFile, {0, UnknownKindReason(strFile)}));
        return 1;
    }
    const clsCliDesktop objDesktop(false);
    clsTralyx objStore;
    objStore.SetCodePage(udtOptions.CodePage);
    bool booSuccess = false;
    LoadFile(objStore, *enuKind, strFile, booSuccess);
    const QByteArray bytJson = DumpDocument(objStore, *enuKind, booSuccess);
    std::fwrite(bytJson.constData(), 1, static_cast<size_t>(bytJson.size()), stdout);  // checked as the command ends
    if (!booSuccess) PrintError(IssueText(strFile, objStore.LastError()));
    return booSuccess ? 0 : 1;
}

}  // namespace tralyx::cli
