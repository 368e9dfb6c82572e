#pragma once
// Moving through the rows a list shows (F8, Find Next): a filtered list shows some of the entries,
// in the entries' order or sorted; a step goes from row to row, as listed, and round the end.
#include <cstdint>
#include <functional>

namespace tralyx {

// The rows a list shows: how many, the entry each shows, and the order they are in: whether entry
// a is listed before entry b (empty: by entry, ascending).
struct udtListedRows {
    int32_t Count = 0;
    std::function<int32_t(int32_t)> EntryOf;
    std::function<bool(int32_t, int32_t)> Before;
};

// The first entry pfnWanted accepts, going from row plngFromRow by plngStep (+1 or -1) round the
// end, plngFromRow itself last; -1 (not listed) starts before the first row or after the last.
// -1: none.
int32_t NextWanted(const udtListedRows& pudtRows, int32_t plngFromRow, int32_t plngStep,
                   const std::function<bool(int32_t)>& pfnWanted);

// Whether a row after plngFromRow (without going round) shows an entry pfnWanted accepts.
bool WantedAfter(const udtListedRows& pudtRows, int32_t plngFromRow, const std::function<bool(int32_t)>& pfnWanted);

// The first row showing an entry that the order puts after plngEntry (listed or not), else the last
// row; -1: no row.
int32_t RowAfter(const udtListedRows& pudtRows, int32_t plngEntry);

}  // namespace tralyx
