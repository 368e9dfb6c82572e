#include "basControlTextFormat.h"

#include "basFormatText.h"
#include "basShortened.h"
#include "clsLineReader.h"

#include <algorithm>
#include <cstring>

namespace tralyx {
namespace {

bool StartsWithNoCase(const QString& pstrText, QLatin1StringView pstrPrefix)
{
    return pstrText.size() >= pstrPrefix.size() &&
           QStringView(pstrText).left(pstrPrefix.size()).compare(pstrPrefix, Qt::CaseInsensitive) == 0;
}

// Which lines an entry gets depends on its control name.
bool HasToolTipLine(const QString& pstrControlName)
{
    return !(pstrControlName.size() >= 4 &&
             (StartsWithNoCase(pstrControlName, QLatin1StringView("[cap")) ||
              StartsWithNoCase(pstrControlName, QLatin1StringView("mnu"))));
}

bool HasCaptionLine(const QString& pstrControlName) { return !StartsWithNoCase(pstrControlName, QLatin1StringView("txt")); }

// A piece of a line quoted in a reason.
constexpr qsizetype QuotedChars = 20;

struct udtParsedLine {
    QStringView FormName;
    QStringView ControlName;
    int32_t Index = 0;
    QStringView Tag;
    QStringView Text;  // everything after the colon, blanks included
};

// Splits an entry line; on failure returns the reason.
QString ParseEntryLine(const QString& pstrLine, udtParsedLine& pudtOut)
{
    if (pstrLine.isEmpty()) return QStringLiteral("the line is blank");
    const qsizetype p1 = pstrLine.indexOf(u'.');
    const qsizetype p2 = p1 < 0 ? -1 : pstrLine.indexOf(u'.', p1 + 1);
    const qsizetype p3 = p2 < 0 ? -1 : pstrLine.indexOf(u'.', p2 + 1);
    if (p3 < 0) return QStringLiteral("expected Form.Control.Index.Tag:Text, but the line has fewer than three '.'");
    const QStringView strLine(pstrLine);
    const QStringView strIndex = strLine.mid(p2 + 1, p3 - p2 - 1);
    const auto lngIndex = ParseDigits(strIndex, 255);
    if (!lngIndex) return QStringLiteral("index '%1' is not a number from 0 to 255").arg(Shortened(strIndex, QuotedChars));
    const qsizetype lngColon = pstrLine.indexOf(u':', p3 + 1);
    if (lngColon < 0) return QStringLiteral("no ':' after the index (expected a tag such as T: or C:)");
    pudtOut.FormName = strLine.left(p1);
    pudtOut.ControlName = strLine.mid(p1 + 1, p2 - p1 - 1);
    pudtOut.Index = *lngIndex;
    pudtOut.Tag = strLine.mid(p3 + 1, lngColon - p3 - 1);
    pudtOut.Text = strLine.mid(lngColon + 1);
    return QString();
}

QStringView WithoutLeadingBlanks(QStringView pstrText)
{
    qsizetype i = 0;
    while (i < pstrText.size() && pstrText[i] == u' ') ++i;
    return pstrText.mid(i);
}

// Reuses the previous string when equal, so that the many records of one form share one name.
const QString& Shared(QString& pstrLast, QStringView pstrNew)
{
    if (pstrLast != pstrNew) pstrLast = pstrNew.toString();
    return pstrLast;
}

qsizetype CountByte(QByteArrayView pbytContent, char pbytWanted)
{
    qsizetype lngCount = 0;
    if (pbytContent.isEmpty()) return 0;  // memchr must not see the null data of an empty view
    const char* p = pbytContent.data();
    const char* const end = p + pbytContent.size();
    while ((p = static_cast<const char*>(std::memchr(p, pbytWanted, static_cast<size_t>(end - p))))) {
        ++lngCount;
        ++p;
    }
    return lngCount;
}

// Room for the table before it is read, so that it is not copied as it grows. A record takes at
// least one line; the count only guides the reservation (a file that mixes lone CRs and lone LFs is
// counted short, and the table then grows as usual).
qsizetype RecordsAtMost(QByteArrayView pbytContent)
{
    const qsizetype lngLines = std::max(CountByte(pbytContent, '\r'), CountByte(pbytContent, '\n')) + 1;
    return std::min<qsizetype>(lngLines, clsTralyx::MaxRecords);
}

}  // namespace

void AppendEntryLines(QString& pstrOut, QStringView pstrObjectPath, QChar pchrTag, QStringView pstrText,
                      bool pbooBlankAfterColon)
{
    auto AppendHead = [&] {
        pstrOut += pstrObjectPath;
        pstrOut += u'.';
        pstrOut += pchrTag;
        pstrOut += u':';
    };
    AppendHead();
    if (pbooBlankAfterColon) pstrOut += u' ';
    qsizetype lngStart = 0;
    for (qsizetype i = 0; i < pstrText.size(); ++i) {
        const QChar c = pstrText[i];
        if (c != u'\r' && c != u'\n') continue;
        pstrOut += pstrText.mid(lngStart, i - lngStart);
        if (c == u'\r' && i + 1 < pstrText.size() && pstrText[i + 1] == u'\n') ++i;
        lngStart = i + 1;
        pstrOut += u'\r';
        AppendHead();
    }
    pstrOut += pstrText.mid(lngStart);
}

namespace {

template <bool KeepTexts>
void ReadControlTextLines(const QByteArray& pbytContent, const clsCodePage& pobjCodePage, udtControlTextRead& pudtOut)
{
    pudtOut = {};
    pudtOut.Table = QVector<ControlTextItem>(1);
    pudtOut.Lines = QVector<int32_t>(1, 0);
    const QByteArrayView bytContent = ContentWithoutMark(pbytContent, pobjCodePage, pudtOut.ByteOrderMark);
    // Without the texts only the current record is kept; Lines counts the records.
    QVector<ControlTextItem>& udtTable = pudtOut.Table;
    if constexpr (KeepTexts) {
        const qsizetype lngRecords = RecordsAtMost(bytContent);
        udtTable.reserve(lngRecords);
        pudtOut.Lines.reserve(lngRecords);
    }
    const auto Fail = [&](int32_t plngLine, const QString& pstrReason) { pudtOut.Error = {plngLine, pstrReason}; };

    QString strForm, strControl;   // shared name strings
    bool booHaveEntry = false;      // the first record has been started
    bool booHasCaption = false;     // the current record has had its caption line
    bool booContinues = false;      // the last entry line ended with a lone CR
    QChar chrLastTag;
    clsLineReader objLines(bytContent);
    QString strLine;  // one buffer for every line
    QString strReason;
    while (objLines.Next()) {
        if (!pobjCodePage.DecodeLine(objLines.Data(), objLines.Size(), strLine, strReason))
            return Fail(objLines.LineNumber(), strReason);
        udtParsedLine udtLine;
        strReason = ParseEntryLine(strLine, udtLine);
        if (!strReason.isEmpty()) return Fail(objLines.LineNumber(), strReason);

        const bool booT = udtLine.Tag == u"T";
        const bool booC = udtLine.Tag == u"C";
        if (!booT && !booC) {
            AddWarning(pudtOut, objLines.LineNumber(),
                                     QStringLiteral("unexpected tag '%1'; the line was skipped").arg(Shortened(udtLine.Tag, QuotedChars)));
            booContinues = false;
            continue;
        }
        const QChar chrTag = booT ? u'T' : u'C';
        ControlTextItem* pudtCurrent = booHaveEntry ? &udtTable.last() : nullptr;
        const bool booSamePath = pudtCurrent && pudtCurrent->FormName == udtLine.FormName &&
                                 pudtCurrent->ControlName == udtLine.ControlName && pudtCurrent->Index == udtLine.Index;

        if (booContinues && booSamePath && chrTag == chrLastTag) {
            // The next line of a multi-line text: it keeps its leading blanks.
            if constexpr (KeepTexts) {
                QString& strField = booT ? pudtCurrent->ToolTip : pudtCurrent->Caption;
                strField += QStringLiteral("\r\n");
                strField += udtLine.Text;
            }
        } else {
            const bool booJoins = booC && booSamePath && !booHasCaption;
            if (!booHaveEntry) {
                booHaveEntry = true;
                pudtOut.Lines[0] = objLines.LineNumber();
            } else if (!booJoins) {
                if (pudtOut.Lines.size() >= clsTralyx::MaxRecords)
                    return Fail(objLines.LineNumber(),
                                QStringLiteral("the file has more than %L1 records, the most a table can hold")
                                    .arg(clsTralyx::MaxRecords));
                if constexpr (KeepTexts) udtTable.append(ControlTextItem());
                else udtTable.last() = ControlTextItem();
                pudtOut.Lines.append(objLines.LineNumber());
                booHasCaption = false;
            }
            ControlTextItem& udtRecord = udtTable.last();
            if (!booJoins) {
                udtRecord.FormName = Shared(strForm, udtLine.FormName);
                udtRecord.ControlName = Shared(strControl, udtLine.ControlName);
                udtRecord.Index = static_cast<uint8_t>(udtLine.Index);
            }
            if (booC) booHasCaption = true;
            if constexpr (KeepTexts) (booT ? udtRecord.ToolTip : udtRecord.Caption) = WithoutLeadingBlanks(udtLine.Text).toString();
        }
        chrLastTag = chrTag;
        booContinues = objLines.EndedByLoneCR();
    }
    pudtOut.Success = true;
}

}  // namespace

void ReadControlText(const QByteArray& pbytContent, const clsCodePage& pobjCodePage, udtControlTextRead& pudtOut)
{
    ReadControlTextLines<true>(pbytContent, pobjCodePage, pudtOut);
    FinishWarnings(pudtOut);
}

void ScanControlText(const QByteArray& pbytContent, const clsCodePage& pobjCodePage, udtControlTextRead& pudtOut)
{
    ReadControlTextLines<false>(pbytContent, pobjCodePage, pudtOut);
    FinishWarnings(pudtOut);
}

bool WriteControlText(const QVector<ControlTextItem>& pudtTable, const clsCodePage& pobjCodePage, bool pbooMark,
                      QByteArray& pbytOut, udtFileIssue& pudtError)
{
    pbytOut.clear();
    if (pudtTable.size() > clsTralyx::MaxRecords) {
        pudtError = {0, QStringLiteral("the table has %L1 records; a file can hold at most %L2")
                            .arg(pudtTable.size())
                            .arg(clsTralyx::MaxRecords)};
        return false;
    }
    pbytOut.reserve(pudtTable.size() * 96);
    QString strRecord;
    for (const ControlTextItem& udtItem : pudtTable) {
        const QString strPath = clsTralyx::ObjectPath(udtItem);
        // A name with "." or a line break would be read back as another entry, or not at all.
        for (const QString* pstrName : {&udtItem.FormName, &udtItem.ControlName}) {
            if (pstrName->contains(u'.') || HasLineBreak(*pstrName)) {
                pudtError = {0, QStringLiteral("%1: the name '%2' holds a '.' or a line break, which this format "
                                               "cannot carry")
                                    .arg(strPath, *pstrName)};
                return false;
            }
        }
        strRecord.resize(0);  // keeps its buffer
        // Leading blanks of a text's first line are not written: the reader would drop them, and a
        // file read and saved again must come out the same, byte for byte.
        if (HasToolTipLine(udtItem.ControlName)) {
            AppendEntryLines(strRecord, strPath, u'T', WithoutLeadingBlanks(udtItem.ToolTip), false);
            strRecord += QLatin1StringView("\r\n");
        }
        if (HasCaptionLine(udtItem.ControlName)) {
            AppendEntryLines(strRecord, strPath, u'C', WithoutLeadingBlanks(udtItem.Caption), false);
            strRecord += QLatin1StringView("\r\n");
        }
        if (!pobjCodePage.Encode(strRecord, pbytOut)) {
            pudtError = {0, QStringLiteral("%1: %2 cannot write the characters '%3'")
                                .arg(strPath, pobjCodePage.Name(), pobjCodePage.Unencodable(strRecord))};
            return false;
        }
    }
    FinishWithMark(pobjCodePage, pbooMark, pbytOut);
    return true;
}

}  // namespace tralyx
