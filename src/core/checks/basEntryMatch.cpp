#include "basEntryMatch.h"

#include "basFormatText.h"
#include "clsFirstPathIndex.h"


namespace tralyx {
namespace {

int32_t LineOf(const QVector<int32_t>& plngLines, qsizetype plngRecord)
{
    return plngRecord >= 0 && plngRecord < plngLines.size() ? plngLines[plngRecord] : 0;
}

// The file's own number of the record at a position: position + 1, wrapping after 999 as the
// writer numbers secondary.lrc.
QString NumberedId(const char* pstrTag, qsizetype plngPosition, bool pbooWraps)
{
    const qsizetype lngNumber = pbooWraps ? (plngPosition + 1) % 1000 : plngPosition + 1;
    return QLatin1StringView(pstrTag) + ThreeDigits(static_cast<int32_t>(lngNumber));
}

template <typename F>
void MatchControlText(const clsTralyx& pobjSource, const clsTralyx& pobjTranslation, F pfnEmit)
{
    const QVector<ControlTextItem>& udtSource = pobjSource.ControlTextTable();
    const QVector<ControlTextItem>& udtTranslation = pobjTranslation.ControlTextTable();
    auto Named = [](const ControlTextItem& u) { return !u.FormName.isEmpty() || !u.ControlName.isEmpty(); };
    // First occurrences, found without a string per path: a later duplicate is never read.
    const clsFirstPathIndex objSourceAt(udtSource), objTranslationAt(udtTranslation);

    udtEntryText u;
    auto Emit = [&](qsizetype lngSource, qsizetype lngRecord) {
        const ControlTextItem* pS = lngSource >= 0 ? &udtSource[lngSource] : nullptr;
        const ControlTextItem* pT = lngRecord >= 0 ? &udtTranslation[lngRecord] : nullptr;
        const QString strPath = clsTralyx::ObjectPath(pT ? *pT : *pS);
        const QString& strControl = (pT ? pT : pS)->ControlName;
        u.ObjectPath = strPath;
        u.SourceRecord = static_cast<int32_t>(lngSource);
        u.Record = static_cast<int32_t>(lngRecord);
        u.SourceLine = LineOf(pobjSource.ControlTextLines(), lngSource);
        u.Line = LineOf(pobjTranslation.ControlTextLines(), lngRecord);
        for (const bool booCaption : {true, false}) {
            u.Id = strPath + (booCaption ? QLatin1StringView(".C") : QLatin1StringView(".T"));
            u.Key = u.Id;
            u.Kind = booCaption ? enuTextKind::Caption : enuTextKind::ToolTip;
            u.Source = pS ? (booCaption ? pS->Caption : pS->ToolTip) : QString();
            u.Translation = pT ? (booCaption ? pT->Caption : pT->ToolTip) : QString();
            u.Storable = booCaption ? ControlHasCaptionLine(strControl) : ControlHasToolTipLine(strControl);
            pfnEmit(u);
        }
    };

    for (qsizetype i = 0; i < udtTranslation.size(); ++i)
        if (Named(udtTranslation[i]) && objTranslationAt.Find(udtTranslation[i]) == i)
            Emit(objSourceAt.Find(udtTranslation[i]), i);
    for (qsizetype i = 0; i < udtSource.size(); ++i)
        if (Named(udtSource[i]) && objSourceAt.Find(udtSource[i]) == i && objTranslationAt.Find(udtSource[i]) < 0) Emit(i, -1);
}

template <typename T, typename F>
void MatchByPosition(const QVector<T>& pSource, const QVector<T>& pTranslation, const QVector<int32_t>& plngSourceLines,
                     const QVector<int32_t>& plngLines, F pfnEmit)
{
    const qsizetype lngCount = std::max(pSource.size(), pTranslation.size());
    udtEntryText u;
    for (qsizetype i = 0; i < lngCount; ++i) {
        const bool booS = i < pSource.size();
        const bool booT = i < pTranslation.size();
        u.SourceRecord = booS ? static_cast<int32_t>(i) : -1;
        u.Record = booT ? static_cast<int32_t>(i) : -1;
        u.SourceLine = booS ? LineOf(plngSourceLines, i) : 0;
        u.Line = booT ? LineOf(plngLines, i) : 0;
        pfnEmit(u, i, booS ? &pSource[i] : nullptr, booT ? &pTranslation[i] : nullptr);
    }
}

template <typename F>
void ForEachEntryOf(enuLanguageFile penuFile, const clsTralyx& pobjSource, const clsTralyx& pobjTranslation, F pfnEntry)
{
    switch (penuFile) {
    case enuLanguageFile::ControlText:
        MatchControlText(pobjSource, pobjTranslation, pfnEntry);
        break;
    case enuLanguageFile::Messages:
        MatchByPosition(pobjSource.MessageTable(), pobjTranslation.MessageTable(), pobjSource.MessageLines(),
                        pobjTranslation.MessageLines(),
                        [&](udtEntryText& u, qsizetype i, const MessageItem* pS, const MessageItem* pT) {
                            u.Id = u.Key = NumberedId("MSG", i, false);
                            u.Kind = enuTextKind::MessageText;
                            u.Source = pS ? pS->Message : QString();
                            u.Translation = pT ? pT->Message : QString();
                            pfnEntry(u);
                            u.Id = u.Key = NumberedId("MST", i, false);
                            u.Kind = enuTextKind::MessageTitle;
                            u.Source = pS ? pS->Title : QString();
                            u.Translation = pT ? pT->Title : QString();
                            pfnEntry(u);
                        });
        break;
    case enuLanguageFile::Secondary:
        MatchByPosition(pobjSource.SecondaryTable(), pobjTranslation.SecondaryTable(), pobjSource.SecondaryLines(),
                        pobjTranslation.SecondaryLines(),
                        [&](udtEntryText& u, qsizetype i, const QString* pS, const QString* pT) {
                            u.Id = NumberedId("TXT", i, true);
                            u.Key = i >= 999 ? u.Id + u'#' + QString::number(i + 1) : u.Id;
                            u.Kind = enuTextKind::Secondary;
                            u.Source = pS ? *pS : QString();
                            u.Translation = pT ? *pT : QString();
                            pfnEntry(u);
                        });
        break;
    }
}

}  // namespace

QString LanguageFileName(enuLanguageFile penuFile)
{
    switch (penuFile) {
    case enuLanguageFile::ControlText: return QStringLiteral("core.lrc");
    case enuLanguageFile::Messages: return QStringLiteral("messages.lrc");
    case enuLanguageFile::Secondary: break;
    }
    return QStringLiteral("secondary.lrc");
}

QString RecordId(enuLanguageFile penuFile, qsizetype plngPosition)
{
    if (penuFile == enuLanguageFile::Messages) return NumberedId("MSG", plngPosition, false);
    const QString strId = NumberedId("TXT", plngPosition, true);
    return plngPosition >= 999 ? strId + u'#' + QString::number(plngPosition + 1) : strId;
}

bool ControlHasCaptionLine(const QString& pstrControlName)
{
    return !pstrControlName.startsWith(QLatin1StringView("txt"), Qt::CaseInsensitive);
}

bool ControlHasToolTipLine(const QString& pstrControlName)
{
    return !(pstrControlName.size() >= 4 && (pstrControlName.startsWith(QLatin1StringView("[cap"), Qt::CaseInsensitive) ||
                                             pstrControlName.startsWith(QLatin1StringView("mnu"), Qt::CaseInsensitive)));
}

std::vector<udtEntryText> MatchEntries(enuLanguageFile penuFile, const clsTralyx& pobjSource,
                                       const clsTralyx& pobjTranslation)
{
    std::vector<udtEntryText> udtOut;
    ForEachEntryOf(penuFile, pobjSource, pobjTranslation, [&udtOut](const udtEntryText& u) { udtOut.push_back(u); });
    return udtOut;
}

void ForEachEntry(enuLanguageFile penuFile, const clsTralyx& pobjSource, const clsTralyx& pobjTranslation,
                  const std::function<void(const udtEntryText&)>& pfnEntry)
{
    ForEachEntryOf(penuFile, pobjSource, pobjTranslation, pfnEntry);
}

}  // namespace tralyx
