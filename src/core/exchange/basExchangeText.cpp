#include "exchange/basExchangeText.h"

#include "common/basTextSyntax.h"
#include "exchange/basLanguageFolder.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringDecoder>
#include <algorithm>

namespace tralyx {

QString ToExchangeText(const QString& pstrText)
{
    if (!pstrText.contains(u'\r')) return pstrText;
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
    for (udtMarker udtFound = NextMarker(pstrText, 0); udtFound.Closed(); udtFound = NextMarker(pstrText, udtFound.End))
        strOut.append(pstrText.mid(udtFound.Start, udtFound.End - udtFound.Start));
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

// One line for the translator: what kind of text, what it must keep, where it is.
QString NoteOf(enuFileKind penuFile, const udtEntryText& pudtEntry)
{
    QString strNote;
    const QString& strText = pudtEntry.Obsolete() ? pudtEntry.Translation : pudtEntry.Source;
    switch (pudtEntry.Kind) {
    case enuTextKind::Caption: {
        const QString strKeys = AccessKeysOf(strText);
        strNote = strKeys.isEmpty() ? QStringLiteral("caption, no access key")
                                    : QStringLiteral("caption, access key ") + strKeys.front();
        if (strKeys.size() > 1) strNote += QStringLiteral(" and ") + QString::number(strKeys.size() - 1) + QStringLiteral(" more");
        break;
    }
    case enuTextKind::ToolTip: strNote = QStringLiteral("tool-tip"); break;
    case enuTextKind::MessageTitle: strNote = QStringLiteral("message title, one line"); break;
    case enuTextKind::MessageText: strNote = QStringLiteral("message text"); break;
    case enuTextKind::Secondary: strNote = QStringLiteral("text"); break;
    }
    if (const QStringList strMarkers = MarkersOf(strText); !strMarkers.isEmpty())
        strNote += QStringLiteral("; keep ") + strMarkers.join(u' ');
    strNote += QStringLiteral("; ") + LanguageFileName(penuFile) + QStringLiteral(" line ") + QString::number(pudtEntry.Line);
    if (pudtEntry.Obsolete()) strNote += QStringLiteral("; obsolete: the source has no such entry, the source text shown is the translation");
    return strNote;
}

}  // namespace

void ExportEntries(enuFileKind penuFile, const clsTralyx& pobjSource, const clsTralyx& pobjTranslation,
                   std::vector<udtExchangeEntry>& udtOut, int32_t& plngMissing, const clsTranslationState* pobjState)
{
    const std::vector<udtEntryText> udtEntries = MatchEntries(penuFile, pobjSource, pobjTranslation);
    udtOut.reserve(udtOut.size() + udtEntries.size());
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
        udtItem.Obsolete = udtEntry.Obsolete();
        const udtTextState* pudtFound = pobjState ? pobjState->Find(penuFile, udtEntry.Key) : nullptr;
        const udtTextState udtState = pudtFound ? *pudtFound : udtTextState();
        if (udtEntry.Obsolete() || udtEntry.Translation != udtEntry.Source || udtState.Done || udtState.Review)
            udtItem.Translation = ToExchangeText(udtEntry.Translation);
        if (udtState.Review && !udtItem.Obsolete && !udtItem.Translation.isEmpty()) {
            udtItem.Fuzzy = true;
            // PO's previous entry is a msgid, with its msgctxt where that was another.
            if (!udtState.MovedFrom.isEmpty()) udtItem.PreviousContext = ExchangeContext(udtItem.FileName, udtState.MovedFrom);
            if (udtState.PreviousSource != udtEntry.Source || !udtItem.PreviousContext.isEmpty())
                udtItem.PreviousSource = ToExchangeText(udtState.PreviousSource);
        }
        udtItem.Comment = udtState.Note;
        udtItem.Note = NoteOf(penuFile, udtEntry);
        udtOut.push_back(std::move(udtItem));
    }
}

QString DeclaredCodePageDoubt(const QByteArray& pbytContent, const QString& pstrDeclared)
{
    if (pstrDeclared.isEmpty() || !clsCodePage(pstrDeclared).IsSingleByte()) return QString();
    if (std::all_of(pbytContent.cbegin(), pbytContent.cend(), [](char c) { return uint8_t(c) < 0x80; })) return QString();
    QStringDecoder objUtf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    (void)objUtf8.decode(pbytContent);
    if (objUtf8.hasError()) return QString();
    return QCoreApplication::translate("basExchangeText", "the file says its code page is %1, but its bytes are UTF-8: its texts may be garbled (read as %1, "
                          "as the file says)")
        .arg(pstrDeclared);
}

QString ExchangeContext(const QString& pstrFileName, const QString& pstrKey) { return pstrFileName + u':' + pstrKey; }

bool SplitExchangeContext(const QString& pstrContext, QString& pstrFileName, QString& pstrKey)
{
    for (const enuFileKind enuFile : AllFileKinds) {
        const QString strFile = LanguageFileName(enuFile);
        if (pstrContext.size() > strFile.size() && pstrContext.startsWith(strFile) && pstrContext[strFile.size()] == u':') {
            pstrFileName = strFile;
            pstrKey = pstrContext.mid(strFile.size() + 1);
            return true;
        }
    }
    return false;
}

QString LanguageFileOfKey(const QString& pstrKey)
{
    static const QRegularExpression objNumbered(QStringLiteral("^(MSG|MST|TXT)\\d{3}(#\\d+)?$"));
    static const QRegularExpression objControl(QStringLiteral("^[^.]*\\.[^.]*\\.\\d+\\.[CT]$"));
    if (const QRegularExpressionMatch objMatch = objNumbered.match(pstrKey); objMatch.hasMatch())
        return LanguageFileName(objMatch.capturedView(1) == u"TXT" ? enuFileKind::Secondary : enuFileKind::Messages);
    return objControl.match(pstrKey).hasMatch() ? LanguageFileName(enuFileKind::ControlText) : QString();
}

bool IsLanguageFileName(const QString& pstrName)
{
    return std::any_of(std::begin(AllFileKinds), std::end(AllFileKinds), [&](enuFileKind e) { return LanguageFileName(e) == pstrName; });
}

QString ExportRecordIn(QStringView pstrNote)
{
    static const QRegularExpression objRecord(QStringLiteral("(?:^|\\n)tralyx-exported: ([0-9a-f]{12})(?:\\n|$)"));
    return objRecord.match(pstrNote.toString()).captured(1);
}

}  // namespace tralyx
