// tralyx-lrc check FILE...: reads each file with the reader of its kind and says whether it loads.
#include "CliDesktop.h"
#include "CliOptions.h"
#include "Commands.h"
#include "store/basControlTextFormat.h"
#include "store/basMessagesFormat.h"
#include "store/basSafeFile.h"
#include "store/basSavedAsUtf8.h"
#include "store/basSecondaryFormat.h"

#include <algorithm>

namespace tralyx::cli {
namespace {

struct udtChecked {
    bool Success = false;
    udtFileIssue Error;
    QVector<udtFileIssue> Warnings;
    qsizetype Records = 0;
};

// A warning about the bytes of the file among those of its lines, in line order.
void InsertByLine(QVector<udtFileIssue>& pudtWarnings, const udtFileIssue& pudtWarning)
{
    if (pudtWarning.Reason.isEmpty()) return;
    const auto itAfter = std::find_if(pudtWarnings.begin(), pudtWarnings.end(),
                                      [&](const udtFileIssue& u) { return u.Line > pudtWarning.Line || u.Line == 0; });
    pudtWarnings.insert(itAfter, pudtWarning);
}

// What loading the file would say, without keeping its texts: the loader's checks at a fraction of
// its memory, which is most of its time on a large core.lrc.
udtChecked CheckFile(enuFileKind penuKind, const QString& pstrFileName, const QString& pstrCodePage)
{
    udtChecked udtOut;
    try {
        QByteArray bytContent;
        QString strReason;
        if (!ReadWholeFile(pstrFileName, bytContent, strReason)) {
            udtOut.Error = {0, strReason};
            return udtOut;
        }
        const clsCodePage objCodePage(pstrCodePage);
        const auto Take = [&](auto& pudtRead) {
            udtOut.Success = pudtRead.Success;
            udtOut.Error = pudtRead.Error;
            udtOut.Warnings = std::move(pudtRead.Warnings);
            udtOut.Records = pudtRead.Lines.size();
        };
        switch (penuKind) {
        case enuFileKind::ControlText: {
            udtControlTextRead udtRead;
            ScanControlText(bytContent, objCodePage, udtRead);
            Take(udtRead);
            break;
        }
        case enuFileKind::Messages: {
            udtMessagesRead udtRead;
            ReadMessages(bytContent, objCodePage, udtRead);
            Take(udtRead);
            break;
        }
        case enuFileKind::Secondary: {
            udtSecondaryRead udtRead;
            ReadSecondary(bytContent, objCodePage, udtRead);
            Take(udtRead);
            break;
        }
        }
        InsertByLine(udtOut.Warnings, SavedAsUtf8(bytContent, objCodePage));
    } catch (const std::bad_alloc&) {
        udtOut.Success = false;
        udtOut.Error = NotEnoughMemory();
    }
    return udtOut;
}

}  // namespace

int CmdCheck(const QStringList& pstrArgs)
{
    static const char Usage[] = "usage: tralyx-lrc check [--kind core|messages|secondary] [--code-page NAME] FILE...";
    udtCliOptions udtOptions;
    if (const std::optional<int> lngExit = ParseCommand(pstrArgs, optKind | optCodePage, QStringLiteral("check"), Usage, udtOptions))
        return *lngExit;
    if (udtOptions.Operands.isEmpty()) return UsageError(QStringLiteral("check"), QStringLiteral("no FILE given"), Usage);

    const clsCliDesktop objDesktop(false);
    bool booAllLoaded = true;
    for (const QString& strFile : udtOptions.Operands) {
        const std::optional<enuFileKind> enuKind = udtOptions.Kind ? udtOptions.Kind : FileKindOfPath(strFile);
        if (!enuKind) {
            PrintOutput(IssueText(strFile, {0, UnknownKindReason(strFile)}));
            booAllLoaded = false;
            continue;
        }
        const udtChecked udtResult = CheckFile(*enuKind, strFile, udtOptions.CodePage);
        for (const udtFileIssue& udtWarning : udtResult.Warnings)
            PrintOutput(IssueText(strFile, {udtWarning.Line, QStringLiteral("warning: ") + udtWarning.Reason}));
        if (udtResult.Success) {
            PrintOutput(QStringLiteral("%1: ok, %2 records").arg(strFile, QString::number(udtResult.Records)));
        } else {
            PrintOutput(IssueText(strFile, udtResult.Error));
            booAllLoaded = false;
        }
    }
    return booAllLoaded ? 0 : 1;
}

}  // namespace tralyx::cli
