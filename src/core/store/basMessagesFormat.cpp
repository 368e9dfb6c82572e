#include "store/basMessagesFormat.h"

#include "store/basFormatText.h"
#include "store/clsNumberedRead.h"

#include <QCoreApplication>

namespace tralyx {

namespace {

void ReadMessagesLines(const QByteArray& pbytContent, const clsCodePage& pobjCodePage, udtMessagesRead& pudtOut, bool pbooExact)
{
    constexpr int32_t MaxMessages = clsTralyx::MaxMessages;
    clsNumberedRead objRead(pudtOut);
    bool booMessageLine = false;  // the current record has had a message line
    objRead.Run(pbytContent, pobjCodePage, [&](const QString& strLine) {
        if (strLine.size() < 7)
            return objRead.Fail(strLine.isEmpty() ? QCoreApplication::translate("basMessagesFormat", "the line is blank")
                                                  : QCoreApplication::translate("basMessagesFormat", "the line is shorter than its 7-character head (MSGnnn:)"));
        const QStringView strTag = QStringView(strLine).left(3);
        const bool booMSG = strTag == u"MSG";
        const auto lngNumber = objRead.Number(strLine);
        if (pbooExact && ((!booMSG && strTag != u"MST") || !lngNumber))
            return objRead.Fail(QCoreApplication::translate("basMessagesFormat", "'%1' is not an MSGnnn: or MSTnnn: head").arg(QStringView(strLine).left(7)));
        // Any line with a number starts the next record when the number changes, whatever its tag.
        if (lngNumber) {
            if (*lngNumber > MaxMessages)
                return objRead.Fail(QCoreApplication::translate("basMessagesFormat", "record number %1 is above %2").arg(*lngNumber).arg(MaxMessages));
            if (*lngNumber != objRead.LastNumber()) {
                if (pbooExact && *lngNumber != objRead.Records() + 1)
                    return objRead.Fail(OutOfPlaceReason(QStringView(strLine).left(6), objRead.Records() + 1));
                if (!objRead.StartRecord(*lngNumber, MaxMessages, QT_TRANSLATE_NOOP("udtFileRead", "the file has more than %1 messages, the most it can hold")))
                    return false;
                objRead.Current().Identifier = static_cast<uint8_t>(*lngNumber);
                booMessageLine = false;
            }
        }
        if (!booMSG && strTag != u"MST") {
            objRead.Skip(QCoreApplication::translate("basMessagesFormat", "'%1' is not an MSGnnn: or MSTnnn: head; the line was skipped").arg(QStringView(strLine).left(7)));
            return true;
        }
        if (objRead.Records() == 0)
            return objRead.Fail(QCoreApplication::translate("basMessagesFormat", "a %1 line comes before the first record (its number is 000 or missing)").arg(strTag));
        MessageItem& udtRecord = objRead.Current();
        const QStringView strText = QStringView(strLine).mid(7);
        if (!booMSG) {
            udtRecord.Title = strText.toString();
            objRead.SetSecondLine();
        } else if (!booMessageLine) {
            booMessageLine = true;
            udtRecord.Message = strText.toString();
        } else {
            udtRecord.Message += QStringLiteral("\r\n");
            udtRecord.Message += strText;
        }
        return true;
    });
}

}  // namespace

void ReadMessages(const QByteArray& pbytContent, const clsCodePage& pobjCodePage, udtMessagesRead& pudtOut)
{
    ReadMessagesLines(pbytContent, pobjCodePage, pudtOut, false);
}

void ReadMessagesExactly(const QByteArray& pbytContent, const clsCodePage& pobjCodePage, udtMessagesRead& pudtOut)
{
    ReadMessagesLines(pbytContent, pobjCodePage, pudtOut, true);
}

bool WriteMessages(const QVector<MessageItem>& pudtTable, const clsCodePage& pobjCodePage, bool pbooMark,
                   QByteArray& pbytOut, udtFileIssue& pudtError)
{
    const auto Lines = [](const MessageItem& udtItem, qsizetype i, QString& strRecord, udtFileIssue& udtError) {
        const udtRecordHead udtTitle = RecordHead("MST", static_cast<int32_t>(i + 1));
        if (HasLineBreak(udtItem.Title)) {
            udtError = {0, udtTitle.Id().toString() + QCoreApplication::translate("basMessagesFormat", ": a title cannot hold a line break in this format")};
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
    return WriteRecords(pudtTable, clsTralyx::MaxMessages, QT_TRANSLATE_NOOP("udtFileRead", "the table has %1 messages; a file can number at most %2"), pobjCodePage,
                        pbooMark, pbytOut, pudtError, Lines,
                        [](const MessageItem&, qsizetype i) { return RecordHead("MSG", static_cast<int32_t>(i + 1)).Id().toString(); });
}

}  // namespace tralyx
