// frmMessageEditor: moving through the listed rows. F8 to the next row needing work, the filter,
// find and replace.
#include "windows/editor/frmMessageEditor.h"

#include "editor/basListSteps.h"
#include "editor/clsTextFind.h"
#include "store/basTextStore.h"
#include "windows/documents/basEditorFiles.h"
#include "windows/editor/basEntryFind.h"
#include "windows/editor/basTextBox.h"
#include "windows/editor/clsEditorStates.h"
#include "windows/editor/clsEntryBoxes.h"
#include "windows/list/clsEditorFilter.h"
#include "windows/list/clsEditorListModel.h"
#include "windows/list/clsEditorListView.h"

namespace tralyx {

bool frmMessageEditor::StepTo(int32_t plngStep, const std::function<bool(int32_t)>& pfnWanted, int32_t plngFrom)
{
    // From the current row unless told otherwise (-1: before the first row).
    const int32_t lngEntry = mobjFilter->NextEntry(plngFrom == -2 ? mlngCurrentItem : plngFrom, plngStep, pfnWanted);
    if (lngEntry < 0) return false;
    SelectRow(lngEntry);
    return true;
}

bool frmMessageEditor::NeedsWork(int32_t plngEntry) const { return (RowState(plngEntry) & RowNeedsWork) != 0; }

bool frmMessageEditor::GoToNeedsWork(int32_t plngStep)
{
    if (!HasSource()) return false;
    const bool booFound = StepTo(plngStep < 0 ? -1 : 1, [this](int32_t plngEntry) { return NeedsWork(plngEntry); });
    if (booFound) FocusWork();
    return booFound;
}

bool frmMessageEditor::GoToFirstNeedingWork()
{
    const bool booFound = HasSource() && StepTo(1, [this](int32_t plngEntry) { return NeedsWork(plngEntry); }, -1);
    if (booFound) FocusWork();
    return booFound;
}

bool frmMessageEditor::NeedsWorkElsewhere() const
{
    if (!HasSource()) return false;
    const int32_t lngEntry = mobjFilter->NextEntry(mlngCurrentItem, 1, [this](int32_t plngEntry) { return NeedsWork(plngEntry); });
    return lngEntry >= 0 && lngEntry != mlngCurrentItem;
}

void frmMessageEditor::FocusWork()
{
    if (mlngCurrentItem < 0) return;
    QWidget* objBox = nullptr;
    const auto Usable = [](QWidget* p) { return p && p->isVisibleTo(p->window()) && !IsReadOnlyTextBox(p); };
    if (HasSource() && gobjTextStore) {
        const std::vector<udtEntryText> udtTexts = mobjSource.Rows()->Texts(*gobjTextStore, mlngCurrentItem);
        for (const enuTextKind enuText : clsEditorStates::RowTextKinds(Kind())) {
            for (const udtEntryText& udtText : udtTexts) {
                if (udtText.Kind != enuText || !udtText.Storable || udtText.Obsolete()) continue;
                const udtTextState udtState = mobjStates->Text(*gobjTextStore, mlngCurrentItem, enuText);
                if (TextWorkState(udtText, &udtState)) objBox = fraMessage->Box(clsEditorStates::ColumnOf(enuText));
            }
            if (Usable(objBox)) break;
            objBox = nullptr;
        }
    }
    // A problem of the row's own (a marker, an end mark) is in its main text most often.
    if (!objBox) objBox = fraMessage->Box(clsEditorStates::ColumnOf(clsEditorStates::RowTextKinds(Kind()).front()));
    if (Usable(objBox)) objBox->setFocus(Qt::OtherFocusReason);
}

bool frmMessageEditor::WantedAfter(int32_t plngEntry, const std::function<bool(int32_t)>& pfnWanted) const
{
    return tralyx::WantedAfter(mobjFilter->Listed(), mobjFilter->ViewRowOf(plngEntry), pfnWanted);
}

bool frmMessageEditor::NeedsWorkAfter(int32_t plngEntry) const
{
    return HasSource() && WantedAfter(plngEntry, [this](int32_t plngOther) { return NeedsWork(plngOther); });
}

bool frmMessageEditor::FoundAfter(int32_t plngEntry, const clsTextFind& pobjFind) const
{
    return WantedAfter(plngEntry, [&](int32_t plngOther) { return EntryMatches(*mobjListItems, plngOther, pobjFind); });
}

int32_t frmMessageEditor::MatchCount(const clsTextFind& pobjFind) const
{
    return int32_t(MatchingEntries(*mobjListItems, pobjFind).size());
}

void frmMessageEditor::SetFilter(const QString& pstrText, int32_t penuShow)
{
    Refiltered([&] { mobjFilter->SetFilter(pstrText, penuShow); });
}

void frmMessageEditor::Refiltered(const std::function<void()>& pfnFilter)
{
    mbooRefiltering = true;
    pfnFilter();
    const int lngViewRow = mobjFilter->ViewRowOf(mlngCurrentItem);
    if (lngViewRow >= 0) lvwMessages->setCurrentIndex(mobjFilter->index(lngViewRow, 0));
    mbooRefiltering = false;
    if (lngViewRow >= 0) {
        lvwMessages->scrollTo(mobjFilter->index(lngViewRow, 0));
    } else if (mobjFilter->rowCount() > 0) {
        // The chosen row went out of sight. A row with typing in it stays listed, so this one has
        // none that a question could be about: the nearest row shown after it is chosen.
        if (!Typed()) SetItemChanged(false);
        SelectRow(mobjFilter->EntryOf(mobjFilter->ViewRowAfter(mlngCurrentItem)));
    } else if (mlngCurrentItem >= 0) {
        // No row listed: nothing in the boxes that is not in the list.
        mlngCurrentItem = -1;
        LoadBoxes();
        fraMessage->SetEmpty(tr("No row is listed."));
        SetItemChanged(false);
        emit CurrentEntryChanged(QString());
    }
    emit WorkChanged();
}

QString frmMessageEditor::FilterCountText() const { return mobjFilter->CountText(); }

bool frmMessageEditor::FindNext(const clsTextFind& pobjFind, int32_t plngFrom)
{
    if (pobjFind.IsEmpty() || !StepTo(1, [&](int32_t plngEntry) { return EntryMatches(*mobjListItems, plngEntry, pobjFind); }, plngFrom))
        return false;
    // The match itself, not only its row; typing over the selection replaces it.
    if (!mbooItemChanged) fraMessage->SelectMatch(pobjFind);
    return true;
}

bool frmMessageEditor::ReplaceCurrent(const clsTextFind& pobjFind, const QString& pstrBy)
{
    if (pobjFind.IsEmpty()) return false;
    const bool booReplaced = mlngCurrentItem >= 0 && fraMessage->Replace(pobjFind, pstrBy);
    if (booReplaced) {
        CommitBoxes();
        SetItemChanged(false);
    }
    const bool booFound = FindNext(pobjFind);
    return booReplaced || booFound;
}

int32_t frmMessageEditor::ReplaceAll(const clsTextFind& pobjFind, const QString& pstrBy, bool pbooAsk)
{
    if (pobjFind.IsEmpty() || !gobjTextStore) return 0;
    if (!ConfirmItemChange()) return 0;  // what was typed in the boxes first, as a row change would ask
    const std::vector<int32_t> lngEntries = MatchingEntries(*mobjListItems, pobjFind);
    if (pbooAsk && !AskReplaceAll(pobjFind, lngEntries.size())) return 0;
    QString strWritten;
    ChangeEntries(tr("Replace All \u201C%1\u201D by \u201C%2\u201D").arg(pobjFind.Text(), pstrBy), lngEntries,
                  [&] { strWritten = ReplaceInEntries(*mobjListItems, lngEntries, pobjFind, pstrBy); });
    LoadBoxes();
    SetItemChanged(false);
    WarnUnencodable(CodePage(), strWritten);
    return int32_t(lngEntries.size());
}

}  // namespace tralyx
