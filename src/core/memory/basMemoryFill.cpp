#include "memory/basMemoryFill.h"

namespace tralyx {

bool WantsFill(const udtEntryText& pudtEntry, const udtTextState& pudtState)
{
    if (pudtEntry.Missing() || pudtEntry.Obsolete() || !pudtEntry.Storable || pudtEntry.Source.isEmpty()) return false;
    return pudtEntry.Translation.isEmpty() || (pudtEntry.Translation == pudtEntry.Source && !pudtState.Done);
}

std::optional<QString> FillFor(const udtEntryText& pudtEntry, const clsTranslationMemory& pobjMemory,
                               const clsCodePage& pobjCodePage, QStringList& pstrSkipped)
{
    const std::optional<udtSuggestion> udtBest = pobjMemory.BestExact(pudtEntry.Source);
    if (!udtBest || udtBest->Translation == pudtEntry.Source) return std::nullopt;
    QByteArray bytScratch;
    if (!pobjCodePage.Encode(udtBest->Translation, bytScratch)) {
        pstrSkipped.append(QStringLiteral("%1: not filled from the memory, %2 cannot write '%3'")
                               .arg(pudtEntry.Key, pobjCodePage.Name(), pobjCodePage.Unencodable(udtBest->Translation)));
        return std::nullopt;
    }
    return udtBest->Translation;
}

int32_t FillFromMemory(enuFileKind penuFile, const clsTralyx& pobjSource, clsTralyx& pobjTranslation,
                       const clsTranslationMemory& pobjMemory, clsTranslationState& pobjState, QStringList& pstrSkipped)
{
    const clsCodePage objCodePage((pobjTranslation.*FileKind(penuFile).CodePage)());
    QVector<ControlTextItem> udtControls = pobjTranslation.ControlTextTable();
    QVector<MessageItem> udtMessages = pobjTranslation.MessageTable();
    QStringList strSecondary = pobjTranslation.SecondaryTable();
    int32_t lngFilled = 0;
    ForEachEntry(penuFile, pobjSource, pobjTranslation, [&](const udtEntryText& u) {
        if (!WantsFill(u, pobjState.Get(penuFile, u.Key))) return;
        std::optional<QString> strFill = FillFor(u, pobjMemory, objCodePage, pstrSkipped);
        if (!strFill) return;
        switch (u.Kind) {
        case enuTextKind::Caption: udtControls[u.Record].Caption = std::move(*strFill); break;
        case enuTextKind::ToolTip: udtControls[u.Record].ToolTip = std::move(*strFill); break;
        case enuTextKind::MessageText: udtMessages[u.Record].Message = std::move(*strFill); break;
        case enuTextKind::MessageTitle: udtMessages[u.Record].Title = std::move(*strFill); break;
        case enuTextKind::Secondary: strSecondary[u.Record] = std::move(*strFill); break;
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
