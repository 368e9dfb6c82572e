// tralyx-lrc check FILE...: loads each file with the loader of its kind and says whether it loaded.
#include "CliDesktop.h"
#include "CliOptions.h"
#include "Commands.h"

namespace tralyx::cli {

int CmdCheck(const QStringList& pstrArgs)
{
    static const char Usage[] = "usage: tralyx-lrc check [--kind core|messages|secondary] [--code-page NAME] FILE...";
    udtCliOptions udtOptions;
    QString strError;
    if (!ParseCliOptions(pstrArgs, optKind | optCodePage, udtOptions, strError))
        return UsageError(QStringLiteral("check"), strError, Usage);
    if (udtOptions.Help) return UsageHelp(Usage);
    if (udtOptions.Operands.isEmpty()) return UsageError(QStringLiteral("check"), QStringLiteral("no FILE given"), Usage);

    const clsCliDesktop objDesktop(false);
    bool booAllLoaded = true;
    for (const QString& strFile : udtOptions.Operands) {
        const std::optional<enuFileKind> enuKind = udtOptions.Kind ? udtOptions.Kind : KindOfFile(strFile);
        if (!enuKind) {
            PrintOutput(IssueText(strFile, {0, UnknownKindReason(strFile)}));
            booAllLoaded = false;
            continue;
        }
        clsTralyx objStore;
        objStore.SetCodePage(udtOptions.CodePage);
        bool booSuccess = false;
        LoadTable(objStore, *enuKind, strFile, booSuccess);
        for (const udtFileIssue& udtWarning : objStore.LastWarnings())
            PrintOutput(IssueText(strFile, {udtWarning.Line, QStringLiteral("warning: ") + udtWarning.Reason}));
        if (booSuccess) {
            PrintOutput(QStringLiteral("%1: ok, %2 records").arg(strFile, QString::number(RecordCount(objStore, *enuKind))));
        } else {
            PrintOutput(IssueText(strFile, objStore.LastError()));
            booAllLoaded = false;
        }
    }
    return booAllLoaded ? 0 : 1;
}

}  // namespace tralyx::cli
