#include "windows/frmMessageEditor.h"

#include "binding/QtGeneralItems.h"
#include "binding/QtTwips.h"
#include "checks/basChecks.h"
#include "common/basDesktop.h"
#include "common/basShortened.h"
#include "common/clsCodePage.h"
#include "editor/clsTextFind.h"
#include "exchange/basLanguageFolder.h"
#include "memory/basMemoryFill.h"
#include "store/basTextStore.h"
#include "windows/basEditorFiles.h"
#include "windows/basEntryFind.h"
#include "windows/basMessagePreview.h"
#include "windows/basTextBox.h"
#include "windows/clsEditorFilter.h"
#include "windows/clsEditorListModel.h"
#include "windows/clsEditorListView.h"
#include "windows/clsEditorStates.h"
#include "windows/clsEditorUndo.h"
#include "windows/clsEntryBoxes.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSettings>
#include <QShortcut>
#include <QSplitter>
#include <QTimer>
#include <QUndoStack>

namespace tralyx {
namespace {

// Any other edit type is a messages window.
enuFileKind KindOf(int32_t plngEditType)
{
    return plngEditType == frmMessageEditor::EditSecondary     ? enuFileKind::Secondary
           : plngEditType == frmMessageEditor::EditControlText ? enuFileKind::ControlText
                                                               : enuFileKind::Messages;
}

// A review over (committed, or marked done) forgets the source it was about.
void EndReview(udtTextState& pudtState)
{
    pudtState.Review = false;
    pudtState.PreviousSource.clear();
    pudtState.MovedFrom.clear();
}

}  // namespace

frmMessageEditor::frmMessageEditor(QWidget* pobjParent)
    : QWidget(pobjParent),
      splMessage(new QSplitter(Qt::Vertical, this)),
      fraMessage(new clsEntryBoxes(splMessage)),
      lvwMessages(new clsEditorListView(splMessage)),
      mobjListItems(new clsEditorListModel(this)),
      mobjFilter(new clsEditorFilter(mobjListItems, this)),
      mobjUndo(new clsEditorUndo(*mobjListItems, this)),
      cmdPreview(new QPushButton(tr("&Preview"), this))
{
    setObjectName(QStringLiteral("frmMessageEditor"));
    lvwMessages->setObjectName(QStringLiteral("lvwMessages"));
    cmdPreview->setObjectName(QStringLiteral("cmdPreview"));
    splMessage->setObjectName(QStringLiteral("splMessage"));
    setWindowTitle(tr("Message Tralyx"));

    splMessage->addWidget(fraMessage);
    splMessage->addWidget(lvwMessages);
    splMessage->setChildrenCollapsible(false);
    splMessage->setHandleWidth(TwipsToPixelsY(*this, clsEditorLayout::SplitterHeight));
    splMessage->handle(1)->setToolTip(tr("Drag to give the boxes more or less room"));

    lvwMessages->setModel(mobjFilter);

    connect(fraMessage, &clsEntryBoxes::Changed, this, &frmMessageEditor::fraMessage_Change);
    connect(lvwMessages, &clsEditorListView::ItemClick, this, &frmMessageEditor::lvwMessages_ItemClick);
    connect(mobjListItems, &clsEditorListModel::EntriesChanged, this, &frmMessageEditor::mobjListItems_EntriesChanged);
    connect(splMessage, &QSplitter::splitterMoved, this, &frmMessageEditor::splMessage_SplitterMoved);
    connect(cmdPreview, &QPushButton::clicked, this, &frmMessageEditor::cmdPreview_Click);
    connect(mobjUndo, &clsEditorUndo::Stepped, this, &frmMessageEditor::mobjUndo_Stepped);
    connect(mobjUndo->Stack(), &QUndoStack::indexChanged, this, &frmMessageEditor::UndoChanged);
    const QKeyCombination objCommitKeys[] = {QKeyCombination(Qt::ControlModifier, Qt::Key_Return),
                                             QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Enter)};
    for (const QKeyCombination objKey : objCommitKeys) {
        auto* objCommitNext = new QShortcut(QKeySequence(objKey), this, this, &frmMessageEditor::CommitAndNext);
        objCommitNext->setContext(Qt::WidgetWithChildrenShortcut);
    }
    // Ctrl+1 .. Ctrl+5 take a suggestion of the memory, Ctrl+B the source's texts.
    for (int i = 1; i <= clsTranslationMemory::MaxSuggestions; ++i) {
        auto* objTake = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_0 + i)), this, this, [this, i] { UseSuggestion(i); });
        objTake->setContext(Qt::WidgetWithChildrenShortcut);
    }
    auto* objCopySource = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_B), this, this, &frmMessageEditor::CopySource);
    objCopySource->setContext(Qt::WidgetWithChildrenShortcut);

    mobjStates = std::make_unique<clsEditorStates>();
    mobjStates->OnChanged([this](int32_t plngRow) { RowStatesChanged(plngRow); });
    mobjUndo->SetStates(mobjStates.get());

    resize(TwipsToPixelsX(*this, clsEditorLayout::DesignClientWidth),
           TwipsToPixelsY(*this, clsEditorLayout::DesignClientHeight));
    ApplyLayout();
}

frmMessageEditor::~frmMessageEditor()
{
    // The stack is a child, destroyed after this part of the window: its last indexChanged must not
    // reach a window that is no longer one.
    mobjUndo->Stack()->disconnect(this);
}

QSize frmMessageEditor::sizeHint() const
{
    return {TwipsToPixelsX(*this, clsEditorLayout::DesignClientWidth),
            TwipsToPixelsY(*this, clsEditorLayout::DesignClientHeight)};
}

enuFileKind frmMessageEditor::Kind() const { return KindOf(mlngEditType); }

void frmMessageEditor::EditType(int32_t penuEditType)
{
    mlngEditType = penuEditType;
    cmdPreview->setEnabled(Kind() == enuFileKind::Messages);
    Form_Load();
}

void frmMessageEditor::showEvent(QShowEvent* pobjEvent)
{
    // Shown before its edit type was set: build as the default (messages) window.
    if (!mbooLoaded) Form_Load();
    QWidget::showEvent(pobjEvent);
}

void frmMessageEditor::Form_Load()
{
    mbooLoaded = true;
    SetFullRowSelect(*lvwMessages);
    mobjListItems->SetTable(gobjTextStore.get(), Kind());
    mobjStates->SetKind(Kind());
    const std::vector<udtListColumn> udtColumns = clsEditorLayout::Columns(static_cast<int32_t>(Kind()));
    for (size_t i = 0; i < udtColumns.size(); ++i)
        lvwMessages->header()->resizeSection(int(i), TwipsToPixelsX(*this, udtColumns[i].Width));
    fraMessage->SetKind(Kind());
    mudtLayout = clsEditorLayout();
    if (fraMessage->UpperColumn() < 0) mudtLayout.UseSingleBox();
    Form_Resize();
    ApplyLayout();

    mlngCurrentItem = -1;
    mobjFilter->Pin(-1);
    LoadBoxes();
    SetItemChanged(false);
    mobjUndo->Stack()->clear();
    SetDataChanged(false);
    if (HasSource()) RefreshWork();
    // A row is always chosen: typing with none would go nowhere.
    if (mobjFilter->rowCount() > 0) SelectRow(mobjFilter->EntryOf(0));
}

void frmMessageEditor::SelectRow(int32_t plngRow)
{
    if (mlngCurrentItem == plngRow || ChooseEntry(plngRow)) ShowCurrentRow();
}

void frmMessageEditor::ShowCurrentRow()
{
    const int lngViewRow = mobjFilter->ViewRowOf(mlngCurrentItem);
    if (lngViewRow < 0) return;
    const QModelIndex objRow = mobjFilter->index(lngViewRow, 0);
    {
        const QScopedValueRollback objByItself(mbooRefiltering, true);
        lvwMessages->setCurrentIndex(objRow);
    }
    lvwMessages->scrollTo(objRow);
}

void frmMessageEditor::CommitAndNext()
{
    if (mlngCurrentItem < 0) return;
    CommitBoxes();
    SetItemChanged(false);
    const int lngNext = mobjFilter->ViewRowOf(mlngCurrentItem) + 1;
    if (lngNext > 0 && lngNext < mobjFilter->rowCount()) SelectRow(mobjFilter->EntryOf(lngNext));
    else LetGoOfRow();
}

void frmMessageEditor::LetGoOfRow()
{
    if (mobjFilter->Pinned() >= 0) Refiltered([this] { mobjFilter->Unpin(); });
}

void frmMessageEditor::SetItemChanged(bool pbooChanged)
{
    if (std::exchange(mbooItemChanged, pbooChanged) != pbooChanged) emit UndoChanged();
}

void frmMessageEditor::SetDataChanged(bool pbooChanged)
{
    const bool booWas = mbooDataChanged;
    mbooDataChanged = pbooChanged;
    if (!pbooChanged) {
        mobjListItems->ClearChanged();
        if (HasSource()) mobjListItems->StatesChanged(0, mobjListItems->Count() - 1);
    }
    if (booWas != pbooChanged) emit ModifiedChanged(pbooChanged);
}

QString frmMessageEditor::EntryId(int32_t plngRow) const { return mobjListItems->EntryId(plngRow); }

void frmMessageEditor::FileName(const QString& pstrFileName)
{
    mstrFileName = pstrFileName;
    setWindowTitle(tr("Localising %1").arg(pstrFileName));
}

QString frmMessageEditor::CodePage() const
{
    if (!gobjTextStore) return QString::fromLatin1(clsCodePage::DefaultName);
    return (gobjTextStore.get()->*FileKind(Kind()).CodePage)();
}

void frmMessageEditor::fraMessage_Change()
{
    SetItemChanged(true);
    // Typed into: the row stays listed, whatever the filter says, until the user leaves it.
    if (!mbooLoadingBoxes && mlngCurrentItem >= 0) mobjFilter->Pin(mlngCurrentItem);
    mbooCloseAgreed = false;
}

bool frmMessageEditor::ConfirmItemChange()
{
    if (!mbooItemChanged) return true;
    // With several windows open the question says which file and entry it is about.
    const int32_t lngAnswer = MsgBox(tr("This item has changed, do you want to save the changes?\r\n\r\n%1").arg(ItemName()),
                                     vbQuestion + vbYesNoCancel, tr("Data changed"));
    if (lngAnswer == vbCancel) return false;
    if (lngAnswer == vbYes) {
        CommitBoxes();
        SetItemChanged(false);
    }
    return true;
}

QString frmMessageEditor::ItemName() const
{
    QString strName = mstrFileName;
    if (mlngCurrentItem < 0) return strName;
    strName += QStringLiteral(", ") + EntryId(mlngCurrentItem);
    // The entry's first text as stored: a message's title, else its first line; a caption.
    for (int intColumn = 0; intColumn < mobjListItems->columnCount(); ++intColumn) {
        if (Kind() == enuFileKind::ControlText && intColumn == 0) continue;  // the object path: the id
        const QString strText = mobjListItems->ItemText(mlngCurrentItem, intColumn);
        if (!strText.trimmed().isEmpty()) return strName + QStringLiteral(" \u201C") + Shortened(strText.trimmed()) + u'\u201D';
    }
    return strName;
}

void frmMessageEditor::lvwMessages_ItemClick(int plngViewRow)
{
    if (!mbooRefiltering) ChooseEntry(mobjFilter->EntryOf(plngViewRow));
}

bool frmMessageEditor::ChooseEntry(int32_t plngRow)
{
    // Cancel: the user stays on the row, and so does the list.
    if (!ConfirmItemChange()) {
        ShowCurrentRow();
        return false;
    }
    mbooCloseAgreed = false;
    if (plngRow < 0 || plngRow >= mobjListItems->Count()) return false;
    mlngCurrentItem = plngRow;
    LoadBoxes();
    // Loading the boxes counted as a change; it is none.
    SetItemChanged(false);
    // The row being edited was left: the filter now applies to it.
    if (mobjFilter->Pinned() == plngRow) mobjFilter->Pin(-1);
    else LetGoOfRow();
    emit CurrentEntryChanged(EntryId(plngRow));
    return true;
}

void frmMessageEditor::LoadBoxes()
{
    const QScopedValueRollback objLoading(mbooLoadingBoxes, true);
    fraMessage->Load(*mobjListItems, mlngCurrentItem);
}

void frmMessageEditor::MoveToList()
{
    CommitBoxes();
    // Committed: the row is no longer being edited, and the filter applies to it.
    LetGoOfRow();
}

void frmMessageEditor::CommitBoxes()
{
    if (mlngCurrentItem < 0 || mlngCurrentItem >= mobjListItems->Count()) return;
    Commit();
    WarnUnencodable(CodePage(), fraMessage->Text(fraMessage->UpperColumn()) + fraMessage->Text(fraMessage->LowerColumn()));
}

void frmMessageEditor::Commit()
{
    if (mlngCurrentItem < 0 || mlngCurrentItem >= mobjListItems->Count()) return;
    mbooCloseAgreed = false;
    const int intColumns[] = {fraMessage->UpperColumn(), fraMessage->LowerColumn()};
    QString strTexts[2];
    for (int i = 0; i < 2; ++i) strTexts[i] = fraMessage->Text(intColumns[i]);
    // Both boxes always: a commit writes them whether or not they were changed. The table counts
    // as changed only when that changed the entry, so that "Modified" follows the undo history.
    // A commit is the translator's word on the row: its review is over.
    bool booReviewed = false;
    const int32_t lngRow = mlngCurrentItem;
    ChangeEntries(tr("Commit %1").arg(EntryId(lngRow)), {lngRow}, [&] {
        mobjListItems->Batch([&] {
            booReviewed = ClearReview(lngRow);
            for (int i = 0; i < 2; ++i)
                if (intColumns[i] >= 0) mobjListItems->setData(mobjListItems->index(lngRow, intColumns[i]), strTexts[i]);
        });
    });
    if (booReviewed) RowStatesChanged(lngRow);
}

void frmMessageEditor::mobjListItems_EntriesChanged(int32_t plngFirst, int32_t plngLast)
{
    // The states of the changed entries follow every change of their texts, however it came.
    if (clsWorkbenchRows* objRows = mobjSource.Rows(); objRows && gobjTextStore) {
        // One pass over the table is cheaper than pairing thousands of rows one at a time.
        if (plngFirst == plngLast) objRows->Update(*gobjTextStore, plngFirst);
        else objRows->ComputeAll(*gobjTextStore);
        mobjListItems->StatesChanged(plngFirst, plngLast);
    }
    emit WorkChanged();
}

bool frmMessageEditor::SaveMe(const QString& pstrFileName)
{
    const QString strTarget = pstrFileName.isEmpty() ? mstrFileName : pstrFileName;
    // The translator may have turned the question off for the file being edited (Save As asks).
    const bool booAsk = QSettings().value(QLatin1StringView(AskOverwriteKey), true).toBool();
    if (!ConfirmItemChange() || !gobjTextStore) return false;
    // The texts and their state under the folder's lock; the texts are saved whatever becomes of
    // their state.
    bool booTextsSaved = false;
    QString strReason;
    const bool booStateSaved = mobjStates->Save(
        QFileInfo(strTarget).absolutePath(), *gobjTextStore,
        [&] { return SaveTable(*gobjTextStore, Kind(), strTarget, mstrFileName, mudtSkippedLines, mbooUnwritableAgreed, booAsk); },
        booTextsSaved, strReason);
    if (!booTextsSaved) return strReason.isEmpty() ? false : SayNotSaved(strTarget, strReason);
    if (!booStateSaved)
        MsgBox(tr("The texts were saved, but not their translation state (review, done, notes):\r\n%1").arg(strReason),
               vbExclamation, tr("Translation state"));
    RefreshWork();
    FileName(strTarget);
    mobjUndo->Stack()->setClean();
    SetDataChanged(false);
    mudtSkippedLines.clear();
    return true;
}

bool frmMessageEditor::QueryClose()
{
    emit Closing();
    bool booMayClose = ConfirmItemChange();
    if (booMayClose && mbooDataChanged) {
        const int32_t lngAnswer = MsgBox(tr("Do you want to save your changes?\r\n\r\n%1").arg(mstrFileName),
                                         vbQuestion + vbYesNoCancel, tr("Save changes"));
        if (lngAnswer == vbCancel) booMayClose = false;
        else if (lngAnswer == vbYes) booMayClose = SaveMe();
    }
    mbooCloseAgreed = booMayClose;
    if (booMayClose) QTimer::singleShot(0, this, [this] { mbooCloseAgreed = false; });
    return booMayClose;
}

void frmMessageEditor::closeEvent(QCloseEvent* pobjEvent)
{
    if (mbooCloseAgreed || QueryClose()) pobjEvent->accept();
    else pobjEvent->ignore();
}

void frmMessageEditor::cmdPreview_Click()
{
    if (!gobjTextStore || Kind() != enuFileKind::Messages) return;
    std::optional<QStringList> strSourceMarkers;
    if (HasSource()) {
        strSourceMarkers.emplace();
        for (const auto& [strLabel, strText] : SourceBoxes()) *strSourceMarkers += MarkerNames(strText);
    }
    PreviewMessage(*gobjTextStore, mlngCurrentItem, fraMessage->Text(fraMessage->UpperColumn()),
                   fraMessage->Text(fraMessage->LowerColumn()), strSourceMarkers);
}

void frmMessageEditor::resizeEvent(QResizeEvent* pobjEvent)
{
    QWidget::resizeEvent(pobjEvent);
    Form_Resize();
}

void frmMessageEditor::Form_Resize()
{
    // Too small for the rule (minimised, or narrower than the boxes' margins): keep the last layout.
    if (mudtLayout.Resize(PixelsToTwipsX(*this, width()) + clsEditorLayout::BorderWidth,
                          PixelsToTwipsY(*this, height()) + clsEditorLayout::BorderHeight))
        ApplyLayout();
}

void frmMessageEditor::splMessage_SplitterMoved(int plngPosition)
{
    // The frame now ends at the handle; the layout keeps that share (within its limits) through
    // later resizes, and the boxes grow or shrink with the frame.
    mudtLayout.DragSplitter(mudtLayout.fraMessage.Top + PixelsToTwipsY(*this, plngPosition));
    ApplyLayout();
}

void frmMessageEditor::ApplyLayout()
{
    const udtTwipsBox& udtFrame = mudtLayout.fraMessage;
    const udtTwipsBox& udtList = mudtLayout.lvwMessages;
    splMessage->setGeometry(TwipsRectToPixels(*this, udtFrame.Left, udtFrame.Top, udtFrame.Width,
                                              udtList.Top + udtList.Height - udtFrame.Top));
    splMessage->setSizes({TwipsToPixelsY(*this, udtFrame.Height), TwipsToPixelsY(*this, udtList.Height)});
    fraMessage->Place(mudtLayout);
    const udtTwipsBox& udtPreview = mudtLayout.cmdPreview;
    cmdPreview->setGeometry(TwipsRectToPixels(*this, udtPreview.Left, udtPreview.Top, udtPreview.Width, udtPreview.Height));
}

// ---- The source beside the translation ---------------------------------------------------------

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
    return HasSource() ? mobjSource.Rows()->Problems(mlngCurrentItem) : QStringList();
}

// ---- Moving through the listed rows: F8, the filter, find and replace --------------------------

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
    return StepTo(plngStep < 0 ? -1 : 1, [this](int32_t plngEntry) { return NeedsWork(plngEntry); });
}

bool frmMessageEditor::GoToFirstNeedingWork()
{
    return HasSource() && StepTo(1, [this](int32_t plngEntry) { return NeedsWork(plngEntry); }, -1);
}

bool frmMessageEditor::WantedAfter(int32_t plngEntry, const std::function<bool(int32_t)>& pfnWanted) const
{
    const int32_t lngNext = mobjFilter->NextEntry(plngEntry, 1, pfnWanted);
    return lngNext >= 0 && mobjFilter->ViewRowOf(lngNext) > mobjFilter->ViewRowOf(plngEntry);
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


// ---- Undo ----------------------------------------------------------------------------------------

QUndoStack* frmMessageEditor::UndoStack() const { return mobjUndo->Stack(); }

bool frmMessageEditor::Typed() const
{
    if (!mbooItemChanged || mlngCurrentItem < 0) return false;
    for (const int intColumn : {fraMessage->UpperColumn(), fraMessage->LowerColumn()})
        if (mobjListItems->Storable(mlngCurrentItem, intColumn) &&
            fraMessage->Text(intColumn) != mobjListItems->ItemText(mlngCurrentItem, intColumn))
            return true;
    return false;
}

bool frmMessageEditor::CanUndo() const { return mobjUndo->Stack()->canUndo() || Typed(); }

QString frmMessageEditor::UndoText() const
{
    return Typed() ? tr("Typing in %1").arg(EntryId(mlngCurrentItem)) : mobjUndo->Stack()->undoText();
}

void frmMessageEditor::SetEntryStates(clsEntryStates* pobjStates) { mobjUndo->SetStates(pobjStates); }

bool frmMessageEditor::ChangeEntries(const QString& pstrText, const std::vector<int32_t>& plngEntries,
                                     const std::function<void()>& pfnChange)
{
    if (!mobjUndo->Change(pstrText, plngEntries, pfnChange)) return false;
    SetDataChanged(true);
    return true;
}

void frmMessageEditor::Undo()
{
    // The typing becomes a step of its own, so that Redo can bring it back.
    if (Typed()) {
        Commit();
        SetItemChanged(false);
    }
    mobjUndo->Undo();
}

void frmMessageEditor::Redo() { mobjUndo->Redo(); }

void frmMessageEditor::mobjUndo_Stepped(const std::vector<int32_t>& plngEntries)
{
    mbooCloseAgreed = false;
    SetDataChanged(!mobjUndo->Stack()->isClean());
    // The boxes show the entry as it now stands.
    if (std::find(plngEntries.begin(), plngEntries.end(), mlngCurrentItem) != plngEntries.end()) {
        LoadBoxes();
        SetItemChanged(false);
    }
}

// ---- The translation state -----------------------------------------------------------------------

QString frmMessageEditor::LoadState()
{
    QString strReason;
    const QString strFolder = QFileInfo(mstrFileName).absolutePath();
    mobjStates->Load(strFolder, strReason);
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
    bool booCleared = false;
    for (const enuTextKind enuText : clsEditorStates::RowTextKinds(Kind())) {
        udtTextState udtState = mobjStates->Text(*gobjTextStore, plngRow, enuText);
        if (!udtState.Review) continue;
        EndReview(udtState);
        mobjStates->SetText(*gobjTextStore, plngRow, enuText, udtState);
        booCleared = true;
    }
    return booCleared;
}

bool frmMessageEditor::ToggleDone()
{
    if (!HasSource() || !gobjTextStore || mlngCurrentItem < 0) return false;
    // What was typed is what is marked.
    if (Typed()) {
        Commit();
        SetItemChanged(false);
    }
    const int32_t lngRow = mlngCurrentItem;
    std::vector<enuTextKind> enuSame;
    bool booAnyDone = false;
    for (const udtEntryText& udtText : mobjSource.Rows()->Texts(*gobjTextStore, lngRow)) {
        if (!udtText.Source.isEmpty() && udtText.Translation == udtText.Source) enuSame.push_back(udtText.Kind);
        booAnyDone = booAnyDone || mobjStates->Text(*gobjTextStore, lngRow, udtText.Kind).Done;
    }
    if (!booAnyDone && enuSame.empty()) return false;
    return ChangeEntries((booAnyDone ? tr("Not Done %1") : tr("Mark as Done %1")).arg(EntryId(lngRow)), {lngRow}, [&] {
        for (const enuTextKind enuText : clsEditorStates::RowTextKinds(Kind())) {
            udtTextState udtState = mobjStates->Text(*gobjTextStore, lngRow, enuText);
            const bool booDone = !booAnyDone && std::find(enuSame.begin(), enuSame.end(), enuText) != enuSame.end();
            if (udtState.Done == booDone) continue;
            udtState.Done = booDone;
            if (booDone) EndReview(udtState);
            mobjStates->SetText(*gobjTextStore, lngRow, enuText, udtState);
        }
        RowStatesChanged(lngRow);
    });
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
        mobjStates->SetText(*gobjTextStore, lngRow, enuMain, udtState);
    });
}

std::optional<frmMessageEditor::udtReview> frmMessageEditor::CurrentReview() const
{
    if (!HasSource() || !gobjTextStore || mlngCurrentItem < 0) return std::nullopt;
    for (const udtEntryText& udtText : mobjSource.Rows()->Texts(*gobjTextStore, mlngCurrentItem)) {
        const udtTextState udtState = mobjStates->Text(*gobjTextStore, mlngCurrentItem, udtText.Kind);
        if (udtState.Review) return udtReview{udtState.PreviousSource, udtText.Source, udtState.MovedFrom};
    }
    return std::nullopt;
}

// ---- Translation memory -------------------------------------------------------------------------

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
    SetTextBoxText(objBox, udtFound[plngNumber - 1].Memory.Translation);
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

int32_t frmMessageEditor::FillFromMemory()
{
    if (!mobjMemory || !HasSource() || !gobjTextStore) return 0;
    if (!ConfirmItemChange()) return 0;
    struct udtFill {
        int32_t Row;
        enuTextKind Text;
        QString Source, Translation;
    };
    std::vector<udtFill> udtFills;
    std::vector<int32_t> lngRows;
    for (int32_t r = 0; r < mobjListItems->Count(); ++r)
        for (const udtEntryText& u : mobjSource.Rows()->Texts(*gobjTextStore, r)) {
            if (!WantsFill(u, mobjStates->Text(*gobjTextStore, r, u.Kind))) continue;
            const std::optional<udtSuggestion> udtBest = mobjMemory->BestExact(u.Source);
            if (!udtBest || udtBest->Translation == u.Source) continue;
            udtFills.push_back({r, u.Kind, u.Source, udtBest->Translation});
            if (lngRows.empty() || lngRows.back() != r) lngRows.push_back(r);
        }
    if (udtFills.empty()) return 0;
    ChangeEntries(tr("Fill from Memory"), lngRows, [&] {
        mobjListItems->Batch([&] {
            for (const udtFill& f : udtFills) {
                // Marked before the text goes in: the row's state is computed once, with both.
                udtTextState udtState = mobjStates->Text(*gobjTextStore, f.Row, f.Text);
                udtState.Review = true;
                udtState.Done = false;
                udtState.PreviousSource = f.Source;
                mobjStates->SetText(*gobjTextStore, f.Row, f.Text, udtState);
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
