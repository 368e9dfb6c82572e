// messages.lrc: "MSGnnn:" lines of the message text, then an "MSTnnn:" line with the title.
#include "basFormatText.h"
#include "clsLineReader.h"
#include "basSafeFile.h"
#include "clsTralyx.h"

namespace tralyx {

void clsTralyx::LoadMessagesFromResource(const QString& pstrFileName, bool& pbooSuccess)
{
    pbooSuccess = false;
    mudtLastError = {};
    mudtLastWarnings.clear();
    mudtMessages = QVector<MessageItem>(1);
    mlngMessageLines = QVector<int32_t>(1, 0);
    mstrMessagesCodePage = mstrCodePage;
    const clsCodePage objCodePage(mstrCodePage);

    QByteArray bytContent;
    QString strReason;
    mudtMessagesStamp = {};
    if (!ReadWholeFile(pstrFileName, bytContent, strReason)) return Fail(0, strReason);
    mudtMessagesStamp = udtFileStamp::Of(pstrFileName, bytContent);

    int32_t lngCounter = 0;      // records started
    int32_t lngLastNumber = 0;
    bool booMessageLine = false;  // the current record has had a message line
    clsLineReader objLines(bytContent);
    QString strLine;
    while (objLines.Next()) {
        objCodePage.DecodeInto(objLines.Data(), objLines.Size(), strLine);
        if (strLine.size() < 7)
            return Fail(objLines.LineNumber(),
                        strLine.isEmpty() ? QStringLiteral("the line is blank")
                                          : QStringLiteral("the line is shorter than its 7-character head (MSGnnn:)"));
        if (const auto lngNumber = ParseDigits(QStringView(strLine).mid(3, 3), 999)) {
            if (*lngNumber > MaxMessages)
                return Fail(objLines.LineNumber(),
                            QStringLiteral("record number %1 is above %2").arg(*lngNumber).arg(MaxMessages));
            if (*lngNumber != lngLastNumber) {
                if (lngCounter >= MaxMessages)
                    return Fail(objLines.LineNumber(),
                                QStringLiteral("the file has more than %1 messages, the most it can hold").arg(MaxMessages));
                ++lngCounter;
                if (lngCounter > mudtMessages.size()) mudtMessages.resize(lngCounter);
                mlngMessageLines.resize(mudtMessages.size());
                mlngMessageLines[lngCounter - 1] = objLines.LineNumber();
                lngLastNumber = *lngNumber;
                mudtMessages[lngCounter - 1].Identifier = static_cast<uint8_t>(*lngNumber);
                booMessageLine = false;
            }
        }
        const QStringView strTag = QStringView(strLine).left(3);
        const bool booMSG = strTag == u"MSG";
        if (!booMSG && strTag != u"MST") continue;
        if (lngCounter == 0)
            return Fail(objLines.LineNumber(),
                        QStringLiteral("a %1 line comes before the first record (its number is 000 or missing)").arg(strTag));
        MessageItem& udtRecord = mudtMessages[lngCounter - 1];
        const QString strText = strLine.mid(7);
        if (!booMSG) {
            udtRecord.Title = strText;
        } else if (!booMessageLine) {
            booMessageLine = true;
            udtRecord.Message = strText;
        } else {
            udtRecord.Message += QStringLiteral("\r\n") + strText;
        }
    }
    pbooSuccess = true;
}

QString clsTralyx::FormatMessageRecord(int16_t pintIndex) const
{
    const MessageItem& udtItem = mudtMessages[pintIndex];
    const QString strNumber = ThreeDigits(pintIndex + 1);
    const QString strPrefix = QStringLiteral("MSG") + strNumber + u':';
    // Every line is written, the last one too when it is empty, so that an empty message and one
    // that ends with a line break read back unchanged.
    QString strOut;
    const QStringList strLines = SplitTextLines(udtItem.Message);
    for (qsizetype i = 0; i < strLines.size(); ++i) {
        if (i > 0) strOut += u'\r';
        strOut += strPrefix + strLines[i];
    }
    return strOut + QStringLiteral("\r\nMST") + strNumber + u':' + udtItem.Title;
}

void clsTralyx::SaveMessageText(const QString& pstrFileName, bool& pbooSuccess)
{
    pbooSuccess = false;
    mudtLastError = {};
    if (mudtMessages.size() > MaxMessages)
        return Fail(0, QStringLiteral("the table has %1 messages; a file can number at most %2")
                           .arg(mudtMessages.size())
                           .arg(MaxMessages));
    const clsCodePage objCodePage(mstrMessagesCodePage);
    QByteArray bytContent;
    for (qsizetype i = 0; i < mudtMessages.size(); ++i) {
        if (HasLineBreak(mudtMessages[i].Title))
            return Fail(0, QStringLiteral("MST%1: a title cannot hold a line break in this format").arg(ThreeDigits(static_cast<int32_t>(i + 1))));
        const QString strRecord = FormatMessageRecord(static_cast<int16_t>(i)) + QStringLiteral("\r\n");
        if (!objCodePage.Encode(strRecord, bytContent))
            return Fail(0, QStringLiteral("MSG%1: %2 cannot write the characters '%3'")
                               .arg(ThreeDigits(static_cast<int32_t>(i + 1)), objCodePage.Name(), objCodePage.Unencodable(strRecord)));
    }
    pbooSuccess = WriteWholeFile(pstrFileName, bytContent, mudtMessagesStamp);
}

}  // namespace tralyx
