// secondary.lrc: "TXTnnn:" lines, one per line of each procedural text.
#include "basFormatText.h"
#include "clsLineReader.h"
#include "basSafeFile.h"
#include "clsTralyx.h"

namespace tralyx {

void clsTralyx::LoadPreceduralTextFromResource(const QString& pstrFileName, bool& pbooSuccess)
{
    pbooSuccess = false;
    mudtLastError = {};
    mudtLastWarnings.clear();
    mstrSecondary = QStringList(QString());
    mlngSecondaryLines = QVector<int32_t>(1, 0);
    mstrSecondaryCodePage = mstrCodePage;
    const clsCodePage objCodePage(mstrCodePage);

    QByteArray bytContent;
    QString strReason;
    mudtSecondaryStamp = {};
    if (!ReadWholeFile(pstrFileName, bytContent, strReason)) return Fail(0, strReason);
    mudtSecondaryStamp = udtFileStamp::Of(pstrFileName, bytContent);

    int32_t lngCounter = 0;
    int32_t lngLastNumber = 0;
    clsLineReader objLines(bytContent);
    QString strLine;
    while (objLines.Next()) {
        objCodePage.DecodeInto(objLines.Data(), objLines.Size(), strLine);
        const auto lngNumber = ParseDigits(QStringView(strLine).mid(3, 3), 999);
        if (strLine.size() < 6 || !lngNumber) continue;  // unnumbered lines, blank ones too, are skipped
        if (strLine.size() < 7)
            return Fail(objLines.LineNumber(), QStringLiteral("the numbered line is shorter than its 7-character head (TXTnnn:)"));
        if (*lngNumber != lngLastNumber) {
            if (lngCounter >= MaxRecords)
                return Fail(objLines.LineNumber(),
                            QStringLiteral("the file has more than %L1 entries, the most a table can hold").arg(MaxRecords));
            ++lngCounter;
            lngLastNumber = *lngNumber;
            if (lngCounter > mstrSecondary.size()) {
                mstrSecondary.append(QString());
                mlngSecondaryLines.append(0);
            }
            mlngSecondaryLines[lngCounter - 1] = objLines.LineNumber();
            mstrSecondary[lngCounter - 1] = strLine.mid(7);
        } else {
            if (lngCounter == 0)
                return Fail(objLines.LineNumber(), QStringLiteral("the first numbered line has number 000"));
            QString& strEntry = mstrSecondary[lngCounter - 1];
            strEntry += QStringLiteral("\r\n");
            strEntry += QStringView(strLine).mid(7);
        }
    }
    pbooSuccess = true;
}

QString clsTralyx::FormatTextRecord(int16_t pintIndex) const
{
    // Numbers wrap after 999 (1000 is written as 000): the reader starts an entry at every change
    // of number, so any length reads back in order.
    const QString strPrefix = QStringLiteral("TXT") + ThreeDigits((pintIndex + 1) % 1000) + u':';
    QString strOut;
    const QStringList strLines = SplitTextLines(mstrSecondary[pintIndex]);
    for (qsizetype i = 0; i < strLines.size(); ++i) {
        if (i > 0) strOut += u'\r';
        strOut += strPrefix + strLines[i];
    }
    return strOut;
}

void clsTralyx::SaveSecondaryText(const QString& pstrFileName, bool& pbooSuccess)
{
    pbooSuccess = false;
    mudtLastError = {};
    if (mstrSecondary.size() > MaxRecords)
        return Fail(0, QStringLiteral("the table has %L1 entries; a file can hold at most %L2")
                           .arg(mstrSecondary.size())
                           .arg(MaxRecords));
    const clsCodePage objCodePage(mstrSecondaryCodePage);
    QByteArray bytContent;
    for (qsizetype i = 0; i < mstrSecondary.size(); ++i) {
        const QString strRecord = FormatTextRecord(static_cast<int16_t>(i)) + QStringLiteral("\r\n");
        if (!objCodePage.Encode(strRecord, bytContent))
            // Named as the file numbers it; from the 1,000th on the number wraps, so the count is added.
            return Fail(0, QStringLiteral("TXT%1%2: %3 cannot write the characters '%4'")
                               .arg(ThreeDigits(static_cast<int32_t>((i + 1) % 1000)),
                                    i >= 999 ? QStringLiteral(" (text %L1 of the file)").arg(i + 1) : QString(),
                                    objCodePage.Name(), objCodePage.Unencodable(strRecord)));
    }
    pbooSuccess = WriteWholeFile(pstrFileName, bytContent, mudtSecondaryStamp);
}

}  // namespace tralyx
