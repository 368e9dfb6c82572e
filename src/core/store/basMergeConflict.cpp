#include "store/basMergeConflict.h"

#include "store/clsLineReader.h"

#include <QCoreApplication>

namespace tralyx {
namespace {

bool IsMarkerLine(const char* p, qsizetype plngSize)
{
    constexpr qsizetype Width = 7;  // Git's default conflict-marker-size
    if (plngSize < Width) return false;
    const char c = p[0];
    if (c != '<' && c != '>' && c != '|' && c != '=') return false;
    for (qsizetype i = 1; i < Width; ++i)
        if (p[i] != c) return false;
    if (c == '=') {  // "=======" alone: a heading line of '=' in secondary.lrc is longer
        for (qsizetype i = Width; i < plngSize; ++i)
            if (p[i] != ' ' && p[i] != '\t') return false;
        return true;
    }
    return plngSize == Width || p[Width] == ' ';
}

}  // namespace

int32_t MergeConflictLine(QByteArrayView pbytContent)
{
    clsLineReader objLines(pbytContent);
    while (objLines.Next())
        if (IsMarkerLine(objLines.Data(), objLines.Size())) return objLines.LineNumber();
    return 0;
}

udtFileIssue MergeConflictIssue(int32_t plngLine)
{
    return {plngLine, QCoreApplication::translate("basMergeConflict", "an unresolved merge conflict (a line of Git's conflict markers); resolve it "
                                     "and remove the marker lines")};
}

}  // namespace tralyx
