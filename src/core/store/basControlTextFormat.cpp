#include "store/basControlTextFormat.h"

#include "common/basShortened.h"
#include "store/basFormatText.h"
#include "store/clsLineReader.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstring>
#include <type_traits>

namespace tralyx {
namespace {

bool StartsWithNoCase(const QString& pstrText, QLatin1StringView pstrPrefix)
{
    return pstrText.size() >= pstrPrefix.size() &&
           QStringView(pstrText).left(pstrPrefix.size()).compare(pstrPrefix, Qt::CaseInsensitive) == 0;
}

// A piece of a line quoted in a reason.
constexpr qsizetype QuotedChars = 20;

// An entry line split at its first three '.' and the ':' after them. The line is a QStringView of
// its decoded text, or a QByteArrayView of its bytes where the code page keeps ASCII as it is: the
// separators, digits and tags are then the same at the same positions.
template <class TView>
struct udtParsedLine {
    TView FormName;
    TView ControlName;
    int32_t Index = 0;
    TView Tag;
    TView Text;  // everything after the colon, blanks included
};

char16_t Unit(QChar c) { return c.unicode(); }
char16_t Unit(char c) { return static_cast<uint8_t>(c); }

bool SameText(QByteArrayView pbytA, QByteArrayView pbytB)
{
    return pbytA.size() == pbytB.size() && (pbytA.isEmpty() || std::memcmp(pbytA.data(), pbytB.data(), static_cast<size_t>(pbytA.size())) == 0);
}

enum class enuLineProblem { None, Blank, FewDots, BadIndex, NoColon };

qsizetype FindIn(QStringView pstrLine, char16_t pchrWanted, qsizetype plngFrom)
{
    return pstrLine.indexOf(QChar(pchrWanted), plngFrom);
}
qsizetype FindIn(QByteArrayView pbytLine, char16_t pchrWanted, qsizetype plngFrom)
{
    if (plngFrom >= pbytLine.size()) return -1;
    const void* hit = std::memchr(pbytLine.data() + plngFrom, static_cast<char>(pchrWanted), static_cast<size_t>(pbytLine.size() - plngFrom));
    return hit ? static_cast<const char*>(hit) - pbytLine.data() : -1;
}

// Splits an entry line; on failure says what is wrong (LineProblemReason words it).
template <class TView>
enuLineProblem ParseEntryLine(TView pviwLine, udtParsedLine<TView>& pudtOut)
{
    if (pviwLine.isEmpty()) return enuLineProblem::Blank;
    const qsizetype p1 = FindIn(pviwLine, u'.', 0);
    const qsizetype p2 = p1 < 0 ? -1 : FindIn(pviwLine, u'.', p1 + 1);
    const qsizetype p3 = p2 < 0 ? -1 : FindIn(pviwLine, u'.', p2 + 1);
    if (p3 < 0) return enuLineProblem::FewDots;
    const TView viwIndex = pviwLine.sliced(p2 + 1, p3 - p2 - 1);
    if (viwIndex.isEmpty()) return enuLineProblem::BadIndex;
    int32_t lngIndex = 0;
    for (const auto c : viwIndex) {  // ASCII digits only, as ParseDigits takes them
        const char16_t u = Unit(c);
        if (u < u'0' || u > u'9') return enuLineProblem::BadIndex;
        lngIndex = lngIndex * 10 + (u - u'0');
        if (lngIndex > 255) return enuLineProblem::BadIndex;
    }
    const qsizetype lngColon = FindIn(pviwLine, u':', p3 + 1);
    if (lngColon < 0) return enuLineProblem::NoColon;
    pudtOut.FormName = pviwLine.first(p1);
    pudtOut.ControlName = pviwLine.sliced(p1 + 1, p2 - p1 - 1);
    pudtOut.Index = lngIndex;
    pudtOut.Tag = pviwLine.sliced(p3 + 1, lngColon - p3 - 1);
    pudtOut.Text = pviwLine.sliced(lngColon + 1);
    return enuLineProblem::None;
}

// Why a decoded line is not an entry line (empty when it is one).
QString LineProblemReason(QStringView pstrLine)
{
    udtParsedLine<QStringView> udtLine;
    switch (ParseEntryLine(pstrLine, udtLine)) {
    case enuLineProblem::None: return QString();
    case enuLineProblem::Blank: return QCoreApplication::translate("basControlTextFormat", "the line is blank");
    case enuLineProblem::FewDots:
        return QCoreApplication::translate("basControlTextFormat", "expected Form.Control.Index.Tag:Text, but the line has fewer than three '.'");
    case enuLineProblem::BadIndex: {
        const qsizetype p1 = pstrLine.indexOf(u'.');
        const qsizetype p2 = pstrLine.indexOf(u'.', p1 + 1);
        const QStringView strIndex = pstrLine.mid(p2 + 1, pstrLine.indexOf(u'.', p2 + 1) - p2 - 1);
        return QCoreApplication::translate("basControlTextFormat", "index '%1' is not a number from 0 to 255").arg(Shortened(strIndex, QuotedChars));
    }
    case enuLineProblem::NoColon: return QCoreApplication::translate("basControlTextFormat", "no ':' after the index (expected a tag such as T: or C:)");
    }
    return QString();
}

template <class TView>
TView WithoutLeadingBlanks(TView pviwText)
{
    qsizetype i = 0;
    while (i < pviwText.size() && Unit(pviwText[i]) == u' ') ++i;
    return pviwText.sliced(i);
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

// Which lines an entry gets depends on its control name.
bool EntryHasToolTipLine(const QString& pstrControlName)
{
    return !(pstrControlName.size() >= 4 &&
             (StartsWithNoCase(pstrControlName, QLatin1StringView("[cap")) ||
              StartsWithNoCase(pstrControlName, QLatin1StringView("mnu"))));
}

bool EntryHasCaptionLine(const QString& pstrControlName) { return !StartsWithNoCase(pstrControlName, QLatin1StringView("txt")); }

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
        if (c > u'\r' || (c != u'\r' && c != u'\n')) continue;
        pstrOut += pstrText.mid(lngStart, i - lngStart);
        if (c == u'\r' && i + 1 < pstrText.size() && pstrText[i + 1] == u'\n') ++i;
        lngStart = i + 1;
        pstrOut += u'\r';
        AppendHead();
    }
    pstrOut += pstrText.mid(lngStart);
}

namespace {

// Bytes: the lines are parsed as bytes (the code page keeps ASCII as it is and decodes each byte to
// a character of its own, so bytes compare as their text does) and only names and kept texts are
// decoded. Otherwise each line is decoded whole, with the code page's checks, and parsed as text.
// pudtEntries (Bytes without texts): where each record's lines start. The separators, digits and
// tags are single ASCII bytes in every usable code page and never part of a multi-byte character,
// so the bytes parse as the text does there too, once each line has passed the code page's checks.
template <bool KeepTexts, bool Bytes>
void ReadControlTextLines(const QByteArray& pbytContent, const clsCodePage& pobjCodePage, udtControlTextRead& pudtOut,
                          QVector<udtEntryLines>* pudtEntries = nullptr)
{
    using TView = std::conditional_t<Bytes, QByteArrayView, QStringView>;
    const bool booCheckLines = Bytes && !pobjCodePage.KeepsAscii();
    pudtOut = {};
    pudtOut.Table = QVector<ControlTextItem>(1);
    pudtOut.Lines = QVector<int32_t>(1, 0);
    if constexpr (KeepTexts) pudtOut.SecondLines = pudtOut.Lines;
    const QByteArrayView bytContent = ContentWithoutMark(pbytContent, pobjCodePage, pudtOut.ByteOrderMark);
    if (RefusedAsConflict(bytContent, pudtOut)) return;
    // Without the texts only the current record is kept; Lines counts the records.
    QVector<ControlTextItem>& udtTable = pudtOut.Table;
    if constexpr (KeepTexts) {
        const qsizetype lngRecords = RecordsAtMost(bytContent);
        udtTable.reserve(lngRecords);
        pudtOut.Lines.reserve(lngRecords);
        pudtOut.SecondLines.reserve(lngRecords);
    }
    const auto Fail = [&](int32_t plngLine, const QString& pstrReason) { pudtOut.Error = {plngLine, pstrReason}; };
    const auto Text = [&](TView pviwText) {
        if constexpr (Bytes) return pobjCodePage.Decode(pviwText.data(), pviwText.size());
        else return pviwText.toString();
    };

    QString strForm, strControl;    // shared name strings
    TView viwForm, viwControl;      // Bytes: what they were decoded from, in the content
    TView viwRecordForm, viwRecordControl;  // Bytes: the names of the current record
    bool booHaveEntry = false;      // the first record has been started
    bool booHasCaption = false;     // the current record has had its caption line
    bool booContinues = false;      // the last entry line ended with a lone CR
    QChar chrLastTag;
    clsLineReader objLines(bytContent);
    QString strLine;  // one buffer for every decoded line
    QString strReason;
    while (objLines.Next()) {
        TView viwLine;
        if constexpr (Bytes) {
            viwLine = QByteArrayView(objLines.Data(), objLines.Size());
            if (booCheckLines && !pobjCodePage.DecodeLine(objLines.Data(), objLines.Size(), strLine, strReason))
                return Fail(objLines.LineNumber(), strReason);
        } else {
            if (!pobjCodePage.DecodeLine(objLines.Data(), objLines.Size(), strLine, strReason))
                return Fail(objLines.LineNumber(), strReason);
            viwLine = strLine;
        }
        udtParsedLine<TView> udtLine;
        if (ParseEntryLine(viwLine, udtLine) != enuLineProblem::None)
            return Fail(objLines.LineNumber(),
                        LineProblemReason(Bytes ? pobjCodePage.Decode(objLines.Data(), objLines.Size()) : strLine));

        const bool booT = udtLine.Tag.size() == 1 && Unit(udtLine.Tag[0]) == u'T';
        const bool booC = udtLine.Tag.size() == 1 && Unit(udtLine.Tag[0]) == u'C';
        if (!booT && !booC) {
            if (pudtEntries)  // the index takes only what the writer writes
                return Fail(objLines.LineNumber(), QCoreApplication::translate("basControlTextFormat", "unexpected tag '%1' (a line is T: or C:)")
                                                       .arg(Shortened(Text(udtLine.Tag), QuotedChars)));
            AddWarning(pudtOut, objLines.LineNumber(),
                       QCoreApplication::translate("basControlTextFormat", "unexpected tag '%1'; the line was skipped").arg(Shortened(Text(udtLine.Tag), QuotedChars)));
            booContinues = false;
            continue;
        }
        const QChar chrTag = booT ? u'T' : u'C';
        ControlTextItem* pudtCurrent = booHaveEntry ? &udtTable.last() : nullptr;
        bool booSamePath = pudtCurrent && pudtCurrent->Index == udtLine.Index;
        if constexpr (Bytes)
            booSamePath = booSamePath && SameText(viwRecordForm, udtLine.FormName) && SameText(viwRecordControl, udtLine.ControlName);
        else
            booSamePath = booSamePath && pudtCurrent->FormName == udtLine.FormName &&
                          pudtCurrent->ControlName == udtLine.ControlName;

        if (booContinues && booSamePath && chrTag == chrLastTag) {
            // The next line of a multi-line text: it keeps its leading blanks.
            if constexpr (KeepTexts) {
                QString& strField = booT ? pudtCurrent->ToolTip : pudtCurrent->Caption;
                strField += QStringLiteral("\r\n");
                if constexpr (Bytes) pobjCodePage.DecodeAppend(udtLine.Text.data(), udtLine.Text.size(), strField);
                else strField += udtLine.Text;
            }
        } else {
            const bool booJoins = booC && booSamePath && !booHasCaption;
            if (!booHaveEntry) {
                booHaveEntry = true;
                pudtOut.Lines[0] = objLines.LineNumber();
            } else if (!booJoins) {
                if (pudtOut.Lines.size() >= clsTralyx::MaxRecords)
                    return Fail(objLines.LineNumber(),
                                QCoreApplication::translate("basControlTextFormat", "the file has more than %L1 records, the most a table can hold")
                                    .arg(clsTralyx::MaxRecords));
                if constexpr (KeepTexts) udtTable.append(ControlTextItem());
                else if constexpr (!Bytes) udtTable.last() = ControlTextItem();
                pudtOut.Lines.append(objLines.LineNumber());
                if constexpr (KeepTexts) pudtOut.SecondLines.append(0);
                booHasCaption = false;
            }
            if (pudtEntries) {
                if (!booJoins) pudtEntries->append(udtEntryLines());  // a line that does not join starts a record
                (booT ? pudtEntries->last().ToolTip : pudtEntries->last().Caption) =
                    static_cast<int32_t>(objLines.Data() - pbytContent.constData());
            }
            ControlTextItem& udtRecord = udtTable.last();
            if (!booJoins) {
                // The many records of one form share one name string.
                if constexpr (Bytes) {
                    viwRecordForm = udtLine.FormName;
                    viwRecordControl = udtLine.ControlName;
                    if constexpr (KeepTexts) {  // a scan compares the bytes alone
                        if (!SameText(viwForm, udtLine.FormName)) strForm = Text(viwForm = udtLine.FormName);
                        if (!SameText(viwControl, udtLine.ControlName)) strControl = Text(viwControl = udtLine.ControlName);
                    }
                } else {
                    if (strForm != udtLine.FormName) strForm = udtLine.FormName.toString();
                    if (strControl != udtLine.ControlName) strControl = udtLine.ControlName.toString();
                }
                udtRecord.FormName = strForm;
                udtRecord.ControlName = strControl;
                udtRecord.Index = static_cast<uint8_t>(udtLine.Index);
            }
            if (booC) booHasCaption = true;
            if constexpr (KeepTexts)
                if (booC) pudtOut.SecondLines.last() = objLines.LineNumber();
            if constexpr (KeepTexts) (booT ? udtRecord.ToolTip : udtRecord.Caption) = Text(WithoutLeadingBlanks(udtLine.Text));
        }
        chrLastTag = chrTag;
        booContinues = objLines.EndedByLoneCR();
    }
    pudtOut.Success = true;
}

}  // namespace

void ReadControlText(const QByteArray& pbytContent, const clsCodePage& pobjCodePage, udtControlTextRead& pudtOut)
{
    if (pobjCodePage.KeepsAscii()) ReadControlTextLines<true, true>(pbytContent, pobjCodePage, pudtOut);
    else ReadControlTextLines<true, false>(pbytContent, pobjCodePage, pudtOut);
    FinishWarnings(pudtOut);
}

void ScanControlText(const QByteArray& pbytContent, const clsCodePage& pobjCodePage, udtControlTextRead& pudtOut)
{
    if (pobjCodePage.KeepsAscii()) ReadControlTextLines<false, true>(pbytContent, pobjCodePage, pudtOut);
    else ReadControlTextLines<false, false>(pbytContent, pobjCodePage, pudtOut);
    FinishWarnings(pudtOut);
}

void IndexControlText(const QByteArray& pbytContent, const clsCodePage& pobjCodePage, udtControlTextRead& pudtOut,
                      QVector<udtEntryLines>& pudtEntries)
{
    pudtEntries.clear();
    ReadControlTextLines<false, true>(pbytContent, pobjCodePage, pudtOut, &pudtEntries);
    FinishWarnings(pudtOut);
}

udtEntryPath EntryLinePath(QByteArrayView pbytContent, int32_t plngLine)
{
    clsLineReader objLines(pbytContent.sliced(plngLine));
    udtParsedLine<QByteArrayView> udtLine;
    if (objLines.Next()) ParseEntryLine(QByteArrayView(objLines.Data(), objLines.Size()), udtLine);
    return {udtLine.FormName, udtLine.ControlName, static_cast<uint8_t>(udtLine.Index)};
}

QString EntryLineText(QByteArrayView pbytContent, int32_t plngLine, const clsCodePage& pobjCodePage)
{
    clsLineReader objLines(pbytContent.sliced(plngLine));
    udtParsedLine<QByteArrayView> udtFirst;
    if (!objLines.Next() || ParseEntryLine(QByteArrayView(objLines.Data(), objLines.Size()), udtFirst) != enuLineProblem::None)
        return QString();
    const QByteArrayView bytText = WithoutLeadingBlanks(udtFirst.Text);
    QString strText = pobjCodePage.Decode(bytText.data(), bytText.size());
    // The reader's rule for the next line of a multi-line text: after a lone CR, the same path and tag.
    while (objLines.EndedByLoneCR() && objLines.Next()) {
        udtParsedLine<QByteArrayView> udtLine;
        if (ParseEntryLine(QByteArrayView(objLines.Data(), objLines.Size()), udtLine) != enuLineProblem::None ||
            udtLine.Index != udtFirst.Index || !SameText(udtLine.Tag, udtFirst.Tag) ||
            !SameText(udtLine.ControlName, udtFirst.ControlName) || !SameText(udtLine.FormName, udtFirst.FormName))
            break;
        strText += QStringLiteral("\r\n");
        pobjCodePage.DecodeAppend(udtLine.Text.data(), udtLine.Text.size(), strText);
    }
    return strText;
}

QVector<udtUnwritableText> UnwritableTexts(const QVector<ControlTextItem>& pudtTable)
{
    QVector<udtUnwritableText> udtOut;
    for (const ControlTextItem& udtItem : pudtTable) {
        if (!udtItem.Caption.isEmpty() && !EntryHasCaptionLine(udtItem.ControlName))
            udtOut.append({clsTralyx::ObjectPath(udtItem) + QStringLiteral(".C"), udtItem.Caption});
        if (!udtItem.ToolTip.isEmpty() && !EntryHasToolTipLine(udtItem.ControlName))
            udtOut.append({clsTralyx::ObjectPath(udtItem) + QStringLiteral(".T"), udtItem.ToolTip});
    }
    return udtOut;
}

bool WriteControlText(const QVector<ControlTextItem>& pudtTable, const clsCodePage& pobjCodePage, bool pbooMark,
                      QByteArray& pbytOut, udtFileIssue& pudtError)
{
    QString strPath;  // kept from record to record
    const auto Lines = [&strPath](const ControlTextItem& udtItem, qsizetype, QString& strRecord, udtFileIssue& udtError) {
        strPath.resize(0);
        clsTralyx::AppendObjectPath(strPath, udtItem);
        // A name with "." or a line break would be read back as another entry, or not at all.
        for (const QString* pstrName : {&udtItem.FormName, &udtItem.ControlName}) {
            if (pstrName->contains(u'.') || HasLineBreak(*pstrName)) {
                udtError = {0, QCoreApplication::translate("basControlTextFormat", "%1: the name '%2' holds a '.' or a line break, which this format "
                                              "cannot carry")
                                   .arg(strPath, *pstrName)};
                return false;
            }
        }
        // Leading blanks of a text's first line are not written: the reader would drop them, and a
        // file read and saved again must come out the same, byte for byte.
        if (EntryHasToolTipLine(udtItem.ControlName)) {
            AppendEntryLines(strRecord, strPath, u'T', WithoutLeadingBlanks(QStringView(udtItem.ToolTip)), false);
            strRecord += QLatin1StringView("\r\n");
        }
        if (EntryHasCaptionLine(udtItem.ControlName)) {
            AppendEntryLines(strRecord, strPath, u'C', WithoutLeadingBlanks(QStringView(udtItem.Caption)), false);
            strRecord += QLatin1StringView("\r\n");
        }
        return true;
    };
    return WriteRecords(pudtTable, clsTralyx::MaxRecords, QT_TRANSLATE_NOOP("udtFileRead", "the table has %L1 records; a file can hold at most %L2"), pobjCodePage,
                        pbooMark, pbytOut, pudtError, Lines,
                        [](const ControlTextItem& udtItem, qsizetype) { return clsTralyx::ObjectPath(udtItem); });
}

}  // namespace tralyx
