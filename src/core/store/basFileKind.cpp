#include "store/basFileKind.h"

#include "common/FileFunctions.h"
#include "store/basFormatText.h"

#include <algorithm>

namespace tralyx {
namespace {

// Indexed by the enumeration's value.
const udtFileKind gudtKinds[] = {
    {enuFileKind::Messages, "messages", "messages.lrc", "MSG", false, &clsTralyx::LoadMessagesFromResource,
     &clsTralyx::SaveMessageText, &clsTralyx::DisplayMessages, &clsTralyx::MessageLines, &clsTralyx::MessagesCodePage,
     &clsTralyx::MessagesStamp},
    {enuFileKind::Secondary, "secondary", "secondary.lrc", "TXT", true, &clsTralyx::LoadPreceduralTextFromResource,
     &clsTralyx::SaveSecondaryText, &clsTralyx::DisplaySecondary, &clsTralyx::SecondaryLines,
     &clsTralyx::SecondaryCodePage, &clsTralyx::SecondaryStamp},
    {enuFileKind::ControlText, "core", "core.lrc", nullptr, false, &clsTralyx::LoadControlText,
     &clsTralyx::SaveControlText, &clsTralyx::DisplayControlText, &clsTralyx::ControlTextLines,
     &clsTralyx::ControlTextCodePage, &clsTralyx::ControlTextStamp},
};

}  // namespace

const udtFileKind& FileKind(enuFileKind penuKind) { return gudtKinds[static_cast<int32_t>(penuKind)]; }

QString LanguageFileName(enuFileKind penuKind) { return QString::fromLatin1(FileKind(penuKind).FileName); }

QString CompiledLanguageFileName() { return QStringLiteral("language.tralyx"); }

std::optional<enuFileKind> FileKindFromName(QStringView pstrBaseName)
{
    for (const udtFileKind& udtKind : gudtKinds)
        if (pstrBaseName == QLatin1StringView(udtKind.BaseName)) return udtKind.Kind;
    return std::nullopt;
}

std::optional<enuFileKind> FileKindOfPath(const QString& pstrPath)
{
    return FileKindFromName(GetFileName(pstrPath, false).toLower());
}

void LoadFile(clsTralyx& pobjStore, enuFileKind penuKind, const QString& pstrFileName, bool& pbooSuccess)
{
    (pobjStore.*FileKind(penuKind).Load)(pstrFileName, pbooSuccess);
}

void SaveFile(clsTralyx& pobjStore, enuFileKind penuKind, const QString& pstrFileName, bool& pbooSuccess)
{
    (pobjStore.*FileKind(penuKind).Save)(pstrFileName, pbooSuccess);
}

qsizetype RecordCount(const clsTralyx& pobjStore, enuFileKind penuKind)
{
    switch (penuKind) {
    case enuFileKind::ControlText: return pobjStore.ControlTextTable().size();
    case enuFileKind::Messages: return pobjStore.MessageTable().size();
    case enuFileKind::Secondary: break;
    }
    return pobjStore.SecondaryTable().size();
}

bool SameTable(const clsTralyx& pobjOne, const clsTralyx& pobjOther, enuFileKind penuKind)
{
    switch (penuKind) {
    case enuFileKind::ControlText: return pobjOne.ControlTextTable() == pobjOther.ControlTextTable();
    case enuFileKind::Messages: return pobjOne.MessageTable() == pobjOther.MessageTable();
    case enuFileKind::Secondary: break;
    }
    return pobjOne.SecondaryTable() == pobjOther.SecondaryTable();
}

int32_t RecordNumber(enuFileKind penuKind, qsizetype plngPosition)
{
    const qsizetype lngNumber = plngPosition + 1;
    return static_cast<int32_t>(FileKind(penuKind).NumbersWrap ? lngNumber % 1000 : lngNumber);
}

QString RecordId(enuFileKind penuKind, qsizetype plngPosition)
{
    const udtFileKind& udtKind = FileKind(penuKind);
    if (!udtKind.RecordTag) return QString();
    const int32_t lngNumber = RecordNumber(penuKind, plngPosition);
    if (lngNumber > 999) return QLatin1StringView(udtKind.RecordTag) + ThreeDigits(lngNumber);
    // One allocation per entry: ids are made for every record of a file ("TXT123", "TXT123#1123").
    char16_t chrId[32];
    const udtRecordHead udtHead = RecordHead(udtKind.RecordTag, lngNumber);
    qsizetype lngLength = udtHead.Id().size();
    std::copy(udtHead.Chars, udtHead.Chars + lngLength, chrId);
    if (udtKind.NumbersWrap && plngPosition >= 999) {
        chrId[lngLength++] = u'#';
        char16_t chrDigits[20];
        qsizetype lngDigits = 0;
        for (qsizetype lngRest = plngPosition + 1; lngRest > 0; lngRest /= 10) chrDigits[lngDigits++] = char16_t(u'0' + lngRest % 10);
        while (lngDigits > 0) chrId[lngLength++] = chrDigits[--lngDigits];
    }
    return QString(reinterpret_cast<const QChar*>(chrId), lngLength);
}

}  // namespace tralyx
