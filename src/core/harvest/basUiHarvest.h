#pragma once
// The English texts of a Qt Designer form, written as the run-time harvest of its window writes them.
#include "common/clsCodePage.h"
#include "store/basControlTextFormat.h"

#include <QString>
#include <QVector>

namespace tralyx {

struct udtUiHarvest {
    QString FormFile;                    // the form text file written: <folder>/<form name>.LRC
    QVector<udtUnwritableText> NotKept;  // texts it has that core.lrc has no line for
    QString Error;                       // "FILE:LINE: why" or "FILE: why" when nothing was written
};

// "FILE:LINE: reason", or "FILE: reason" for the file as a whole, whose reason may name it already.
QString FileIssueText(const QString& pstrFileName, const udtFileIssue& pudtIssue);

// Reads pstrUiFile and writes its form's text file into pstrFolder (made when missing), atomically.
udtUiHarvest HarvestUiFile(const QString& pstrUiFile, const QString& pstrFolder, const clsCodePage& pobjCodePage);

}  // namespace tralyx
