#include "memory/basMemoryFill.h"

namespace tralyx {

bool WantsFill(const udtEntryText& pudtEntry, const udtTextState& pudtState)
{
    if (pudtEntry.Missing() || pudtEntry.Obsolete() || !pudtEntry.Storable || pudtEntry.Source.isEmpty()) return false;
    return pudtEntry.Translation.isEmpty() || (pudtEntry.Translation == pudtEntry.Source && !pudtState.Done);
}

int32_t FillFromMemory(enuFileKind penuFile, const clsTralyx& pobjSource, clsTralyx& pobjTranslation,
                       const clsTranslationMemory& pobjMemory, clsTranslationState& pobjState)
{
    QVector<ControlTextItem> udtControls = pobjTranslation.ControlTextTable();
    QVector<MessageItem> udtMessages = pobjTranslation.MessageTable();
    QStringList strSecondary = pobjTranslation.SecondaryTable();
    int32_t lngFilled = 0;
    ForEachEntry(penuFile, pobjSource, pobjTranslation, [&](const udtEntryText& u) {
        if (!WantsFill(u, pobjState.Get(penuFile, u.Key))) return;
        const std::optional<udtSuggestion> udtBest = pobjMemory.BestExact(u.Source);
        if (!udtBest || udtBest->Translation == u.Source) return;
        switch (u.Kind) {
        case enuTextKind::Caption: udtControls[u.Record].Caption = udtBest->Translation; break;
        case enuTextKind::ToolTip: udtControls[u.Record].ToolTip = udtBest->Translation; break;
        case enuTextKind::MessageText: udtMessages[u.Record].Message = udtBest->Translation; break;
        case enuTextKind::MessageTitle: udtMessages[u.Record].Title = udtBest->Translation; break;
        case enuTextKind::Secondary: strSecondary[u.Record] = udtBest->Translation; break;
        }
        pobjState.MarkReview(penuFile, u.Key, u.Source);
        ++lngFilled;
    });
    if (lngFilled == 0) return 0;
    switch (penuFile) {
    case enuFileKind::ControlText: pobjTranslation.SetControlTextTable(std::move(udtControls)); break;
    case enuFileKind::Messages: pobjTranslation.SetMessageTable(std::move(udtMessages)); break;
    case enuFileKind::Secondary: pobjTranslation.SetSecondaryTable(std::move(strSecondary)); break;
    }
    return lngFilled;
}

}  // namespace tralyx
