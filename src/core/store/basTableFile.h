#pragma once
// The file side of the store's loaders and savers: read the whole file and hand its bytes to the
// format's reader; have the format's writer make the bytes and write them.
#include "store/basSafeFile.h"
#include "store/clsTralyx.h"
#include "store/udtFileRead.h"
#include "store/udtFileStamp.h"

#include <QCoreApplication>
#include <algorithm>

namespace tralyx {

// "little-endian" or "big-endian" for bytes that are UTF-16 text (a byte-order mark, or a zero byte
// beside nearly every character), else null: such a file fails in its first lines as nonsense, and
// the reason should say what it is.
inline const char* Utf16ByteOrder(const QByteArray& pbytContent)
{
    if (pbytContent.startsWith("\xFF\xFE")) return "little-endian";
    if (pbytContent.startsWith("\xFE\xFF")) return "big-endian";
    const qsizetype lngPairs = std::min<qsizetype>(pbytContent.size(), 256) / 2;
    qsizetype lngZeroFirst = 0, lngZeroSecond = 0;
    for (qsizetype k = 0; k < lngPairs; ++k) {
        lngZeroFirst += pbytContent[2 * k] == '\0';
        lngZeroSecond += pbytContent[2 * k + 1] == '\0';
    }
    if (lngPairs < 2) return nullptr;
    if (lngZeroFirst * 8 <= lngPairs && lngZeroSecond * 4 >= lngPairs * 3) return "little-endian";
    if (lngZeroSecond * 8 <= lngPairs && lngZeroFirst * 4 >= lngPairs * 3) return "big-endian";
    return nullptr;
}

template <class TTable>
using ReadFormat = void (*)(const QByteArray&, const clsCodePage&, udtFileRead<TTable>&);

// Reads the file and parses it; a file that cannot be read, or memory that runs out, gives the
// default table (one empty record) and the reason. pbytKept: the bytes read, when asked for.
template <class TTable>
void ReadTableFile(const QString& pstrFileName, const QString& pstrCodePage, ReadFormat<TTable> pfnRead,
                   udtFileRead<TTable>& pudtOut, udtFileStamp& pudtStamp, QByteArray* pbytKept = nullptr)
{
    const auto Failed = [&](const udtFileIssue& pudtIssue) {
        pudtOut = {};
        pudtOut.Table = TTable(1);
        pudtOut.Lines = QVector<int32_t>(1, 0);
        pudtOut.Error = pudtIssue;
    };
    pudtStamp = {};
    try {
        QByteArray bytContent;
        QString strReason;
        if (!ReadWholeFile(pstrFileName, bytContent, strReason)) return Failed({0, strReason});
        pudtStamp = udtFileStamp::Of(pstrFileName, bytContent);
        pfnRead(bytContent, clsCodePage(pstrCodePage), pudtOut);
        if (const char* pstrOrder = pudtOut.Success ? nullptr : Utf16ByteOrder(bytContent))
            pudtOut.Error.Reason = QCoreApplication::translate("basTableFile", "the file is in UTF-16 (%1), not in %2 or another 8-bit code page; save it in %2")
                                       .arg(QLatin1StringView(pstrOrder), pstrCodePage);
        if (pbytKept) *pbytKept = std::move(bytContent);
    } catch (const std::bad_alloc&) {
        Failed(NotEnoughMemory());
    }
}

template <class TTable>
bool clsTralyx::LoadTableFile(ReadFormat<TTable> pfnRead, const QString& pstrFileName, TTable& pudtTable,
                              QVector<int32_t>& plngLines, QString& pstrCodePage, bool& pbooMark, udtFileStamp& pudtStamp,
                              QVector<int32_t>* plngSecondLines)
{
    pstrCodePage = mstrCodePage;  // a save writes the table in the code page it was read with
    udtFileRead<TTable> udtRead;
    mbytLoaded = QByteArray();
    ReadTableFile(pstrFileName, mstrCodePage, pfnRead, udtRead, pudtStamp, mbooKeepBytes ? &mbytLoaded : nullptr);
    pudtTable = std::move(udtRead.Table);
    plngLines = std::move(udtRead.Lines);
    if (plngSecondLines) *plngSecondLines = std::move(udtRead.SecondLines);
    pbooMark = udtRead.ByteOrderMark;
    mudtLastError = udtRead.Error;
    mudtLastWarnings = std::move(udtRead.Warnings);
    return udtRead.Success;
}

template <class TTable>
void clsTralyx::SaveTableFile(bool (*pfnWrite)(const TTable&, const clsCodePage&, bool, QByteArray&, udtFileIssue&),
                              const TTable& pudtTable, const QString& pstrCodePage, bool pbooMark,
                              const QString& pstrFileName, udtFileStamp& pudtStamp, bool& pbooSuccess)
{
    pbooSuccess = false;
    mudtLastError = {};
    try {
        QByteArray bytContent;
        if (!pfnWrite(pudtTable, clsCodePage(pstrCodePage), pbooMark, bytContent, mudtLastError)) return;
        pbooSuccess = WriteWholeFile(pstrFileName, bytContent, pudtStamp);
    } catch (const std::bad_alloc&) {
        mudtLastError = NotEnoughMemory();
    }
}

}  // namespace tralyx
