#pragma once
// The English texts of a Qt Designer form, written as the run-time harvest of its window writes them.
#include "common/clsCodePage.h"
#include "store/basControlTextFormat.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace tralyx {

struct udtUiHarvest {
    QString FormFile;                    // the form text file written: <folder>/<form name>.LRC
    QVector<udtUnwritableText> NotKept;  // texts it has that core.lrc has no line for
    QString Error;                       // "FILE:LINE: why" or "FILE: why" when nothing was written
    // Its layout, "<form>.layout.json" beside the form text file; empty when none was written, for
    // the reason in LayoutWhy. The controls that layouts place have no size in the file: Unplaced.
    QString LayoutFile, LayoutWhy;
    QStringList Unplaced;
};

// "FILE:LINE: reason", or "FILE: reason" for the file as a whole, whose reason may name it already.
QString FileIssueText(const QString& pstrFileName, const udtFileIssue& pudtIssue);

// Reads pstrUiFile and writes its form's text file into pstrFolder (made when missing), atomically,
// and its layout beside it.
udtUiHarvest HarvestUiFile(const QString& pstrUiFile, const QString& pstrFolder, const clsCodePage& pobjCodePage);

}  // namespace tralyx
