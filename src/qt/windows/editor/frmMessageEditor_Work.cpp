// frmMessageEditor: the work on the file beside its texts. The source-language table it is measured
// against, with its columns in the list, and the translation state: reviews, Mark as Done, notes.
#include "windows/editor/frmMessageEditor.h"

#include "binding/QtTwips.h"
#include "common/basStoreText.h"
#include "exchange/basLanguageFolder.h"
#include "store/basTextStore.h"
#include "windows/editor/clsEditorStates.h"
#include "windows/list/clsEditorFilter.h"
#include "windows/list/clsEditorListModel.h"
#include "windows/list/clsEditorListView.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QSettings>

namespace tralyx {
namespace {

// The column of the text a row is about (the message, the caption), which the English is for.
int MainColumn(enuFileKind penuKind) { return clsEditorStates::ColumnOf(clsEditorStates::RowTextKinds(penuKind).front()); }

}  // namespace

QString frmMessageEditor::LoadSource(const QString& pstrFolder)
{
    mobjSource.Load(pstrFolder, mstrFileName, Kind(), CodePage());
    LoadLayout(mobjSource.Rows() ? mobjSource.Folder() : QString());
    RefreshWork();
    return mobjSource.Note();
}

void frmMessageEditor::SetSource(std::unique_ptr<clsTralyx> pobjSource)
{
    mobjSource.Set(Kind(), std::move(pobjSource));
    LoadLayout(QString());
    RefreshWork();
}

void frmMessageEditor::RefreshWork()
{
    mbooSuggested = false;
    if (mobjSource.Rows()) mobjSource.Rows()->SetRules(&mobjStates->State(), Language());
    if (mobjSource.Rows()) mobjSource.Rows()->SetGlossary(mobjGlossary.get());
    if (mobjSource.Rows()) mobjSource.Rows()->SetFits(mobjFits.get(), mobjFits ? &Measurer() : nullptr);
    if (mobjSource.Rows() && gobjTextStore) mobjSource.Rows()->ComputeAll(*gobjTextStore);
    mobjListItems->SetWork(mobjSource.Rows());
    PlaceSourceColumns();
    if (mobjFilter->IsActive()) Refiltered([this] { mobjFilter->Refilter(); });
    emit WorkChanged();
}

bool frmMessageEditor::SourceColumnWanted() { return QSettings().value(QLatin1StringView(SourceColumnKey), true).toBool(); }

void frmMessageEditor::PlaceSourceColumns()
{
    QHeaderView* objHeader = lvwMessages->header();
    const int intState = mobjListItems->StateColumn(), intSource = mobjListItems->SourceColumn();
    if (intState < 0 || objHeader->visualIndex(intState) == 0) return;
    // Each row's mark stays where it has always been, first; the English comes beside the first
    // column and shares the main text's width with it, so the list is no wider than before.
    objHeader->moveSection(objHeader->visualIndex(intState), 0);
    objHeader->moveSection(objHeader->visualIndex(intSource), 2);
    const QString strState = mobjListItems->headerData(intState, Qt::Horizontal).toString();
    objHeader->resizeSection(intState, objHeader->fontMetrics().horizontalAdvance(strState) + 2 * objHeader->fontMetrics().height());
    const int intMain = MainColumn(Kind());
    const int32_t lngHalf = TwipsToPixelsX(*this, clsEditorLayout::Columns(static_cast<int32_t>(Kind()))[size_t(intMain)].Width) / 2;
    objHeader->resizeSection(intMain, lngHalf);
    objHeader->resizeSection(intSource, lngHalf);
    ShowSourceColumn(SourceColumnWanted());
    ShowCurrentRow();  // selected again, across the new columns too
}

void frmMessageEditor::ShowSourceColumn(bool pbooShown)
{
    const int intSource = mobjListItems->SourceColumn();
    QHeaderView* objHeader = lvwMessages->header();
    if (intSource < 0 || objHeader->isSectionHidden(intSource) != pbooShown) return;
    // The English takes its room from the main text's column and gives it back (the header keeps
    // a hidden column's width).
    const int intMain = MainColumn(Kind());
    if (!pbooShown) objHeader->resizeSection(intMain, objHeader->sectionSize(intMain) + objHeader->sectionSize(intSource));
    objHeader->setSectionHidden(intSource, !pbooShown);
    if (pbooShown)
        objHeader->resizeSection(intMain, std::max(objHeader->sectionSize(intMain) - objHeader->sectionSize(intSource),
                                                   objHeader->minimumSectionSize()));
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
