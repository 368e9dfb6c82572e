#pragma once
// The undo history of one editor window: a QUndoStack of clsEntryChange steps (a commit, a Replace
// All, anything else that changes entries through the list's model), with the saved point as the
// stack's clean index.
#include <QObject>
#include <functional>
#include <vector>

class QUndoStack;

namespace tralyx {

class clsEditorListModel;
class clsEntryStates;

class clsEditorUndo : public QObject {
    Q_OBJECT
public:
    clsEditorUndo(clsEditorListModel& pobjRows, QObject* pobjParent);

    QUndoStack* Stack() const { return mobjStack; }
    // What each entry keeps beside its texts, recorded with them (not owned; nullptr: nothing).
    void SetStates(clsEntryStates* pobjStates) { mobjStates = pobjStates; }

    // Runs pfnChange, which changes those entries through the model (or their states), as one step
    // named pstrText; marks them changed. False, and no step, when none of them changed.
    bool Change(const QString& pstrText, const std::vector<int32_t>& plngEntries, const std::function<void()>& pfnChange);
    void Undo();
    void Redo();

signals:
    void Stepped(const std::vector<int32_t>& plngEntries);  // an undo or redo put these entries back

private:
    void Step(int pintCommand, bool pbooUndo);

    clsEditorListModel& mobjRows;
    clsEntryStates* mobjStates = nullptr;
    QUndoStack* mobjStack;
};

}  // namespace tralyx
