#pragma once
// How the memory compares two source texts: on their masked form, by edit distance, with the words
// of a text as the keys of its index.
#include <QString>
#include <QStringView>
#include <cstdint>
#include <utility>
#include <vector>

namespace tralyx {

// The text as the comparison sees it: access keys dropped ("&&" stays one "&"), each "[#!name!#]"
// one placeholder character whatever its name, CR LF and a lone CR one LF. Numbers stay: a changed
// number is a different text.
QString MaskedText(QStringView pstrText);

// The similarity of two masked texts from 0 to 100: the share of the longer text that the edit
// distance (characters inserted, deleted or replaced) leaves, rounded down, so that only equal texts
// score 100. -1 as soon as it is clear that the score stays below plngMinimum.
int32_t MatchScore(QStringView pstrOne, QStringView pstrOther, int32_t plngMinimum = 0);

// A 64-bit hash of a text for the memory's own tables: several times cheaper than QHash's seeded
// one on texts of a hundred characters, which a memory of three folder pairs hashes 800,000 times.
uint64_t TextHash(QStringView pstrText);

// The index keys of a masked text, each once, in no particular order: the first three and the last
// three characters of every word, lower-cased ("File" and "files" share "fil", "Filename" and
// "Pathname" "ame"), and the last three digits of every number. A word changed in one place keeps
// one of its two keys when it has six characters or more.
void MatchKeys(QStringView pstrMasked, std::vector<uint64_t>& plngOut);

// The text as a concordance search reads it: access keys dropped as MaskedText drops them, each
// run of white space (line breaks, tabs, no-break spaces) one space, case folded. Markers stay as
// they are written. With plngFrom, the position in pstrText of each character of the result.
QString ConcordanceText(QStringView pstrText, std::vector<qsizetype>* plngFrom = nullptr);
// Where pstrFolded (a ConcordanceText, not empty) stands in pstrText, so that it can be marked:
// the start and the length of each place, in order, none overlapping.
std::vector<std::pair<qsizetype, qsizetype>> ConcordanceRanges(QStringView pstrText, QStringView pstrFolded);

}  // namespace tralyx
