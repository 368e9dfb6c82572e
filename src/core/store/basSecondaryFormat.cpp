#include "store/basSecondaryFormat.h"

#include "store/basFormatText.h"
#include "store/clsLineReader.h"

namespace tralyx {

QString SecondaryEntryName(qsizetype plngIndex)
{
    const QString strName = RecordHead("TXT", static_cast<int32_t>((plngIndex + 1) % 1000)).Id().toString();
    return plngIndex < 999 ? strName : strName + QStringLiteral(" (entry %1)").arg(plngIndex + 1);
}

namespace {

void ReadSecondaryLines(const QByteArray& pbytContent, const clsCodePage& pobjCodePage, udtSecondaryRead& pudtOut)
{
    pudtOut = {};
    pudtOut.Table = QStringList(QString());
    pudtOut.Lines = QVector<int32_t>(1, 0);
    const QByteArrayView bytContent = ContentWithoutMark(pbytContent, pobjCodePage, pudtOut.ByteOrderMark);
    if (RefusedAsConflict(bytContent, pudtOut)) return;
    QStringList& strTable = pudtOut.Table;
    const auto Fail = [&](int32_t plngLine, const QString& pstrReason) { pudtOut.Error = {plngLine, pstrReason}; };

    int32_t lngCounter = 0;
    int32_t lngLastNumber = 0;
    clsLineReader objLines(bytContent);
    QString strLine;
    QString strReason;
    while (objLines.Next()) {
        if (!pobjCodePage.DecodeLine(objLines.Data(), objLines.Size(), strLine, strReason))
            return Fail(objLines.LineNumber(), strReason);
        const auto lngNumber = ParseDigits(QStringView(strLine).mid(3, 3), 999);
        if (strLine.size() < 6 || !lngNumber) {
            // Unnumbered lines are skipped, as the format has always done; only blank ones silently.
            if (!strLine.trimmed().isEmpty())
                AddWarning(pudtOut, objLines.LineNumber(),
                                         QStringLiteral("no number after the first three characters (TXTnnn:); "
                                                        "the line was skipped"));
            continue;
        }
        if (strLine.size() < 7)
            return Fail(objLines.LineNumber(), QStringLiteral("the numbered line is shorter than its 7-character head (TXTnnn:)"));
        if (*lngNumber != lngLastNumber) {
            if (lngCounter >= clsTralyx::MaxRecords)
                return Fail(objLines.LineNumber(), QStringLiteral("the file has more than %L1 entries, the most a table can hold")
                                                       .arg(clsTralyx::MaxRecords));
            ++lngCounter;
            lngLastNumber = *lngNumber;
            if (lngCounter > strTable.size()) {
                strTable.append(QString());
                pudtOut.Lines.append(0);
            }
            pudtOut.Lines[lngCounter - 1] = objLines.LineNumber();
            strTable[lngCounter - 1] = strLine.mid(7);
        } else {
            if (lngCounter == 0)
                return Fail(objLines.LineNumber(), QStringLiteral("the first numbered line has number 000"));
            QString& strEntry = strTable[lngCounter - 1];
            strEntry += QStringLiteral("\r\n");
            strEntry += QStringView(strLine).mid(7);
        }
    }
    pudtOut.Success = true;
}

}  // namespace

void ReadSecondary(const QByteArray& pbytContent, const clsCodePage& pobjCodePage, udtSecondaryRead& pudtOut)
{
    ReadSecondaryLines(pbytContent, pobjCodePage, pudtOut);
    FinishWarnings(pudtOut);
}

bool WriteSecondary(const QStringList& pstrTable, const clsCodePage& pobjCodePage, bool pbooMark, QByteArray& pbytOut,
                    udtFileIssue& pudtError)
{
    // Numbers wrap after 999 (1000 is written as 000): the reader starts an entry at every change
    // of number, so any length reads back in order.
    const auto Lines = [](const QString& strText, qsizetype i, QString& strRecord, udtFileIssue&) {
        AppendTextLines(strRecord, RecordHead("TXT", static_cast<int32_t>((i + 1) % 1000)).Head(), strText);
        strRecord += QLatin1StringView("\r\n");
        return true;
    };
    return WriteRecords(pstrTable, clsTralyx::MaxRecords, u"the table has %L1 entries; a file can hold at most %L2", pobjCodePage,
                        pbooMark, pbytOut, pudtError, Lines, [](const QString&, qsizetype i) { return SecondaryEntryName(i); });
}

}  // namespace tralyx
