// tralyx-lrc check FILE...: reads each file with the reader of its kind and says whether it loads.
#include "CliDesktop.h"
#include "CliOptions.h"
#include "Commands.h"
#include "state/clsTranslationState.h"
#include "store/basControlTextFormat.h"
#include "store/basMessagesFormat.h"
#include "store/basSafeFile.h"
#include "store/basSavedAsUtf8.h"
#include "store/basSecondaryFormat.h"

#include <QFileInfo>

#include <algorithm>
#include <cstring>

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

// The applications' own reader ends a line at CR LF or CR only: a file whose lines end with LF
// alone (what Git's text=auto checks out) is one long line to it, though ours reads it.
void WarnOfLoneLineFeeds(QByteArrayView pbytContent, QVector<udtFileIssue>& pudtWarnings)
{
    const char* const pBegin = pbytContent.data();
    const char* const pEnd = pBegin + pbytContent.size();
    int32_t lngCount = 0;
    const char* pFirst = nullptr;
    for (const char* p = pBegin; p < pEnd && (p = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(pEnd - p)))); ++p)
        if ((p == pBegin || p[-1] != '\r') && lngCount++ == 0) pFirst = p;
    if (lngCount == 0) return;
    int32_t lngFirst = 1;  // the line that first ends so, as the readers count lines
    for (const char* p = pBegin; p < pFirst; ++p)
        if (*p == '\n' || (*p == '\r' && p[1] != '\n')) ++lngFirst;
    const QString strAdvice = Lrc::tr("which the applications' reader does not take as a line end; Git makes such files from "
                                      "\"* text=auto\": put \"*.lrc -text\" in .gitattributes and check the file out again");
    pudtWarnings.prepend({lngFirst, (lngCount == 1 ? Lrc::tr("1 line ends with LF alone (this one the first), %1")
                                                   : Lrc::tr("%L1 lines end with LF alone (this one the first), %2").arg(lngCount))
                                        .arg(strAdvice)});
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
        WarnOfLoneLineFeeds(bytContent, udtOut.Warnings);
    } catch (const std::bad_alloc&) {
        udtOut.Success = false;
        udtOut.Error = NotEnoughMemory();
    }
    return udtOut;
}

// A state file is checked as every command reads it.
bool CheckStateFile(const QString& pstrFileName)
{
    QByteArray bytContent;
    udtFileIssue udtProblem;
    clsTranslationState objState;
    // A problem at a line as "FILE:3: why", the way the language files' problems are printed.
    if (!ReadWholeFile(pstrFileName, bytContent, udtProblem.Reason) || !objState.Parse(bytContent, udtProblem)) {
        PrintOutput(udtProblem.Line > 0 ? QStringLiteral("%1:%2: %3").arg(pstrFileName, QString::number(udtProblem.Line), udtProblem.Reason)
                                        : pstrFileName + QStringLiteral(": ") + udtProblem.Reason);
        return false;
    }
    qsizetype lngRecords = 0;
    for (const enuFileKind enuFile : AllFileKinds) lngRecords += objState.Texts(enuFile).size();
    PrintOutput(Lrc::tr("%1: ok, %2 records").arg(pstrFileName).arg(lngRecords));
    return true;
}

}  // namespace

int CmdCheck(const QStringList& pstrArgs)
{
    static const char Usage[] = QT_TRANSLATE_NOOP("tralyx_lrc", "usage: tralyx-lrc check [--kind core|messages|secondary] [--code-page NAME] FILE...");
    udtCliOptions udtOptions;
    if (const std::optional<int> lngExit = ParseCommand(pstrArgs, optKind | optCodePage, QStringLiteral("check"), Usage, udtOptions))
        return *lngExit;
    if (udtOptions.Operands.isEmpty()) return UsageError(QStringLiteral("check"), Lrc::tr("no FILE given"), Usage);

    const clsCliDesktop objDesktop(false);
    bool booAllLoaded = true;
    for (const QString& strFile : udtOptions.Operands) {
        const std::optional<enuFileKind> enuKind = udtOptions.Kind ? udtOptions.Kind : FileKindOfPath(strFile);
        if (!udtOptions.Kind && QFileInfo(strFile).fileName() == clsTranslationState::FileName()) {
            booAllLoaded = CheckStateFile(strFile) && booAllLoaded;
            continue;
        }
        if (!enuKind) {
            PrintOutput(IssueText(strFile, {0, UnknownKindReason(strFile)}));
            booAllLoaded = false;
            continue;
        }
        const udtChecked udtResult = CheckFile(*enuKind, strFile, udtOptions.CodePage);
        for (const udtFileIssue& udtWarning : udtResult.Warnings)
            PrintOutput(IssueText(strFile, {udtWarning.Line, QStringLiteral("warning: ") + udtWarning.Reason}));
        if (udtResult.Success) {
            PrintOutput(Lrc::tr("%1: ok, %2 records").arg(strFile, QString::number(udtResult.Records)));
        } else {
            PrintOutput(IssueText(strFile, udtResult.Error));
            booAllLoaded = false;
        }
    }
    return booAllLoaded ? 0 : 1;
}

}  // namespace tralyx::cli
