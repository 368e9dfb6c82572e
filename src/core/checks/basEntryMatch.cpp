#include "basEntryMatch.h"

#include "basFormatText.h"

#include <QHash>

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

void MatchControlText(const clsTralyx& pobjSource, const clsTralyx& pobjTranslation,
                      std::vector<udtEntryText>& pudtOut)
{
    const QVector<ControlTextItem>& udtSource = pobjSource.ControlTextTable();
    const QVector<ControlTextItem>& udtTranslation = pobjTranslation.ControlTextTable();
    auto Named = [](const ControlTextItem& u) { return !u.FormName.isEmpty() || !u.ControlName.isEmpty(); };

    QHash<QString, qsizetype> lngSourceAt;  // first occurrence of each path
    lngSourceAt.reserve(udtSource.size());
    for (qsizetype i = 0; i < udtSource.size(); ++i)
        if (Named(udtSource[i])) {
            const QString strPath = clsTralyx::ObjectPath(udtSource[i]);
            if (!lngSourceAt.contains(strPath)) lngSourceAt.insert(strPath, i);
        }
    QHash<QString, qsizetype> lngTranslationAt;
    lngTranslationAt.reserve(udtTranslation.size());

    auto Add = [&](const QString& strPath, qsizetype lngSource, qsizetype lngRecord) {
        const ControlTextItem* pS = lngSource >= 0 ? &udtSource[lngSource] : nullptr;
        const ControlTextItem* pT = lngRecord >= 0 ? &udtTranslation[lngRecord] : nullptr;
        const QString& strControl = (pT ? pT : pS)->ControlName;
        for (const bool booCaption : {true, false}) {
            udtEntryText u;
            u.Id = strPath + (booCaption ? QStringLiteral(".C") : QStringLiteral(".T"));
            u.Key = u.Id;
            u.Kind = booCaption ? enuTextKind::Caption : enuTextKind::ToolTip;
            u.ObjectPath = strPath;
            u.SourceRecord = static_cast<int32_t>(lngSource);
            u.Record = static_cast<int32_t>(lngRecord);
            u.SourceLine = LineOf(pobjSource.ControlTextLines(), lngSource);
            u.Line = LineOf(pobjTranslation.ControlTextLines(), lngRecord);
            if (pS) u.Source = booCaption ? pS->Caption : pS->ToolTip;
            if (pT) u.Translation = booCaption ? pT->Caption : pT->ToolTip;
            u.Storable = booCaption ? ControlHasCaptionLine(strControl) : ControlHasToolTipLine(strControl);
            pudtOut.push_back(std::move(u));
        }
    };

    for (qsizetype i = 0; i < udtTranslation.size(); ++i) {
        if (!Named(udtTranslation[i])) continue;
        const QString strPath = clsTralyx::ObjectPath(udtTranslation[i]);
        if (lngTranslationAt.contains(strPath)) continue;  // a later duplicate is never read
        lngTranslationAt.insert(strPath, i);
        Add(strPath, lngSourceAt.value(strPath, -1), i);
    }
    for (qsizetype i = 0; i < udtSource.size(); ++i) {
        if (!Named(udtSource[i])) continue;
        const QString strPath = clsTralyx::ObjectPath(udtSource[i]);
        if (lngSourceAt.value(strPath) == i && !lngTranslationAt.contains(strPath)) Add(strPath, i, -1);
    }
}

template <typename T, typename F>
void MatchByPosition(const QVector<T>& pSource, const QVector<T>& pTranslation, const QVector<int32_t>& plngSourceLines,
                     const QVector<int32_t>& plngLines, F pfnEmit)
{
    const qsizetype lngCount = std::max(pSource.size(), pTranslation.size());
    for (qsizetype i = 0; i < lngCount; ++i) {
        const bool booS = i < pSource.size();
        const bool booT = i < pTranslation.size();
        udtEntryText u;
        u.SourceRecord = booS ? static_cast<int32_t>(i) : -1;
        u.Record = booT ? static_cast<int32_t>(i) : -1;
        u.SourceLine = booS ? LineOf(plngSourceLines, i) : 0;
        u.Line = booT ? LineOf(plngLines, i) : 0;
        pfnEmit(u, i, booS ? &pSource[i] : nullptr, booT ? &pTranslation[i] : nullptr);
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
    switch (penuFile) {
    case enuLanguageFile::ControlText:
        MatchControlText(pobjSource, pobjTranslation, udtOut);
        break;
    case enuLanguageFile::Messages:
        udtOut.reserve(2 * static_cast<size_t>(pobjTranslation.MessageTable().size()));
        MatchByPosition(pobjSource.MessageTable(), pobjTranslation.MessageTable(), pobjSource.MessageLines(),
                        pobjTranslation.MessageLines(),
                        [&](udtEntryText u, qsizetype i, const MessageItem* pS, const MessageItem* pT) {
                            udtEntryText udtTitle = u;
                            u.Id = u.Key = NumberedId("MSG", i, false);
                            u.Kind = enuTextKind::MessageText;
                            if (pS) u.Source = pS->Message;
                            if (pT) u.Translation = pT->Message;
                            udtOut.push_back(std::move(u));
                            udtTitle.Id = udtTitle.Key = NumberedId("MST", i, false);
                            udtTitle.Kind = enuTextKind::MessageTitle;
                            if (pS) udtTitle.Source = pS->Title;
                            if (pT) udtTitle.Translation = pT->Title;
                            udtOut.push_back(std::move(udtTitle));
                        });
        break;
    case enuLanguageFile::Secondary:
        udtOut.reserve(static_cast<size_t>(pobjTranslation.SecondaryTable().size()));
        MatchByPosition(pobjSource.SecondaryTable(), pobjTranslation.SecondaryTable(), pobjSource.SecondaryLines(),
                        pobjTranslation.SecondaryLines(),
                        [&](udtEntryText u, qsizetype i, const QString* pS, const QString* pT) {
                            u.Key = RecordId(enuLanguageFile::Secondary, i);
                            u.Id = NumberedId("TXT", i, true);
                            u.Kind = enuTextKind::Secondary;
                            if (pS) u.Source = *pS;
                            if (pT) u.Translation = *pT;
                            udtOut.push_back(std::move(u));
                        });
        break;
    }
    return udtOut;
}

}  // namespace tralyx
