#include "CliStore.h"

#include "FileFunctions.h"

#include <cstdio>

namespace tralyx::cli {

std::optional<enuFileKind> KindFromName(const QString& pstrName)
{
    if (pstrName == u"core") return enuFileKind::Core;
    if (pstrName == u"messages") return enuFileKind::Messages;
    if (pstrName == u"secondary") return enuFileKind::Secondary;
    return std::nullopt;
}

QString KindName(enuFileKind penuKind)
{
    switch (penuKind) {
    case enuFileKind::Core: return QStringLiteral("core");
    case enuFileKind::Messages: return QStringLiteral("messages");
    case enuFileKind::Secondary: return QStringLiteral("secondary");
    }
    return QString();
}

std::optional<enuFileKind> KindOfFile(const QString& pstrPath)
{
    return KindFromName(GetFileName(pstrPath, false).toLower());
}

QString UnknownKindReason(const QString& pstrPath)
{
    return QStringLiteral("cannot tell the kind of file from the name '%1'; expected core.lrc, messages.lrc or "
                          "secondary.lrc, or give --kind core|messages|secondary")
        .arg(GetFileName(pstrPath, true));
}

void LoadTable(clsTralyx& pobjStore, enuFileKind penuKind, const QString& pstrFileName, bool& pbooSuccess)
{
    switch (penuKind) {
    case enuFileKind::Core: return pobjStore.LoadControlText(pstrFileName, pbooSuccess);
    case enuFileKind::Messages: return pobjStore.LoadMessagesFromResource(pstrFileName, pbooSuccess);
    case enuFileKind::Secondary: return pobjStore.LoadPreceduralTextFromResource(pstrFileName, pbooSuccess);
    }
}

void SaveTable(clsTralyx& pobjStore, enuFileKind penuKind, const QString& pstrFileName, bool& pbooSuccess)
{
    switch (penuKind) {
    case enuFileKind::Core: return pobjStore.SaveControlText(pstrFileName, pbooSuccess);
    case enuFileKind::Messages: return pobjStore.SaveMessageText(pstrFileName, pbooSuccess);
    case enuFileKind::Secondary: return pobjStore.SaveSecondaryText(pstrFileName, pbooSuccess);
    }
}

qsizetype RecordCount(const clsTralyx& pobjStore, enuFileKind penuKind)
{
    switch (penuKind) {
    case enuFileKind::Core: return pobjStore.ControlTextTable().size();
    case enuFileKind::Messages: return pobjStore.MessageTable().size();
    case enuFileKind::Secondary: return pobjStore.SecondaryTable().size();
    }
    return 0;
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
