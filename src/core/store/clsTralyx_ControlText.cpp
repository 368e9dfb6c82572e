// core.lrc: one entry per control, "Form.Control.Index.T:tool-tip" and "Form.Control.Index.C:caption".
#include "basDesktop.h"
#include "basFormatText.h"
#include "basSafeFile.h"
#include "basShortened.h"
#include "clsLineReader.h"
#include "clsTralyx.h"

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
    if (!lngIndex)
        return QStringLiteral("index '%1' is not a number from 0 to 255").arg(Shortened(strIndex, QuotedChars));
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

// Appends the lines of FormatEntryLines: a line break in the text (CR LF, CR or LF) starts the next
// line with the whole head again.
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

qsizetype CountByte(const QByteArray& pbytContent, char pbytWanted)
{
    qsizetype lngCount = 0;
    const char* p = pbytContent.constData();
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
qsizetype RecordsAtMost(const QByteArray& pbytContent)
{
    const qsizetype lngLines = std::max(CountByte(pbytContent, '\r'), CountByte(pbytContent, '\n')) + 1;
    return std::min<qsizetype>(lngLines, clsTralyx::MaxRecords);
}

}  // namespace

QString clsTralyx::FormatEntryLines(const QString& pstrObjectPath, QChar pchrTag, const QString& pstrText,
                                    bool pbooBlankAfterColon)
{
    QString strOut;
    AppendEntryLines(strOut, pstrObjectPath, pchrTag, pstrText, pbooBlankAfterColon);
    return strOut;
}

void clsTralyx::LoadControlText(const QString& pstrFileName, bool& pbooSuccess)
{
    pbooSuccess = false;
    mudtLastError = {};
    mudtLastWarnings.clear();
    mudtControlText = QVector<ControlTextItem>(1);
    mlngControlTextLines = QVector<int32_t>(1, 0);
    mstrControlTextCodePage = mstrCodePage;
    const clsCodePage objCodePage(mstrCodePage);

    QByteArray bytContent;
    QString strReason;
    mudtControlTextStamp = {};
    if (!ReadWholeFile(pstrFileName, bytContent, strReason)) return Fail(0, strReason);
    mudtControlTextStamp = udtFileStamp::Of(pstrFileName, bytContent);
    mudtControlText.reserve(RecordsAtMost(bytContent));

    QString strForm, strControl;   // shared name strings
    bool booHaveEntry = false;      // record 0 has been started
    bool booHasCaption = false;     // the current record has had its caption line
    bool booContinues = false;      // the last entry line ended with a lone CR
    QChar chrLastTag;
    clsLineReader objLines(bytContent);
    QString strLine;  // one buffer for every line
    while (objLines.Next()) {
        objCodePage.DecodeInto(objLines.Data(), objLines.Size(), strLine);
        udtParsedLine udtLine;
        strReason = ParseEntryLine(strLine, udtLine);
        if (!strReason.isEmpty()) return Fail(objLines.LineNumber(), strReason);

        const bool booT = udtLine.Tag == u"T";
        const bool booC = udtLine.Tag == u"C";
        if (!booT && !booC) {
            mudtLastWarnings.append({objLines.LineNumber(),
                                     QStringLiteral("unexpected tag '%1'; the line was skipped")
                                         .arg(Shortened(udtLine.Tag, QuotedChars))});
            MsgBox(QStringLiteral("An unexpected error occurred loading the control text."), vbCritical);
            booContinues = false;
            continue;
        }
        const QChar chrTag = booT ? u'T' : u'C';
        ControlTextItem* pudtCurrent = booHaveEntry ? &mudtControlText.last() : nullptr;
        const bool booSamePath = pudtCurrent && pudtCurrent->FormName == udtLine.FormName &&
                                 pudtCurrent->ControlName == udtLine.ControlName && pudtCurrent->Index == udtLine.Index;

        if (booContinues && booSamePath && chrTag == chrLastTag) {
            // The next line of a multi-line text: it keeps its leading blanks.
            QString& strField = booT ? pudtCurrent->ToolTip : pudtCurrent->Caption;
            strField += QStringLiteral("\r\n");
            strField += udtLine.Text;
        } else {
            const bool booJoins = booC && booSamePath && !booHasCaption;
            if (!booHaveEntry) {
                booHaveEntry = true;
                mlngControlTextLines[0] = objLines.LineNumber();
            } else if (!booJoins) {
                if (mudtControlText.size() >= MaxRecords)
                    return Fail(objLines.LineNumber(),
                                QStringLiteral("the file has more than %L1 records, the most a table can hold")
                                    .arg(MaxRecords));
                mudtControlText.append(ControlTextItem());
                mlngControlTextLines.append(objLines.LineNumber());
                booHasCaption = false;
            }
            ControlTextItem& udtRecord = mudtControlText.last();
            if (!booJoins) {
                udtRecord.FormName = Shared(strForm, udtLine.FormName);
                udtRecord.ControlName = Shared(strControl, udtLine.ControlName);
                udtRecord.Index = static_cast<uint8_t>(udtLine.Index);
            }
            const QString strText = WithoutLeadingBlanks(udtLine.Text).toString();
            if (booT) {
                udtRecord.ToolTip = strText;
            } else {
                udtRecord.Caption = strText;
                booHasCaption = true;
            }
        }
        chrLastTag = chrTag;
        booContinues = objLines.EndedByLoneCR();
    }
    pbooSuccess = true;
}

void clsTralyx::SaveControlText(const QString& pstrFileName, bool& pbooSuccess)
{
    pbooSuccess = false;
    mudtLastError = {};
    if (mudtControlText.size() > MaxRecords)
        return Fail(0, QStringLiteral("the table has %L1 records; a file can hold at most %L2")
                           .arg(mudtControlText.size())
                           .arg(MaxRecords));
    const clsCodePage objCodePage(mstrControlTextCodePage);
    QByteArray bytContent;
    bytContent.reserve(mudtControlText.size() * 96);
    QString strRecord;
    for (qsizetype i = 0; i < mudtControlText.size(); ++i) {
        const ControlTextItem& udtItem = mudtControlText[i];
        const QString strPath = ObjectPath(udtItem);
        // A name with "." or a line break would be read back as another entry, or not at all.
        for (const QString* pstrName : {&udtItem.FormName, &udtItem.ControlName}) {
            if (pstrName->contains(u'.') || HasLineBreak(*pstrName))
                return Fail(0, QStringLiteral("%1: the name '%2' holds a '.' or a line break, which "
                                              "this format cannot carry")
                                   .arg(strPath, *pstrName));
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
        if (!objCodePage.Encode(strRecord, bytContent))
            return Fail(0, QStringLiteral("%1: %2 cannot write the characters '%3'")
                               .arg(strPath, objCodePage.Name(), objCodePage.Unencodable(strRecord)));
    }
    pbooSuccess = WriteWholeFile(pstrFileName, bytContent, mudtControlTextStamp);
}

}  // namespace tralyx
