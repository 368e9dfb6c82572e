#pragma once
// The reading loop of the two numbered formats, messages.lrc and secondary.lrc: each line decoded
// in the file's code page and handed to the format's own rules, a record started at each change of
// number, where each record starts, and the first failure with its line.
#include "store/basFormatText.h"
#include "store/clsLineReader.h"
#include "store/udtFileRead.h"

namespace tralyx {

template <class TTable>
class clsNumberedRead {
public:
    explicit clsNumberedRead(udtFileRead<TTable>& pudtOut) : mudtOut(pudtOut) {}

    // pfnLine(line) reads one decoded line; it returns false to stop, after Fail.
    template <class FnLine>
    void Run(const QByteArray& pbytContent, const clsCodePage& pobjCodePage, FnLine pfnLine)
    {
        mudtOut = {};
        mudtOut.Table = TTable(1);
        mudtOut.Lines = QVector<int32_t>(1, 0);
        mudtOut.SecondLines = mudtOut.Lines;
        const QByteArrayView bytContent = ContentWithoutMark(pbytContent, pobjCodePage, mudtOut.ByteOrderMark);
        if (RefusedAsConflict(bytContent, mudtOut)) return;
        clsLineReader objLines(bytContent);
        QString strLine, strReason;
        bool booRead = true;
        while (booRead && objLines.Next()) {
            mlngLine = objLines.LineNumber();
            booRead = pobjCodePage.DecodeLine(objLines.Data(), objLines.Size(), strLine, strReason) ? pfnLine(strLine)
                                                                                                  : Fail(strReason);
        }
        mudtOut.Success = booRead;
        FinishWarnings(mudtOut);
    }

    // The number in a line's head ("MSG007:" 7), when it has one.
    static std::optional<int32_t> Number(QStringView pstrLine) { return ParseDigits(pstrLine.mid(3, 3), 999); }

    bool Fail(const QString& pstrReason)
    {
        mudtOut.Error = {mlngLine, pstrReason};
        return false;
    }
    void Skip(const QString& pstrReason) { AddWarning(mudtOut, mlngLine, pstrReason); }

    // Starts the next record on the current line, numbered plngNumber; fails with pstrTooMany (%1
    // plngMax; marked QT_TRANSLATE_NOOP("udtFileRead", ...)) when the table holds plngMax records already.
    bool StartRecord(int32_t plngNumber, int32_t plngMax, const char* pstrTooMany)
    {
        if (mlngRecords >= plngMax) return Fail(QCoreApplication::translate("udtFileRead", pstrTooMany).arg(plngMax));
        ++mlngRecords;
        mlngLastNumber = plngNumber;
        if (mlngRecords > mudtOut.Table.size()) mudtOut.Table.resize(mlngRecords);
        mudtOut.Lines.resize(mudtOut.Table.size());
        mudtOut.SecondLines.resize(mudtOut.Table.size());
        mudtOut.Lines[mlngRecords - 1] = mlngLine;
        return true;
    }
    // The current record's second text (a message's title) is on the current line.
    void SetSecondLine() { mudtOut.SecondLines[mlngRecords - 1] = mlngLine; }
    int32_t LastNumber() const { return mlngLastNumber; }
    int32_t Records() const { return mlngRecords; }  // started so far
    auto& Current() { return mudtOut.Table[mlngRecords - 1]; }

private:
    udtFileRead<TTable>& mudtOut;
    int32_t mlngLine = 0;
    int32_t mlngRecords = 0;
    int32_t mlngLastNumber = 0;
};

}  // namespace tralyx
