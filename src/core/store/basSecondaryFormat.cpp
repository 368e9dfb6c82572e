#include "store/basSecondaryFormat.h"

#include "store/basFormatText.h"
#include "store/clsNumberedRead.h"

#include <QCoreApplication>

namespace tralyx {

QString SecondaryEntryName(qsizetype plngIndex)
{
    const QString strName = RecordHead("TXT", static_cast<int32_t>((plngIndex + 1) % 1000)).Id().toString();
    return plngIndex < 999 ? strName : strName + QStringLiteral(" (entry %1)").arg(plngIndex + 1);
}

namespace {

void ReadSecondaryLines(const QByteArray& pbytContent, const clsCodePage& pobjCodePage, udtSecondaryRead& pudtOut, bool pbooExact)
{
    clsNumberedRead objRead(pudtOut);
    objRead.Run(pbytContent, pobjCodePage, [&](const QString& strLine) {
        const auto lngNumber = objRead.Number(strLine);
        const bool booBlank = QStringView(strLine).trimmed().isEmpty();  // a view: no copy per line
        if (pbooExact && !booBlank && (strLine.size() < 6 || !lngNumber || !strLine.startsWith(QLatin1StringView("TXT"))))
            return objRead.Fail(QCoreApplication::translate("basSecondaryFormat", "'%1' is not a TXTnnn: head").arg(QStringView(strLine).left(7)));
        if (strLine.size() < 6 || !lngNumber) {
            // Unnumbered lines are skipped, as the format has always done; only blank ones silently.
            if (!booBlank) objRead.Skip(QCoreApplication::translate("basSecondaryFormat", "no number after the first three characters (TXTnnn:); the line was skipped"));
            return true;
        }
        if (strLine.size() < 7) return objRead.Fail(QCoreApplication::translate("basSecondaryFormat", "the numbered line is shorter than its 7-character head (TXTnnn:)"));
        if (*lngNumber != objRead.LastNumber()) {
            const int32_t lngExpected = (objRead.Records() + 1) % 1000;
            if (pbooExact && *lngNumber != lngExpected) return objRead.Fail(OutOfPlaceReason(QStringView(strLine).left(6), lngExpected));
            if (!objRead.StartRecord(*lngNumber, clsTralyx::MaxRecords, QT_TRANSLATE_NOOP("udtFileRead", "the file has more than %L1 entries, the most a table can hold")))
                return false;
            objRead.Current() = strLine.mid(7);
        } else {
            if (objRead.Records() == 0) return objRead.Fail(QCoreApplication::translate("basSecondaryFormat", "the first numbered line has number 000"));
            QString& strEntry = objRead.Current();
            strEntry += QStringLiteral("\r\n");
            strEntry += QStringView(strLine).mid(7);
        }
        return true;
    });
}

}  // namespace

void ReadSecondary(const QByteArray& pbytContent, const clsCodePage& pobjCodePage, udtSecondaryRead& pudtOut)
{
    ReadSecondaryLines(pbytContent, pobjCodePage, pudtOut, false);
}

void ReadSecondaryExactly(const QByteArray& pbytContent, const clsCodePage& pobjCodePage, udtSecondaryRead& pudtOut)
{
    ReadSecondaryLines(pbytContent, pobjCodePage, pudtOut, true);
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
    return WriteRecords(pstrTable, clsTralyx::MaxRecords, QT_TRANSLATE_NOOP("udtFileRead", "the table has %L1 entries; a file can hold at most %L2"), pobjCodePage,
                        pbooMark, pbytOut, pudtError, Lines, [](const QString&, qsizetype i) { return SecondaryEntryName(i); });
}

}  // namespace tralyx
