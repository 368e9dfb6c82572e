#include "windows/list/clsEntryChange.h"

#include "windows/list/clsEditorListModel.h"
#include "windows/list/clsEntryStates.h"

#include <QUndoStack>

namespace tralyx {

clsEntryChange::clsEntryChange(clsEditorListModel& pobjRows, clsEntryStates* pobjStates, const QUndoStack& pobjStack,
                               const std::vector<int32_t>& plngEntries, const QString& pstrText)
    : QUndoCommand(pstrText), mobjRows(pobjRows), mobjStates(pobjStates), mobjStack(pobjStack)
{
    for (const int32_t lngEntry : plngEntries)
        if (lngEntry >= 0 && lngEntry < pobjRows.Count()) mlngEntries.push_back(lngEntry);
    for (const int32_t lngEntry : mlngEntries) {
        mudtBefore.push_back(Record(lngEntry));
        mbooMarkedBefore.push_back(pobjRows.IsChanged(lngEntry));
    }
}

clsEntryChange::udtSide clsEntryChange::Record(int32_t plngEntry) const
{
    udtSide udtSide;
    for (int intColumn = 0; intColumn < mobjRows.TableColumns(); ++intColumn)
        udtSide.Texts.append(mobjRows.Storable(plngEntry, intColumn) ? mobjRows.ItemText(plngEntry, intColumn) : QString());
    if (mobjStates) udtSide.State = mobjStates->EntryState(plngEntry);
    return udtSide;
}

bool clsEntryChange::Finish()
{
    mudtAfter.clear();
    for (const int32_t lngEntry : mlngEntries) mudtAfter.push_back(Record(lngEntry));
    return mudtAfter != mudtBefore;
}

void clsEntryChange::Put(const std::vector<udtSide>& pudtSides)
{
    mobjRows.Batch([&] {
        for (size_t i = 0; i < mlngEntries.size(); ++i) {
            const udtSide& udtSide = pudtSides[i];
            for (int intColumn = 0; intColumn < udtSide.Texts.size(); ++intColumn) {
                const QString& strText = udtSide.Texts[intColumn];
                if (!strText.isNull() && strText != mobjRows.ItemText(mlngEntries[i], intColumn))
                    mobjRows.setData(mobjRows.index(mlngEntries[i], intColumn), strText);
            }
        }
    });
    if (mobjStates)
        for (size_t i = 0; i < mlngEntries.size(); ++i) mobjStates->SetEntryState(mlngEntries[i], pudtSides[i].State);
}

void clsEntryChange::undo()
{
    Put(mudtBefore);
    // Bold means "not as saved". Saved at or before this step: the marks it found are still true.
    // Saved after it (or the saved point is gone): the texts now differ from the file's.
    const int lngStep = mobjStack.index() - 1;
    const int lngSaved = mobjStack.cleanIndex();
    for (size_t i = 0; i < mlngEntries.size(); ++i)
        mobjRows.MarkChanged(mlngEntries[i], lngSaved >= 0 && lngSaved <= lngStep ? mbooMarkedBefore[i] : true);
}

void clsEntryChange::redo()
{
    // The first time the change itself has run already.
    if (std::exchange(mbooDone, false)) return;
    for (size_t i = 0; i < mlngEntries.size(); ++i) mbooMarkedBefore[i] = mobjRows.IsChanged(mlngEntries[i]);
    Put(mudtAfter);
    for (const int32_t lngEntry : mlngEntries) mobjRows.MarkChanged(lngEntry);
}

}  // namespace tralyx
