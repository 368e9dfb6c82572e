#pragma once
// What a reader makes of a file's bytes: the table, the line where each record starts, the lines it
// skipped, and why it stopped when it did not read to the end. The readers and writers work on bytes
// only; opening, asking and committing files is the store's business.
#include "store/basMergeConflict.h"
#include "store/clsTralyx.h"

#include <QCoreApplication>
#include <QByteArray>
#include <QByteArrayView>
#include <QVector>
#include <new>

namespace tralyx {

template <class TTable>
struct udtFileRead {
    TTable Table;                      // after a failure, what was read before it
    QVector<int32_t> Lines;            // 1-based start line of each record, 0 for one not read
    // The line of each record's second text where it has one of its own (core.lrc: the caption after
    // the tool-tip's lines; messages.lrc: the title after the text's), 0 where it has none.
    QVector<int32_t> SecondLines;
    QVector<udtFileIssue> Warnings;    // lines skipped, with the reason
    udtFileIssue Error;                // why the read failed
    bool Success = false;
    bool ByteOrderMark = false;        // a UTF-8 file that started with EF BB BF
    qsizetype Unlisted = 0;            // skipped lines beyond those listed in Warnings
};

// Records a skipped line. A damaged file can skip millions: the first hundred are listed, the rest
// counted, and FinishWarnings sums them up in one last warning of line 0.
template <class TTable>
void AddWarning(udtFileRead<TTable>& pudtRead, int32_t plngLine, const QString& pstrReason)
{
    if (pudtRead.Warnings.isEmpty()) pudtRead.Warnings.reserve(101);  // grown once, not seven times
    if (pudtRead.Warnings.size() < 100) pudtRead.Warnings.append({plngLine, pstrReason});
    else ++pudtRead.Unlisted;
}

template <class TTable>
void FinishWarnings(udtFileRead<TTable>& pudtRead)
{
    if (pudtRead.Unlisted > 0)
        pudtRead.Warnings.append({0, QCoreApplication::translate("udtFileRead", "and %1 more lines were skipped").arg(pudtRead.Unlisted)});
    pudtRead.Unlisted = 0;
}

// The bytes a reader parses: a UTF-8 byte-order mark at the start is taken off and remembered, so
// that a save can put it back.
inline QByteArrayView ContentWithoutMark(const QByteArray& pbytContent, const clsCodePage& pobjCodePage, bool& pbooMark)
{
    pbooMark = pobjCodePage.IsUtf8() && pbytContent.startsWith("\xEF\xBB\xBF");
    return QByteArrayView(pbytContent).sliced(pbooMark ? 3 : 0);
}

// True, with the reason in pudtRead, when the bytes hold an unfinished merge: the reader refuses
// them whole rather than read both sides as one.
template <class TTable>
bool RefusedAsConflict(QByteArrayView pbytContent, udtFileRead<TTable>& pudtRead)
{
    const int32_t lngLine = MergeConflictLine(pbytContent);
    if (lngLine > 0) pudtRead.Error = MergeConflictIssue(lngLine);
    return lngLine > 0;
}

// Puts the byte-order mark back in front of a UTF-8 file's bytes. A file whose first text starts
// with U+FEFF gets one too, or the reader would take that character for the mark.
inline void FinishWithMark(const clsCodePage& pobjCodePage, bool pbooMark, QByteArray& pbytOut)
{
    if (pobjCodePage.IsUtf8() && (pbooMark || pbytOut.startsWith("\xEF\xBB\xBF"))) pbytOut.prepend("\xEF\xBB\xBF", 3);
}

// The loop the three writers share. A table with more than plngMax records is refused with
// pstrTooMany (%1 the records, %2 plngMax; marked QT_TRANSLATE_NOOP("udtFileRead", ...)). Each record's lines go into one buffer, kept from record
// to record: pfnLines(record, position, lines, error) appends them, or refuses a record the format
// cannot carry. A record the code page cannot write is named by pfnName(record, position), made only
// then. The byte-order mark goes back in front at the end.
template <class TTable, class FnLines, class FnName>
bool WriteRecords(const TTable& pudtTable, qsizetype plngMax, const char* pstrTooMany, const clsCodePage& pobjCodePage,
                  bool pbooMark, QByteArray& pbytOut, udtFileIssue& pudtError, FnLines pfnLines, FnName pfnName)
{
    pbytOut.clear();
    if (pudtTable.size() > plngMax) {
        pudtError = {0, QCoreApplication::translate("udtFileRead", pstrTooMany).arg(pudtTable.size()).arg(plngMax)};
        return false;
    }
    pbytOut.reserve(pudtTable.size() * 96);
    QString strRecord;
    for (qsizetype i = 0; i < pudtTable.size(); ++i) {
        strRecord.resize(0);  // keeps its buffer
        if (!pfnLines(pudtTable[i], i, strRecord, pudtError)) return false;
        if (!pobjCodePage.Encode(strRecord, pbytOut)) {
            pudtError = {0, QCoreApplication::translate("udtFileRead", "%1: %2 cannot write the characters '%3'")
                                .arg(pfnName(pudtTable[i], i), pobjCodePage.Name(), pobjCodePage.Unencodable(strRecord))};
            return false;
        }
    }
    FinishWithMark(pobjCodePage, pbooMark, pbytOut);
    return true;
}

inline udtFileIssue NotEnoughMemory() { return {0, QCoreApplication::translate("udtFileRead", "not enough memory")}; }

}  // namespace tralyx
