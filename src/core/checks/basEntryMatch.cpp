#include "checks/basEntryMatch.h"

#include "store/basControlTextFormat.h"
#include "store/basFormatText.h"
#include "store/clsFirstPathIndex.h"


namespace tralyx {
namespace {

int32_t LineOf(const QVector<int32_t>& plngLines, qsizetype plngRecord)
{
    return plngRecord >= 0 && plngRecord < plngLines.size() ? plngLines[plngRecord] : 0;
}

// The tag and the file's own number of the record at a position.
QString NumberedId(const char* pstrTag, enuFileKind penuKind, qsizetype plngPosition)
{
    const int32_t lngNumber = RecordNumber(penuKind, plngPosition);
    if (lngNumber > 999) return QLatin1StringView(pstrTag) + ThreeDigits(lngNumber);
    return RecordHead(pstrTag, lngNumber).Id().toString();  // one allocation per entry
}

bool Named(const ControlTextItem& pudtItem) { return !pudtItem.FormName.isEmpty() || !pudtItem.ControlName.isEmpty(); }

// The caption and tool-tip texts of one core.lrc record of either side or both.
template <typename F>
void EmitControlRecord(const clsTralyx& pobjSource, const clsTralyx& pobjTranslation, qsizetype plngSource,
                       qsizetype plngRecord, udtEntryText& u, F pfnEmit)
{
    const ControlTextItem* pS = plngSource >= 0 ? &pobjSource.ControlTextTable()[plngSource] : nullptr;
    const ControlTextItem* pT = plngRecord >= 0 ? &pobjTranslation.ControlTextTable()[plngRecord] : nullptr;
    const QString strPath = clsTralyx::ObjectPath(pT ? *pT : *pS);
    const QString& strControl = (pT ? pT : pS)->ControlName;
    u.ObjectPath = strPath;
    u.SourceRecord = static_cast<int32_t>(plngSource);
    u.Record = static_cast<int32_t>(plngRecord);
    // A caption has a line of its own after the tool-tip's lines.
    const auto TextLine = [](const clsTralyx& pobjStore, qsizetype plngAt, bool pbooCaption) {
        const int32_t lngCaption = pbooCaption ? LineOf(pobjStore.ControlTextCaptionLines(), plngAt) : 0;
        return lngCaption > 0 ? lngCaption : LineOf(pobjStore.ControlTextLines(), plngAt);
    };
    for (const bool booCaption : {true, false}) {
        u.SourceLine = TextLine(pobjSource, plngSource, booCaption);
        u.Line = TextLine(pobjTranslation, plngRecord, booCaption);
        u.Id = strPath + (booCaption ? QLatin1StringView(".C") : QLatin1StringView(".T"));
        u.Key = u.Id;
        u.Kind = booCaption ? enuTextKind::Caption : enuTextKind::ToolTip;
        u.Source = pS ? (booCaption ? pS->Caption : pS->ToolTip) : QString();
        u.Translation = pT ? (booCaption ? pT->Caption : pT->ToolTip) : QString();
        u.Storable = booCaption ? ControlHasCaptionLine(strControl) : ControlHasToolTipLine(strControl);
        pfnEmit(u);
    }
}

template <typename F>
void MatchControlText(const clsTralyx& pobjSource, const clsTralyx& pobjTranslation, F pfnEmit)
{
    const QVector<ControlTextItem>& udtSource = pobjSource.ControlTextTable();
    const QVector<ControlTextItem>& udtTranslation = pobjTranslation.ControlTextTable();
    // First occurrences, found without a string per path: a later duplicate is never read.
    const clsFirstPathIndex objSourceAt(udtSource), objTranslationAt(udtTranslation);
    udtEntryText u;
    // The source's paths the translation has, so that the second loop finds no path twice.
    std::vector<bool> booPaired(static_cast<size_t>(udtSource.size()), false);
    for (qsizetype i = 0; i < udtTranslation.size(); ++i) {
        if (!Named(udtTranslation[i]) || !objTranslationAt.IsFirst(i)) continue;
        const int32_t lngSource = objSourceAt.Find(udtTranslation[i]);
        if (lngSource >= 0) booPaired[static_cast<size_t>(lngSource)] = true;
        EmitControlRecord(pobjSource, pobjTranslation, lngSource, i, u, pfnEmit);
    }
    for (qsizetype i = 0; i < udtSource.size(); ++i)
        if (Named(udtSource[i]) && objSourceAt.IsFirst(i) && !booPaired[static_cast<size_t>(i)])
            EmitControlRecord(pobjSource, pobjTranslation, i, -1, u, pfnEmit);
}

// The texts of the record at one position of messages.lrc or secondary.lrc, either side or both.
template <typename F>
void EmitPositionRecord(enuFileKind penuFile, const clsTralyx& pobjSource, const clsTralyx& pobjTranslation,
                        qsizetype i, udtEntryText& u, F pfnEmit)
{
    const bool booMessages = penuFile == enuFileKind::Messages;
    const qsizetype lngSourceSize = booMessages ? pobjSource.MessageTable().size() : pobjSource.SecondaryTable().size();
    const qsizetype lngSize = booMessages ? pobjTranslation.MessageTable().size() : pobjTranslation.SecondaryTable().size();
    const bool booS = i < lngSourceSize, booT = i < lngSize;
    u.ObjectPath.clear();
    u.Storable = true;
    u.SourceRecord = booS ? static_cast<int32_t>(i) : -1;
    u.Record = booT ? static_cast<int32_t>(i) : -1;
    u.SourceLine = booS ? LineOf(booMessages ? pobjSource.MessageLines() : pobjSource.SecondaryLines(), i) : 0;
    u.Line = booT ? LineOf(booMessages ? pobjTranslation.MessageLines() : pobjTranslation.SecondaryLines(), i) : 0;
    // A title has a line of its own after the text's lines.
    const auto TitleLine = [i](const clsTralyx& pobjStore, int32_t plngRecordLine) {
        const int32_t lngTitle = LineOf(pobjStore.MessageTitleLines(), i);
        return lngTitle > 0 ? lngTitle : plngRecordLine;
    };
    if (!booMessages) {
        u.Id = NumberedId("TXT", penuFile, i);
        u.Key = i >= 999 ? u.Id + u'#' + QString::number(i + 1) : u.Id;
        u.Kind = enuTextKind::Secondary;
        u.Source = booS ? pobjSource.SecondaryTable()[i] : QString();
        u.Translation = booT ? pobjTranslation.SecondaryTable()[i] : QString();
        pfnEmit(u);
        return;
    }
    const MessageItem* pS = booS ? &pobjSource.MessageTable()[i] : nullptr;
    const MessageItem* pT = booT ? &pobjTranslation.MessageTable()[i] : nullptr;
    u.Id = u.Key = NumberedId("MSG", penuFile, i);
    u.Kind = enuTextKind::MessageText;
    u.Source = pS ? pS->Message : QString();
    u.Translation = pT ? pT->Message : QString();
    pfnEmit(u);
    u.Id = u.Key = NumberedId("MST", penuFile, i);
    u.Kind = enuTextKind::MessageTitle;
    if (booS) u.SourceLine = TitleLine(pobjSource, u.SourceLine);
    if (booT) u.Line = TitleLine(pobjTranslation, u.Line);
    u.Source = pS ? pS->Title : QString();
    u.Translation = pT ? pT->Title : QString();
    pfnEmit(u);
}

template <typename F>
void ForEachEntryOf(enuFileKind penuFile, const clsTralyx& pobjSource, const clsTralyx& pobjTranslation, F pfnEntry)
{
    if (penuFile == enuFileKind::ControlText) return MatchControlText(pobjSource, pobjTranslation, pfnEntry);
    const bool booMessages = penuFile == enuFileKind::Messages;
    const qsizetype lngCount = booMessages ? std::max(pobjSource.MessageTable().size(), pobjTranslation.MessageTable().size())
                                           : std::max(pobjSource.SecondaryTable().size(), pobjTranslation.SecondaryTable().size());
    udtEntryText u;
    for (qsizetype i = 0; i < lngCount; ++i) EmitPositionRecord(penuFile, pobjSource, pobjTranslation, i, u, pfnEntry);
}

}  // namespace

bool ControlHasCaptionLine(const QString& pstrControlName) { return EntryHasCaptionLine(pstrControlName); }

bool ControlHasToolTipLine(const QString& pstrControlName) { return EntryHasToolTipLine(pstrControlName); }

QString EntryIdAt(enuFileKind penuFile, const clsTralyx& pobjTable, qsizetype plngRecord, enuTextKind penuKind)
{
    switch (penuKind) {
    case enuTextKind::Caption: return clsTralyx::ObjectPath(pobjTable.ControlTextTable()[plngRecord]) + QLatin1StringView(".C");
    case enuTextKind::ToolTip: return clsTralyx::ObjectPath(pobjTable.ControlTextTable()[plngRecord]) + QLatin1StringView(".T");
    case enuTextKind::MessageText: return NumberedId("MSG", penuFile, plngRecord);
    case enuTextKind::MessageTitle: return NumberedId("MST", penuFile, plngRecord);
    case enuTextKind::Secondary: break;
    }
    return NumberedId("TXT", penuFile, plngRecord);
}

QString EntryTextAt(const clsTralyx& pobjTable, qsizetype plngRecord, enuTextKind penuKind)
{
    switch (penuKind) {
    case enuTextKind::Caption: return pobjTable.ControlTextTable()[plngRecord].Caption;
    case enuTextKind::ToolTip: return pobjTable.ControlTextTable()[plngRecord].ToolTip;
    case enuTextKind::MessageText: return pobjTable.MessageTable()[plngRecord].Message;
    case enuTextKind::MessageTitle: return pobjTable.MessageTable()[plngRecord].Title;
    case enuTextKind::Secondary: break;
    }
    return pobjTable.SecondaryTable()[plngRecord];
}

std::vector<udtEntryText> MatchEntries(enuFileKind penuFile, const clsTralyx& pobjSource,
                                       const clsTralyx& pobjTranslation)
{
    std::vector<udtEntryText> udtOut;
    ForEachEntryOf(penuFile, pobjSource, pobjTranslation, [&udtOut](const udtEntryText& u) { udtOut.push_back(u); });
    return udtOut;
}

void ForEachEntry(enuFileKind penuFile, const clsTralyx& pobjSource, const clsTralyx& pobjTranslation,
                  const std::function<void(const udtEntryText&)>& pfnEntry)
{
    ForEachEntryOf(penuFile, pobjSource, pobjTranslation, pfnEntry);
}

clsSourcePairing::clsSourcePairing(enuFileKind penuFile, const clsTralyx& pobjSource)
    : menuFile(penuFile), mobjSource(pobjSource)
{
    if (penuFile == enuFileKind::ControlText)
        mobjSourceAt = std::make_unique<clsFirstPathIndex>(pobjSource.ControlTextTable());
}

clsSourcePairing::~clsSourcePairing() = default;

std::vector<udtEntryText> clsSourcePairing::Record(const clsTralyx& pobjTranslation, qsizetype plngRecord) const
{
    std::vector<udtEntryText> udtOut;
    udtEntryText u;
    const auto Keep = [&udtOut](const udtEntryText& e) { udtOut.push_back(e); };
    if (menuFile != enuFileKind::ControlText) {
        const qsizetype lngSize = menuFile == enuFileKind::Messages ? pobjTranslation.MessageTable().size()
                                                                         : pobjTranslation.SecondaryTable().size();
        if (plngRecord >= 0 && plngRecord < lngSize) EmitPositionRecord(menuFile, mobjSource, pobjTranslation, plngRecord, u, Keep);
        return udtOut;
    }
    const QVector<ControlTextItem>& udtTable = pobjTranslation.ControlTextTable();
    if (plngRecord < 0 || plngRecord >= udtTable.size() || !Named(udtTable[plngRecord])) return udtOut;
    for (qsizetype i = 0; i < plngRecord; ++i)  // a later duplicate of a path is never read
        if (path_index::SamePath(udtTable[i], udtTable[plngRecord])) return udtOut;
    EmitControlRecord(mobjSource, pobjTranslation, mobjSourceAt->Find(udtTable[plngRecord]), plngRecord, u, Keep);
    return udtOut;
}

}  // namespace tralyx
