#include "windows/list/clsEditorUndo.h"

#include "windows/list/clsEditorListModel.h"
#include "windows/list/clsEntryChange.h"

#include <QUndoStack>
#include <memory>

namespace tralyx {

clsEditorUndo::clsEditorUndo(clsEditorListModel& pobjRows, QObject* pobjParent)
    : QObject(pobjParent), mobjRows(pobjRows), mobjStack(new QUndoStack(this))
{
    mobjStack->setObjectName(QStringLiteral("stkUndo"));
}

bool clsEditorUndo::Change(const QString& pstrText, const std::vector<int32_t>& plngEntries,
                           const std::function<void()>& pfnChange)
{
    auto objStep = std::make_unique<clsEntryChange>(mobjRows, mobjStates, *mobjStack, plngEntries, pstrText);
    pfnChange();
    if (!objStep->Finish()) return false;
    for (const int32_t lngEntry : objStep->Entries()) mobjRows.MarkChanged(lngEntry);
    mobjStack->push(objStep.release());
    return true;
}

void clsEditorUndo::Undo()
{
    if (mobjStack->canUndo()) Step(mobjStack->index() - 1, true);
}

void clsEditorUndo::Redo()
{
    if (mobjStack->canRedo()) Step(mobjStack->index(), false);
}

void clsEditorUndo::Step(int pintCommand, bool pbooUndo)
{
    const auto* objStep = static_cast<const clsEntryChange*>(mobjStack->command(pintCommand));
    const std::vector<int32_t> lngEntries = objStep->Entries();
    if (pbooUndo) mobjStack->undo();
    else mobjStack->redo();
    emit Stepped(lngEntries);
}

}  // namespace tralyx
