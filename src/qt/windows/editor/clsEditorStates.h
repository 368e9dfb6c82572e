#pragma once
// The translation state of an editor window's file (review, done, note per text), kept in the
// folder's translation-state.json beside the .lrc files: loaded with the file, changed through the
// window's undo steps (one value per row: the states of its texts) and saved after each save of the
// file. A state file that cannot be read is reported and ignored; it is then only written over
// once the window has recorded a state of its own.
#include "state/clsMergeCandidates.h"
#include "state/clsTranslationState.h"
#include "checks/basEntryMatch.h"
#include "windows/list/clsEntryStates.h"

#include <QMetaType>
#include <functional>

namespace tralyx {

// The states of one row's texts, in the order of RowTextKinds.
struct udtRowStates {
    udtTextState Texts[2];
    bool operator==(const udtRowStates&) const = default;
};

class clsEditorStates : public clsEntryStates {
public:
    // The texts of a row of that kind, its main text (caption, message, text) first.
    static std::vector<enuTextKind> RowTextKinds(enuFileKind penuKind);
    // The list column that holds a text of that kind.
    static int ColumnOf(enuTextKind penuText);

    void SetKind(enuFileKind penuKind) { menuKind = penuKind; }
    // Called with the row whose states changed, after the change.
    void OnChanged(std::function<void(int32_t)> pfnChanged) { mfnChanged = std::move(pfnChanged); }

    // Reads the folder's state; false with the reason when the file cannot be read (then: none).
    // The marks are checked against the table (and its source, when known): those given for other
    // texts than the entries now have are not applied, and the reason then says how many.
    bool Load(const QString& pstrFolder, QString& pstrReason, const clsTralyx& pobjTable, const clsTralyx* pobjSource);
    // Saves the table (pfnSaveTexts, which says itself why it did not) and this kind's states under
    // the folder's lock: the window's own changes since the load go into the state as its file now
    // holds it, the ids the table no longer has dropped. pbooTextsSaved says whether the table was
    // saved; false with the reason when its state was not (or, with pbooTextsSaved false, when the
    // folder's lock was held by another writer all the while). A state file that cannot be read is
    // replaced only when the translator agrees.
    bool Save(const QString& pstrFolder, const clsTralyx& pobjTable, const clsTralyx* pobjSource, const std::function<bool()>& pfnSaveTexts,
              bool& pbooTextsSaved, QString& pstrReason);
    const clsTranslationState& State() const { return mobjState; }
    // What a merge left to choose for the row's texts (translation-candidates.json): those whose
    // text still holds the kept candidate. A commit of the row is the translator's choice:
    // ResolveCandidates drops them, and the next save writes that down.
    QVector<udtMergeCandidate> Candidates(const clsTralyx& pobjTable, int32_t plngRow) const;
    bool ResolveCandidates(const clsTralyx& pobjTable, int32_t plngRow);

    // The id under which a text of a row is kept: frmMain.cmdOK.0.C, MST003, TXT004 (#1004 beyond 999).
    QString TextKey(const clsTralyx& pobjTable, int32_t plngRow, enuTextKind penuText) const;
    udtTextState Text(const clsTralyx& pobjTable, int32_t plngRow, enuTextKind penuText) const;
    void SetText(const clsTralyx& pobjTable, int32_t plngRow, enuTextKind penuText, const udtTextState& pudtState);

    // Needs gobjTextStore: the rows' ids come from its table.
    QVariant EntryState(int32_t plngEntry) const override;
    void SetEntryState(int32_t plngEntry, const QVariant& pobjState) override;

private:
    void MarkOpenCandidates(const clsTralyx& pobjTable);  // their texts to review
    enuFileKind menuKind = enuFileKind::Messages;
    clsTranslationState mobjState;
    clsTranslationState mobjRead;  // as the file held it at the load or the last save: what the window changed is the rest
    QString mstrFolder;            // whose file that was
    bool mbooUnreadable = false;  // the file on disk could not be read
    bool mbooRecorded = false;    // a state was recorded since the load
    std::function<void(int32_t)> mfnChanged;
    clsMergeCandidates mobjCandidates;
    QStringList mstrResolved;  // candidate ids chosen since the last save
};

}  // namespace tralyx

Q_DECLARE_METATYPE(tralyx::udtRowStates)
