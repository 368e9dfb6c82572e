#pragma once
// The rule consistency of a folder: one source text translated two different ways. Fed every
// entry of the folder's files in turn, it names at the end of each file every translation there
// that differs from the first one of the same source in the folder (info), with that first one and
// its entry; a caption's access keys do not count ("&Open" is "Open", "Ö&ffnen" is "Öffnen"). The
// same translation of different sources is fine.
//
// A full-size folder has 100,000 entries, nearly all of them with a source of their own. While a
// file is checked each entry costs a hash of its source and 16 bytes appended to a log: a lookup
// there, between the other rules' strings, would wait on memory every time. The end of each file
// finds its sources met before in one tight pass over its part of the log (a bit set of 32 bits an
// entry, which then stays in the cache), pairs those entries with the first of their source, and
// reads texts and ids back from the tables. Sources are told apart by a 64-bit hash: two different
// ones meet about once in 10^9 such folders.
#include "checks/basChecks.h"

#include <QtGlobal>
#include <array>
#include <vector>

namespace tralyx {

class clsTranslationConsistency {
public:
    // Room for this many more entries: the texts of the next file.
    void Reserve(qsizetype plngEntries);
    // pobjTranslation: the table the entry comes from; it must outlive this object.
    void Add(enuFileKind penuFile, const clsTralyx& pobjTranslation, const udtEntryText& pudtEntry);
    // After the entries of one file: appends the problems of its entries, in the order they came.
    // pobjSource: the file's source table.
    void EndFile(enuFileKind penuFile, const clsTralyx& pobjSource, std::vector<udtProblem>& pudtOut);

private:
    struct udtLogged {
        quint64 Source = 0;        // the hash of the source as shown
        quint32 Where = 0;         // translation record << 5 | file << 3 | text kind
        qint32 SourceRecord = -1;  // in the source table
    };
    std::vector<udtLogged> mudtLog;
    size_t mlngEnded = 0;           // the entries of the files ended
    std::vector<quint64> mlngSeen;  // a bit set of the sources of the files ended
    std::array<const clsTralyx*, 3> mobjTranslations{};  // by enuFileKind
};

}  // namespace tralyx
