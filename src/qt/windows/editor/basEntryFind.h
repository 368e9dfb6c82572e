#pragma once
// Find and replace in the translations of an editor's list: in the texts the file can keep (the
// model's editable cells), changed through the model as a commit changes them.
#include <QString>
#include <cstdint>
#include <vector>

namespace tralyx {

class clsEditorListModel;
class clsTextFind;

bool EntryMatches(const clsEditorListModel& pobjRows, int32_t plngEntry, const clsTextFind& pobjFind);
// Asks before Replace all changes that many entries (true: Yes); none: says the text was not found.
// With more than one file, says how many.
bool AskReplaceAll(const clsTextFind& pobjFind, size_t plngEntries, int pintFiles = 1);
std::vector<int32_t> MatchingEntries(const clsEditorListModel& pobjRows, const clsTextFind& pobjFind);
// Replaces in those entries as one change of the model, marking each entry changed. Returns each
// character written once, for a check against the file's code page (which costs per character).
QString ReplaceInEntries(clsEditorListModel& pobjRows, const std::vector<int32_t>& plngEntries,
                         const clsTextFind& pobjFind, const QString& pstrBy);

}  // namespace tralyx
