#include "store/basMergeConflict.h"

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
    constexpr qsizetype Width = 7;
    const char* const p = pbytContent.data();
    const qsizetype n = pbytContent.size();
    // A marker line starts with a run of seven equal marker bytes, and every run of seven bytes holds
    // exactly one position that is a multiple of seven: only those bytes are looked at, and the
    // lines around the few that could be in a run.
    for (qsizetype k = 0; k < n; k += Width) {
        const char c = p[k];
        if (c != '<' && c != '>' && c != '|' && c != '=') continue;
        qsizetype s = k;  // the start of the run that holds k, at most Width - 1 back
        while (s > 0 && k - s < Width - 1 && p[s - 1] == c) --s;
        if (s > 0 && p[s - 1] != '\r' && p[s - 1] != '\n') continue;  // not at the start of a line
        qsizetype e = s;  // the line end, as the readers end lines
        while (e < n && p[e] != '\r' && p[e] != '\n') ++e;
        if (!IsMarkerLine(p + s, e - s)) continue;
        int32_t lngLine = 1;  // the marker lines come in order: counted once, for the first
        for (qsizetype i = 0; i < s; ++i)
            if (p[i] == '\n' || (p[i] == '\r' && p[i + 1] != '\n')) ++lngLine;
        return lngLine;
    }
    return 0;
}

udtFileIssue MergeConflictIssue(int32_t plngLine)
{
    return {plngLine, QCoreApplication::translate("basMergeConflict", "an unresolved merge conflict (a line of Git's conflict markers); resolve it "
                                     "and remove the marker lines")};
}

}  // namespace tralyx
