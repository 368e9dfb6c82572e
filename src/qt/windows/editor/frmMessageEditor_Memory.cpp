// frmMessageEditor: the memory's help. Suggestions for the selected row, the source's texts copied
// into the boxes, a concordance result put into one, and Fill from Memory.
#include "windows/editor/frmMessageEditor.h"

#include "editor/basFillPlan.h"
#include "store/basTextStore.h"
#include "windows/editor/basTextBox.h"
#include "windows/editor/clsEditorStates.h"
#include "windows/editor/clsEntryBoxes.h"
#include "windows/list/clsEditorListModel.h"

#include <QFileInfo>

namespace tralyx {

void frmMessageEditor::SetMemory(std::shared_ptr<const clsTranslationMemory> pobjMemory)
{
    mobjMemory = std::move(pobjMemory);
    mbooSuggested = false;
    emit WorkChanged();
}

const std::vector<frmMessageEditor::udtRowSuggestion>& frmMessageEditor::Suggestions() const
{
    if (!mobjMemory || !HasSource() || !gobjTextStore || mlngCurrentItem < 0) {
        mudtSuggestions.clear();
        return mudtSuggestions;
    }
    // The main text's, or the other's when the main one is empty (a tool-tip without caption).
    const udtEntryText* pudtFor = nullptr;
    const std::vector<udtEntryText> udtTexts = mobjSource.Rows()->Texts(*gobjTextStore, mlngCurrentItem);
    for (const enuTextKind enuText : clsEditorStates::RowTextKinds(Kind())) {
        for (const udtEntryText& udtText : udtTexts)
            if (udtText.Kind == enuText && !udtText.Source.isEmpty() && udtText.Storable) pudtFor = &udtText;
        if (pudtFor) break;
    }
    const QString strKey = pudtFor ? EntryId(mlngCurrentItem) + u'\n' + pudtFor->Source : QString();
    if (mbooSuggested && strKey == mstrSuggestedFor) return mudtSuggestions;
    mbooSuggested = true;
    mstrSuggestedFor = strKey;
    mudtSuggestions.clear();
    if (!pudtFor) return mudtSuggestions;
    // The memory holds this folder too: the row's own translation is no suggestion for it.
    const QString strOwnOrigin = QFileInfo(mstrFileName).absolutePath() + u'/' + LanguageFileName(Kind());
    for (udtSuggestion& udtFound : mobjMemory->Suggestions(pudtFor->Source, clsTranslationMemory::MaxSuggestions + 1)) {
        if (udtFound.Entry == pudtFor->Key && udtFound.Origin == strOwnOrigin) continue;
        if (int32_t(mudtSuggestions.size()) < clsTranslationMemory::MaxSuggestions)
            mudtSuggestions.push_back({std::move(udtFound), clsEditorStates::ColumnOf(pudtFor->Kind), pudtFor->Source});
    }
    return mudtSuggestions;
}

bool frmMessageEditor::UseSuggestion(int32_t plngNumber)
{
    const std::vector<udtRowSuggestion>& udtFound = Suggestions();
    if (plngNumber < 1 || plngNumber > int32_t(udtFound.size())) return false;
    QWidget* objBox = fraMessage->Box(udtFound[plngNumber - 1].Column);
    if (!objBox || IsReadOnlyTextBox(objBox)) return false;
    const udtRowSuggestion& udtTaken = udtFound[plngNumber - 1];
    // A caption keeps its access key, which the memory's text may not have had.
    const bool booCaption = Kind() == enuFileKind::ControlText && udtTaken.Column == clsEditorStates::ColumnOf(enuTextKind::Caption);
    SetTextBoxText(objBox, booCaption ? WithAccessKeyOf(udtTaken.RowSource, udtTaken.Memory.Translation) : udtTaken.Memory.Translation);
    objBox->setFocus();
    return true;
}

bool frmMessageEditor::InsertTranslation(const QString& pstrStored)
{
    if (mlngCurrentItem < 0) return false;
    QWidget* objBox = focusWidget();
    if (!objBox || !fraMessage->isAncestorOf(objBox) || !IsTextBox(objBox) || IsReadOnlyTextBox(objBox))
        objBox = fraMessage->Box(clsEditorStates::ColumnOf(clsEditorStates::RowTextKinds(Kind()).front()));
    if (!objBox || IsReadOnlyTextBox(objBox)) return false;
    InsertInTextBox(objBox, pstrStored);
    objBox->setFocus();
    return true;
}

void frmMessageEditor::CopySource()
{
    if (!HasSource() || !gobjTextStore || mlngCurrentItem < 0) return;
    for (const udtEntryText& udtText : mobjSource.Rows()->Texts(*gobjTextStore, mlngCurrentItem)) {
        QWidget* objBox = fraMessage->Box(clsEditorStates::ColumnOf(udtText.Kind));
        if (objBox && !IsReadOnlyTextBox(objBox) && udtText.Storable && !udtText.Obsolete() &&
            TextBoxText(objBox) != udtText.Source)
            SetTextBoxText(objBox, udtText.Source);
    }
}

int32_t frmMessageEditor::FillFromMemory(QStringList* pstrSkipped)
{
    if (!mobjMemory || !HasSource() || !gobjTextStore) return 0;
    if (!ConfirmItemChange()) return 0;
    // The code page the file is saved in: a match it cannot write would stop the whole save.
    const clsCodePage objCodePage(((*gobjTextStore).*FileKind(Kind()).CodePage)());
    QStringList strSkipped;
    const std::vector<udtFill> udtFills = FillPlan(
        mobjListItems->Count(), [this](int32_t r) { return mobjSource.Rows()->Texts(*gobjTextStore, r); },
        [this](int32_t r, enuTextKind e) { return mobjStates->Text(*gobjTextStore, r, e); }, *mobjMemory,
        objCodePage, strSkipped);
    if (pstrSkipped) *pstrSkipped = strSkipped;
    if (udtFills.empty()) return 0;
    std::vector<int32_t> lngRows;
    for (const udtFill& f : udtFills)
        if (lngRows.empty() || lngRows.back() != f.Row) lngRows.push_back(f.Row);
    ChangeEntries(tr("Fill from Memory"), lngRows, [&] {
        mobjListItems->Batch([&] {
            for (const udtFill& f : udtFills) {
                // Marked before the text goes in: the row's state is computed once, with both.
                mobjStates->SetText(*gobjTextStore, f.Row, f.Text, FilledState(mobjStates->Text(*gobjTextStore, f.Row, f.Text), f.Source));
                mobjListItems->setData(mobjListItems->index(f.Row, clsEditorStates::ColumnOf(f.Text)), f.Translation);
            }
        });
    });
    LoadBoxes();
    SetItemChanged(false);
    return int32_t(udtFills.size());
}

void frmMessageEditor::SetSpeller(std::shared_ptr<clsSpeller> pobjSpeller) { fraMessage->SetSpeller(std::move(pobjSpeller)); }

}  // namespace tralyx
