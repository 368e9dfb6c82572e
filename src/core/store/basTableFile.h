#pragma once
// The file side of the store's loaders: read the whole file, hand its bytes to the format's reader.
#include "basSafeFile.h"
#include "udtFileRead.h"
#include "udtFileStamp.h"

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

}  // namespace tralyx
