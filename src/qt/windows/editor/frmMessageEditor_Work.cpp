// frmMessageEditor: the work on the file beside its texts. The source-language table it is measured
// against, and the translation state: reviews, Mark as Done, notes.
#include "windows/editor/frmMessageEditor.h"

#include "common/basStoreText.h"
#include "exchange/basLanguageFolder.h"
#include "store/basTextStore.h"
#include "windows/editor/clsEditorStates.h"
#include "windows/list/clsEditorFilter.h"
#include "windows/list/clsEditorListModel.h"

#include <QFileInfo>

namespace tralyx {

QString frmMessageEditor::LoadSource(const QString& pstrFolder)
{
    mobjSource.Load(pstrFolder, mstrFileName, Kind(), CodePage());
    RefreshWork();
    return mobjSource.Note();
}

void frmMessageEditor::SetSource(std::unique_ptr<clsTralyx> pobjSource)
{
    mobjSource.Set(Kind(), std::move(pobjSource));
    RefreshWork();
}

void frmMessageEditor::RefreshWork()
{
    mbooSuggested = false;
    if (mobjSource.Rows()) mobjSource.Rows()->SetRules(&mobjStates->State(), Language());
    if (mobjSource.Rows()) mobjSource.Rows()->SetGlossary(mobjGlossary.get());
    if (mobjSource.Rows() && gobjTextStore) mobjSource.Rows()->ComputeAll(*gobjTextStore);
    mobjListItems->SetWork(mobjSource.Rows());
    if (mobjFilter->IsActive()) Refiltered([this] { mobjFilter->Refilter(); });
    emit WorkChanged();
}

uint8_t frmMessageEditor::RowState(int32_t plngRow) const { return mobjListItems->State(plngRow); }

QString frmMessageEditor::ProgressText() const { return HasSource() ? mobjSource.Rows()->Progress().Text() : QString(); }

udtProgress frmMessageEditor::Progress() const { return HasSource() ? mobjSource.Rows()->Progress() : udtProgress(); }

QList<QPair<QString, QString>> frmMessageEditor::SourceBoxes() const
{
    return gobjTextStore ? mobjSource.Boxes(*gobjTextStore, mlngCurrentItem) : QList<QPair<QString, QString>>();
}

QStringList frmMessageEditor::CurrentProblems() const
{
    QStringList strOut = HasSource() ? mobjSource.Rows()->Problems(mlngCurrentItem) : QStringList();
    // Where a merge left two translations, the other one first, to copy or to leave.
    if (gobjTextStore)
        for (const udtMergeCandidate& u : mobjStates->Candidates(*gobjTextStore, mlngCurrentItem))
            strOut.prepend(tr("A merge left another translation of %1: \"%2\" (before the merge: \"%3\"). Commit the row to "
                              "keep what its box holds.")
                               .arg(u.Id, StoreToLines(u.Other), StoreToLines(u.Base)));
    return strOut;
}

QString frmMessageEditor::LoadState()
{
    QString strReason;
    const QString strFolder = QFileInfo(mstrFileName).absolutePath();
    if (gobjTextStore) mobjStates->Load(strFolder, strReason, *gobjTextStore, mobjSource.Rows() ? &mobjSource.Rows()->Source() : nullptr);
    RefreshWork();
    // Said in the status bar, where the window's own folder goes without saying.
    return strReason.replace(strFolder + u'/', QString());
}

const clsTranslationState& frmMessageEditor::State() const { return mobjStates->State(); }

QString frmMessageEditor::Language() const
{
    return mstrFileName.isEmpty() ? QString() : LanguageCodeOfFolder(QFileInfo(mstrFileName).absolutePath());
}

void frmMessageEditor::RowStatesChanged(int32_t plngRow)
{
    if (clsWorkbenchRows* objRows = mobjSource.Rows(); objRows && gobjTextStore) {
        objRows->Update(*gobjTextStore, plngRow);
        mobjListItems->StatesChanged(plngRow, plngRow);
    }
    emit WorkChanged();
}

bool frmMessageEditor::ClearReview(int32_t plngRow)
{
    if (!gobjTextStore) return false;
    const std::vector<udtTextStateChange> udtEnded = EndedReviews(clsEditorStates::RowTextKinds(Kind()), TextStates(plngRow));
    SetTextStates(plngRow, udtEnded);
    return !udtEnded.empty();
}

// Mark as Done and Mark for Review: the marks pfnMarks gives the selected row, as one undo step.
bool frmMessageEditor::ToggleMarks(const std::function<udtDoneMarks(int32_t)>& pfnMarks, const QString& pstrMarked,
                                   const QString& pstrUnmarked)
{
    if (!HasSource() || !gobjTextStore || mlngCurrentItem < 0) return false;
    // What was typed is what is marked.
    if (Typed()) {
        Commit();
        SetItemChanged(false);
    }
    const int32_t lngRow = mlngCurrentItem;
    const udtDoneMarks udtMarks = pfnMarks(lngRow);
    if (udtMarks.Changes.empty()) return false;
    return ChangeEntries((udtMarks.Undone ? pstrUnmarked : pstrMarked).arg(EntryId(lngRow)), {lngRow}, [&] {
        SetTextStates(lngRow, udtMarks.Changes);
        RowStatesChanged(lngRow);
    });
}

bool frmMessageEditor::ToggleDone()
{
    return ToggleMarks([&](int32_t plngRow) {
        return DoneMarks(mobjSource.Rows()->Texts(*gobjTextStore, plngRow), clsEditorStates::RowTextKinds(Kind()), TextStates(plngRow));
    }, tr("Mark as Done %1"), tr("Not Done %1"));
}

bool frmMessageEditor::ToggleReview()
{
    return ToggleMarks([&](int32_t plngRow) { return ReviewMarks(mobjSource.Rows()->Texts(*gobjTextStore, plngRow), TextStates(plngRow)); },
                       tr("Mark for Review %1"), tr("Reviewed %1"));
}

QString frmMessageEditor::Note() const
{
    if (!gobjTextStore || mlngCurrentItem < 0) return QString();
    return mobjStates->Text(*gobjTextStore, mlngCurrentItem, clsEditorStates::RowTextKinds(Kind()).front()).Note;
}

void frmMessageEditor::SetNote(const QString& pstrNote)
{
    if (!gobjTextStore || mlngCurrentItem < 0 || pstrNote == Note()) return;
    const int32_t lngRow = mlngCurrentItem;
    const enuTextKind enuMain = clsEditorStates::RowTextKinds(Kind()).front();
    ChangeEntries(tr("Note on %1").arg(EntryId(lngRow)), {lngRow}, [&] {
        udtTextState udtState = mobjStates->Text(*gobjTextStore, lngRow, enuMain);
        udtState.Note = pstrNote;
        udtState.For.clear();  // written for the text as it is now
        mobjStates->SetText(*gobjTextStore, lngRow, enuMain, udtState);
    });
}

std::optional<udtTextReview> frmMessageEditor::CurrentReview() const
{
    if (!HasSource() || !gobjTextStore || mlngCurrentItem < 0) return std::nullopt;
    return FirstReview(mobjSource.Rows()->Texts(*gobjTextStore, mlngCurrentItem), TextStates(mlngCurrentItem));
}

fnTextStateOf frmMessageEditor::TextStates(int32_t plngRow) const
{
    return [this, plngRow](enuTextKind penuText) { return mobjStates->Text(*gobjTextStore, plngRow, penuText); };
}

void frmMessageEditor::SetTextStates(int32_t plngRow, const std::vector<udtTextStateChange>& pudtChanges)
{
    for (const udtTextStateChange& udtChange : pudtChanges) mobjStates->SetText(*gobjTextStore, plngRow, udtChange.Text, udtChange.State);
}

}  // namespace tralyx
