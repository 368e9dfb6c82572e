#include "CliStore.h"

#include "common/FileFunctions.h"

#include <cstdio>

namespace tralyx::cli {

QString UnknownKindReason(const QString& pstrPath)
{
    return QStringLiteral("cannot tell the kind of file from the name '%1'; expected core.lrc, messages.lrc or "
                          "secondary.lrc, or give --kind core|messages|secondary")
        .arg(GetFileName(pstrPath, true));
}

QString IssueText(const QString& pstrFileName, const udtFileIssue& pudtIssue)
{
    if (pudtIssue.Line > 0) return QStringLiteral("%1:%2: %3").arg(pstrFileName, QString::number(pudtIssue.Line), pudtIssue.Reason);
    if (pudtIssue.Reason.startsWith(pstrFileName + u' '))
        return pstrFileName + u':' + pudtIssue.Reason.mid(pstrFileName.size());
    return pstrFileName + QStringLiteral(": ") + pudtIssue.Reason;
}

namespace {
void Print(std::FILE* pobjStream, const QString& pstrLine)
{
    const QByteArray bytLine = (pstrLine + u'\n').toUtf8();
    std::fwrite(bytLine.constData(), 1, static_cast<size_t>(bytLine.size()), pobjStream);
}
}  // namespace

void PrintOutput(const QString& pstrLine) { Print(stdout, pstrLine); }
void PrintError(const QString& pstrLine) { Print(stderr, pstrLine); }

}  // namespace tralyx::cli
