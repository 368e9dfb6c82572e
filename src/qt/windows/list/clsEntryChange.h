#pragma once
// One undo step of an editor window: some entries' texts (the cells the file keeps), their bold
// "changed since saved" mark and their state (clsEntryStates), as they were before the step and
// after it. Undo and redo write the texts through the list's model, as a commit does.
#include <QString>
#include <QStringList>
#include <QUndoCommand>
#include <QVariant>
#include <vector>

class QUndoStack;

namespace tralyx {

class clsEditorListModel;
class clsEntryStates;

class clsEntryChange : public QUndoCommand {
public:
    // Records the entries as they stand: made before the change, then Finish() after it. pobjStates
    // may be nullptr; pobjStack is the stack the step goes on (for the saved point).
    clsEntryChange(clsEditorListModel& pobjRows, clsEntryStates* pobjStates, const QUndoStack& pobjStack,
                   const std::vector<int32_t>& plngEntries, const QString& pstrText);

    // Records the entries again, after the change; false when none of them changed.
    bool Finish();
    const std::vector<int32_t>& Entries() const { return mlngEntries; }

    void undo() override;
    void redo() override;

private:
    struct udtSide {
        QStringList Texts;  // by column; null for a column the file does not keep
        QVariant State;
        bool operator==(const udtSide&) const = default;
    };
    udtSide Record(int32_t plngEntry) const;
    void Put(const std::vector<udtSide>& pudtSides);

    clsEditorListModel& mobjRows;
    clsEntryStates* mobjStates;
    const QUndoStack& mobjStack;
    std::vector<int32_t> mlngEntries;
    std::vector<udtSide> mudtBefore, mudtAfter;
    std::vector<bool> mbooMarkedBefore;  // bold before the step was last done
    bool mbooDone = true;                // the change ran before the step was pushed
};

}  // namespace tralyx
