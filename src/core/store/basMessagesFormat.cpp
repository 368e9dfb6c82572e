#include "store/basMessagesFormat.h"

#include "store/basFormatText.h"
#include "store/clsLineReader.h"

namespace tralyx {

namespace {

void ReadMessagesLines(const QByteArray& pbytContent, const clsCodePage& pobjCodePage, udtMessagesRead& pudtOut)
{
    pudtOut = {};
    pudtOut.Table = QVector<MessageItem>(1);
    pudtOut.Lines = QVector<int32_t>(1, 0);
    pudtOut.SecondLines = pudtOut.Lines;
    const QByteArrayView bytContent = ContentWithoutMark(pbytContent, pobjCodePage, pudtOut.ByteOrderMark);
    if (RefusedAsConflict(bytContent, pudtOut)) return;
    QVector<MessageItem>& udtTable = pudtOut.Table;
    const auto Fail = [&](int32_t plngLine, const QString& pstrReason) { pudtOut.Error = {plngLine, pstrReason}; };
    constexpr int32_t MaxMessages = clsTralyx::MaxMessages;

    int32_t lngCounter = 0;      // records started
    int32_t lngLastNumber = 0;
    bool booMessageLine = false;  // the current record has had a message line
    clsLineReader objLines(bytContent);
    QString strLine;
    QString strReason;
    while (objLines.Next()) {
        if (!pobjCodePage.DecodeLine(objLines.Data(), objLines.Size(), strLine, strReason))
            return Fail(objLines.LineNumber(), strReason);
        if (strLine.size() < 7)
            return Fail(objLines.LineNumber(),
                        strLine.isEmpty() ? QStringLiteral("the line is blank")
                                          : QStringLiteral("the line is shorter than its 7-character head (MSGnnn:)"));
        // Any line with a number starts the next record when the number changes, whatever its tag.
        if (const auto lngNumber = ParseDigits(QStringView(strLine).mid(3, 3), 999)) {
            if (*lngNumber > MaxMessages)
                return Fail(objLines.LineNumber(),
                            QStringLiteral("record number %1 is above %2").arg(*lngNumber).arg(MaxMessages));
            if (*lngNumber != lngLastNumber) {
                if (lngCounter >= MaxMessages)
                    return Fail(objLines.LineNumber(),
                                QStringLiteral("the file has more than %1 messages, the most it can hold").arg(MaxMessages));
                ++lngCounter;
                if (lngCounter > udtTable.size()) udtTable.resize(lngCounter);
                pudtOut.Lines.resize(udtTable.size());
                pudtOut.SecondLines.resize(udtTable.size());
                pudtOut.Lines[lngCounter - 1] = objLines.LineNumber();
                lngLastNumber = *lngNumber;
                udtTable[lngCounter - 1].Identifier = static_cast<uint8_t>(*lngNumber);
                booMessageLine = false;
            }
        }
        const QStringView strTag = QStringView(strLine).left(3);
        const bool booMSG = strTag == u"MSG";
        if (!booMSG && strTag != u"MST") {
            AddWarning(pudtOut, objLines.LineNumber(),
                                     QStringLiteral("'%1' is not an MSGnnn: or MSTnnn: head; the line was skipped")
                                         .arg(QStringView(strLine).left(7)));
            continue;
        }
        if (lngCounter == 0)
            return Fail(objLines.LineNumber(),
                        QStringLiteral("a %1 line comes before the first record (its number is 000 or missing)").arg(strTag));
        MessageItem& udtRecord = udtTable[lngCounter - 1];
        const QStringView strText = QStringView(strLine).mid(7);
        if (!booMSG) {
            udtRecord.Title = strText.toString();
            pudtOut.SecondLines[lngCounter - 1] = objLines.LineNumber();
        } else if (!booMessageLine) {
            booMessageLine = true;
            udtRecord.Message = strText.toString();
        } else {
            udtRecord.Message += QStringLiteral("\r\n");
            udtRecord.Message += strText;
        }
    }
    pudtOut.Success = true;
}

}  // namespace

void ReadMessages(const QByteArray& pbytContent, const clsCodePage& pobjCodePage, udtMessagesRead& pudtOut)
{
    ReadMessagesLines(pbytContent, pobjCodePage, pudtOut);
    FinishWarnings(pudtOut);
}

bool WriteMessages(const QVector<MessageItem>& pudtTable, const clsCodePage& pobjCodePage, bool pbooMark,
                   QByteArray& pbytOut, udtFileIssue& pudtError)
{
    const auto Lines = [](const MessageItem& udtItem, qsizetype i, QString& strRecord, udtFileIssue& udtError) {
        const udtRecordHead udtTitle = RecordHead("MST", static_cast<int32_t>(i + 1));
        if (HasLineBreak(udtItem.Title)) {
            udtError = {0, udtTitle.Id().toString() + QStringLiteral(": a title cannot hold a line break in this format")};
            return false;
        }
        // Every line is written, the last one too when it is empty, so that an empty message and one
        // that ends with a line break read back unchanged.
        AppendTextLines(strRecord, RecordHead("MSG", static_cast<int32_t>(i + 1)).Head(), udtItem.Message);
        strRecord += QLatin1StringView("\r\n");
        strRecord += udtTitle.Head();
        strRecord += udtItem.Title;
        strRecord += QLatin1StringView("\r\n");
        return true;
    };
    return WriteRecords(pudtTable, clsTralyx::MaxMessages, u"the table has %1 messages; a file can number at most %2", pobjCodePage,
                        pbooMark, pbytOut, pudtError, Lines,
                        [](const MessageItem&, qsizetype i) { return RecordHead("MSG", static_cast<int32_t>(i + 1)).Id().toString(); });
}

}  // namespace tralyx
