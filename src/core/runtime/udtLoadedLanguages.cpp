#include "runtime/udtLoadedLanguages.h"

namespace tralyx {
namespace {

// The language's text unless it is empty or missing, then the source's.
template <class TTable, class TText>
QString Resolved(const TTable& pudtLanguage, const TTable& pudtSource, int plngId, TText pfnText)
{
    const qsizetype lngPosition = static_cast<qsizetype>(plngId) - 1;
    if (lngPosition < 0) return QString();
    if (lngPosition < pudtLanguage.size()) {
        const QString& strText = pfnText(pudtLanguage[lngPosition]);
        if (!strText.isEmpty()) return strText;
    }
    if (lngPosition < pudtSource.size()) return pfnText(pudtSource[lngPosition]);
    return QString();
}

}  // namespace

bool udtLoadedLanguages::Find(QByteArrayView pbytKey, uint8_t pbytIndex, udtFoundTexts& pudtOut) const
{
    const int32_t lngEntry = Language.FindEntry(pbytKey, pbytIndex);
    const int32_t lngSource = Source.IsLoaded() ? Source.FindEntry(pbytKey, pbytIndex) : -1;
    if (lngEntry < 0 && lngSource < 0) return false;
    pudtOut = {};
    if (lngEntry >= 0) {
        pudtOut.HasCaption = Language.HasCaption(lngEntry);
        pudtOut.HasToolTip = Language.HasToolTip(lngEntry);
        pudtOut.Texts = {Language.Caption(lngEntry), Language.ToolTip(lngEntry)};
    }
    if (lngSource >= 0) {
        if (pudtOut.Texts.Caption.isEmpty()) pudtOut.Texts.Caption = Source.Caption(lngSource);
        if (pudtOut.Texts.ToolTip.isEmpty()) pudtOut.Texts.ToolTip = Source.ToolTip(lngSource);
        pudtOut.HasCaption = pudtOut.HasCaption || Source.HasCaption(lngSource);
        pudtOut.HasToolTip = pudtOut.HasToolTip || Source.HasToolTip(lngSource);
    }
    return true;
}

bool udtLoadedLanguages::FindControl(QStringView pstrForm, QStringView pstrControl, uint8_t pbytIndex, udtFoundTexts& pudtOut) const
{
    if (Compiled) return Compiled->Find(pstrForm, pstrControl, pbytIndex, pudtOut);
    QByteArray bytKey;
    return Language.EntryKey(pstrForm, pstrControl, bytKey) && Find(bytKey, pbytIndex, pudtOut);
}

QString udtLoadedLanguages::MessageText(int plngId) const
{
    if (Compiled) return Compiled->MessageText(plngId);
    return Resolved(Language.Messages(), Source.Messages(), plngId, [](const MessageItem& m) -> const QString& { return m.Message; });
}

QString udtLoadedLanguages::MessageTitle(int plngId) const
{
    if (Compiled) return Compiled->MessageTitle(plngId);
    return Resolved(Language.Messages(), Source.Messages(), plngId, [](const MessageItem& m) -> const QString& { return m.Title; });
}

QString udtLoadedLanguages::Text(int plngId) const
{
    if (Compiled) return Compiled->Text(plngId);
    return Resolved(Language.Texts(), Source.Texts(), plngId, [](const QString& s) -> const QString& { return s; });
}

}  // namespace tralyx
