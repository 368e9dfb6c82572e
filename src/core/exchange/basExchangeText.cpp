#include "basExchangeText.h"

#include "basLanguageFolder.h"

namespace tralyx {

QString ToExchangeText(const QString& pstrText)
{
    QString strOut = pstrText;
    strOut.replace(QLatin1StringView("\r\n"), QLatin1StringView("\n"));
    return strOut;
}

QString FromExchangeText(const QString& pstrText)
{
    if (!pstrText.contains(u'\r') && !pstrText.contains(u'\n')) return pstrText;
    QString strOut;
    strOut.reserve(pstrText.size() + 16);
    for (qsizetype i = 0; i < pstrText.size(); ++i) {
        const QChar c = pstrText[i];
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < pstrText.size() && pstrText[i + 1] == u'\n') ++i;
            strOut += QLatin1StringView("\r\n");
        } else {
            strOut += c;
        }
    }
    return strOut;
}

QStringList MarkersOf(const QString& pstrText)
{
    QStringList strOut;
    qsizetype lngFrom = 0;
    for (;;) {
        const qsizetype lngOpen = pstrText.indexOf(QLatin1StringView("[#!"), lngFrom);
        if (lngOpen < 0) break;
        const qsizetype lngClose = pstrText.indexOf(QLatin1StringView("!#]"), lngOpen + 3);
        if (lngClose < 0) break;
        strOut.append(pstrText.mid(lngOpen, lngClose + 3 - lngOpen));
        lngFrom = lngClose + 3;
    }
    return strOut;
}

QString AccessKeysOf(const QString& pstrCaption)
{
    QString strKeys;
    for (qsizetype i = 0; i + 1 < pstrCaption.size(); ++i) {
        if (pstrCaption[i] != u'&') continue;
        if (pstrCaption[i + 1] != u'&') strKeys += pstrCaption[i + 1];
        ++i;  // "&&" is one literal "&"; the character after a single "&" is taken
    }
    return strKeys;
}

namespace {

QStringList NotesOf(enuLanguageFile penuFile, const udtEntryText& pudtEntry)
{
    QStringList strNotes;
    const QString& strText = pudtEntry.Obsolete() ? pudtEntry.Translation : pudtEntry.Source;
    switch (pudtEntry.Kind) {
    case enuTextKind::Caption: {
        const QString strKeys = AccessKeysOf(strText);
        strNotes.append(strKeys.isEmpty() ? QStringLiteral("Caption without an access key (a single & would add one).")
                        : strKeys.size() == 1
                            ? QStringLiteral("Caption with the access key %1: keep one & before a letter (&& is a literal &).")
                                  .arg(strKeys)
                            : QStringLiteral("Caption with %1 access keys (%2).").arg(strKeys.size()).arg(strKeys));
        break;
    }
    case enuTextKind::ToolTip: strNotes.append(QStringLiteral("Tool-tip.")); break;
    case enuTextKind::MessageTitle: strNotes.append(QStringLiteral("Message title: one line only.")); break;
    case enuTextKind::MessageText: strNotes.append(QStringLiteral("Message text.")); break;
    case enuTextKind::Secondary: break;
    }
    const QStringList strMarkers = MarkersOf(strText);
    if (!strMarkers.isEmpty())
        strNotes.append(QStringLiteral("Keep these markers exactly: %1").arg(strMarkers.join(u' ')));
    strNotes.append(QStringLiteral("%1 line %2").arg(LanguageFileName(penuFile)).arg(pudtEntry.Line));
    if (pudtEntry.Obsolete())
        strNotes.append(QStringLiteral("Obsolete: the source language has no such entry; the text shown as source is "
                                       "the current translation."));
    return strNotes;
}

}  // namespace

std::vector<udtExchangeEntry> ExportEntries(enuLanguageFile penuFile, const clsTralyx& pobjSource,
                                            const clsTralyx& pobjTranslation, int32_t& plngMissing)
{
    std::vector<udtExchangeEntry> udtOut;
    const std::vector<udtEntryText> udtEntries = MatchEntries(penuFile, pobjSource, pobjTranslation);
    udtOut.reserve(udtEntries.size());
    for (const udtEntryText& udtEntry : udtEntries) {
        // Line 0: the one empty record of an empty file, which has no line to change.
        if (udtEntry.Missing() || udtEntry.Line <= 0) {
            if (!udtEntry.Source.isEmpty()) ++plngMissing;
            continue;
        }
        if (!udtEntry.Storable || (udtEntry.Source.isEmpty() && udtEntry.Translation.isEmpty())) continue;
        udtExchangeEntry udtItem;
        udtItem.FileName = LanguageFileName(penuFile);
        udtItem.Key = udtEntry.Key;
        udtItem.Id = udtEntry.Id;
        udtItem.Line = udtEntry.Line;
        // An obsolete entry shows its translation as the source, so that the tool has a text to show
        // and the translator sees what it says.
        udtItem.Source = ToExchangeText(udtEntry.Obsolete() ? udtEntry.Translation : udtEntry.Source);
        if (udtEntry.Obsolete() || udtEntry.Translation != udtEntry.Source)
            udtItem.Translation = ToExchangeText(udtEntry.Translation);
        udtItem.Notes = NotesOf(penuFile, udtEntry);
        udtOut.push_back(std::move(udtItem));
    }
    return udtOut;
}

QString ExchangeContext(const QString& pstrFileName, const QString& pstrKey) { return pstrFileName + u':' + pstrKey; }

bool SplitExchangeContext(const QString& pstrContext, QString& pstrFileName, QString& pstrKey)
{
    for (const enuLanguageFile enuFile : AllLanguageFiles) {
        const QString strFile = LanguageFileName(enuFile);
        if (pstrContext.size() > strFile.size() && pstrContext.startsWith(strFile) && pstrContext[strFile.size()] == u':') {
            pstrFileName = strFile;
            pstrKey = pstrContext.mid(strFile.size() + 1);
            return true;
        }
    }
    return false;
}

}  // namespace tralyx
