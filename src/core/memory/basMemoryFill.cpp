#include "memory/basMemoryFill.h"

#include "state/clsFolderTransaction.h"

#include <QCoreApplication>

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
        pstrSkipped.append(QCoreApplication::translate("basMemoryFill", "%1: not filled from the memory, %2 cannot write '%3'")
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

int32_t FillFolderFromMemory(const QString& pstrSource, const QString& pstrFolder, const QString& pstrCodePage,
                             const clsTranslationMemory& pobjMemory, QStringList& pstrErrors, QStringList& pstrWarnings)
{
    clsFolderTransaction objChange;
    QString strReason;
    if (!objChange.Begin(pstrFolder, strReason) || !(strReason = objChange.StateProblem()).isEmpty()) {
        pstrErrors.append(strReason);
        return -1;
    }
    udtLanguageFolder udtSource, udtTranslation;
    QStringList strErrors;
    if (!LoadLanguageFolder(pstrSource, pstrCodePage, udtSource, strErrors) ||
        !LoadLanguageFolder(pstrFolder, pstrCodePage, udtTranslation, strErrors)) {
        pstrErrors.append(strErrors.join(u'\n'));
        return -1;
    }
    clsTranslationState objState = objChange.State();  // as read under the lock
    int32_t lngFilled = 0;
    std::vector<udtFolderWrite> udtWrites;
    std::array<int32_t, 3> lngFilledIn{};
    for (const enuFileKind enuFile : AllFileKinds) {
        if (udtSource.FileOf(enuFile).isEmpty() || udtTranslation.FileOf(enuFile).isEmpty()) continue;
        objState.Prune(enuFile, udtTranslation.Store);
        std::vector<clsTranslationState::udtMismatch> udtMismatches;
        objState.Verify(enuFile, udtTranslation.Store, &udtSource.Store, &udtMismatches);
        for (const auto& u : udtMismatches)
            pstrWarnings.append(u.Warning(pstrFolder));
        QStringList strSkipped;
        const int32_t lngFile = FillFromMemory(enuFile, udtSource.Store, udtTranslation.Store, pobjMemory, objState, strSkipped);
        for (const QString& strLine : strSkipped)
            pstrWarnings.append(QStringLiteral("%1: warning: %2").arg(udtTranslation.FileOf(enuFile), strLine));
        if (lngFile == 0) continue;
        lngFilledIn[static_cast<size_t>(enuFile)] = lngFile;
        udtWrites.push_back({enuFile, [&udtTranslation, enuFile](QString& pstrReason) {
                                 bool booSaved = false;
                                 SaveFile(udtTranslation.Store, enuFile, udtTranslation.FileOf(enuFile), booSaved);
                                 if (!booSaved) pstrReason = udtTranslation.FileOf(enuFile) + QStringLiteral(": ") + udtTranslation.Store.LastError().Text();
                                 return booSaved;
                             },
                             &udtTranslation.Store, &udtSource.Store});
    }
    if (udtWrites.empty()) return 0;
    const udtFolderCommit udtCommit = objChange.Commit(objState, udtWrites);
    for (const udtWrittenFile& f : udtCommit.Files) {
        if (f.Written) lngFilled += lngFilledIn[static_cast<size_t>(f.File)];
        else pstrErrors.append(f.Reason);
    }
    if (!udtCommit.StateReason.isEmpty() && !udtCommit.Files.empty() && udtCommit.Files.front().Reason != udtCommit.StateReason)
        pstrErrors.append(udtCommit.StateReason);
    return lngFilled;
}

}  // namespace tralyx
