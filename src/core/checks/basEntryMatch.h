#pragma once
// Pairs the texts of a translated language file with those of its source-language file, the way the
// update merge pairs entries: core.lrc by object path (Form.Control.Index, first occurrence, exact
// case), messages.lrc and secondary.lrc by position. The checks, lint, the editor and the exchange
// formats all pair through here, so that they agree on what an entry is and how it is named.
#include "store/basFileKind.h"
#include "store/clsTralyx.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

namespace tralyx {

enum class enuTextKind { Caption, ToolTip, MessageText, MessageTitle, Secondary };

// One text of an entry, with both sides.
struct udtEntryText {
    // As the file names it: frmMain.cmdOK.0.C / frmMain.cmdOK.0.T, MSG003 / MST003, TXT004. The
    // secondary.lrc numbers wrap after 999 as the file's do, so Id alone is unique only below 1,000
    // entries; Key adds the position where it is not ("TXT004#1004").
    QString Id;
    QString Key;
    enuTextKind Kind = enuTextKind::Secondary;
    QString ObjectPath;         // control text only: Form.Control.Index
    int32_t SourceRecord = -1;  // position in the source table; -1 when the source lacks the entry
    int32_t Record = -1;        // position in the translated table; -1 when the translation lacks it
    int32_t SourceLine = 0;     // line of the entry in its file, 0 when unknown
    int32_t Line = 0;
    QString Source;
    QString Translation;
    // False for the texts core.lrc has no line for (the caption of a txt... control, the tool-tip of
    // an mnu... or [cap... control): a save drops them.
    bool Storable = true;

    bool Missing() const { return Record < 0; }         // the source has it, the translation does not
    bool Obsolete() const { return SourceRecord < 0; }  // the reverse
};

// Every text of both tables, in the translation's order, then the entries only the source has in
// the source's order. Records with neither form nor control name (the empty record of an empty
// file) are left out.
std::vector<udtEntryText> MatchEntries(enuFileKind penuFile, const clsTralyx& pobjSource,
                                       const clsTralyx& pobjTranslation);

// The same pairs, in the same order, one at a time without keeping them: a pass over a whole file.
// The entry passed is valid only during the call.
void ForEachEntry(enuFileKind penuFile, const clsTralyx& pobjSource, const clsTralyx& pobjTranslation,
                  const std::function<void(const udtEntryText&)>& pfnEntry);

class clsFirstPathIndex;

// The pairing of single records of a translation with a source table that does not change: what the
// editor checks when one row is committed. Built once per source table (core.lrc: an index of its
// paths); each Record call costs one record's texts, plus a scan for an earlier record of the same
// path in core.lrc.
class clsSourcePairing {
public:
    clsSourcePairing(enuFileKind penuFile, const clsTralyx& pobjSource);  // keeps a reference
    ~clsSourcePairing();
    clsSourcePairing(const clsSourcePairing&) = delete;
    clsSourcePairing& operator=(const clsSourcePairing&) = delete;

    // The texts of the translation's record at that position, as MatchEntries pairs them; none for a
    // position out of range, a record without names or a later duplicate of a path.
    std::vector<udtEntryText> Record(const clsTralyx& pobjTranslation, qsizetype plngRecord) const;

private:
    enuFileKind menuFile;
    const clsTralyx& mobjSource;
    std::unique_ptr<clsFirstPathIndex> mobjSourceAt;
};

// One text of a table's record and its id as the pairing names them (frmMain.cmdOK.0.C, MST003,
// TXT004): an entry met earlier, named again without having kept its strings.
QString EntryIdAt(enuFileKind penuFile, const clsTralyx& pobjTable, qsizetype plngRecord, enuTextKind penuKind);
QString EntryTextAt(const clsTralyx& pobjTable, qsizetype plngRecord, enuTextKind penuKind);

// Whether core.lrc has a caption line / a tool-tip line for a control of this name: the rule the
// file's writer keeps (EntryHasCaptionLine, EntryHasToolTipLine).
bool ControlHasCaptionLine(const QString& pstrControlName);
bool ControlHasToolTipLine(const QString& pstrControlName);

}  // namespace tralyx
