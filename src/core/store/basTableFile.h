#pragma once
// The file side of the store's loaders and savers: read the whole file and hand its bytes to the
// format's reader; have the format's writer make the bytes and write them.
#include "store/basSafeFile.h"
#include "store/clsTralyx.h"
#include "store/udtFileRead.h"
#include "store/udtFileStamp.h"

namespace tralyx {

template <class TTable>
using ReadFormat = void (*)(const QByteArray&, const clsCodePage&, udtFileRead<TTable>&);

// Reads the file and parses it; a file that cannot be read, or memory that runs out, gives the
// default table (one empty record) and the reason.
template <class TTable>
void ReadTableFile(const QString& pstrFileName, const QString& pstrCodePage, ReadFormat<TTable> pfnRead,
                   udtFileRead<TTable>& pudtOut, udtFileStamp& pudtStamp)
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
    ReadTableFile(pstrFileName, mstrCodePage, pfnRead, udtRead, pudtStamp);
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
