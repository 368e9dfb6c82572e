#include "windows/editor/frmMessageEditor.h"

#include "binding/QtGeneralItems.h"
#include "binding/QtTwips.h"
#include "checks/basChecks.h"
#include "common/basDesktop.h"
#include "common/basShortened.h"
#include "common/clsCodePage.h"
#include "store/basTextStore.h"
#include "windows/documents/basEditorFiles.h"
#include "windows/editor/basMessagePreview.h"
#include "windows/editor/clsEditorStates.h"
#include "windows/editor/clsEntryBoxes.h"
#include "windows/list/clsEditorFilter.h"
#include "windows/list/clsEditorListModel.h"
#include "windows/list/clsEditorListView.h"
#include "windows/list/clsEditorUndo.h"

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
    // Sorted: the row being edited stays in sight.
    connect(lvwMessages->header(), &QHeaderView::sortIndicatorChanged, this, &frmMessageEditor::ShowCurrentRow);
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
    // Alt+1 .. Alt+9 type a term of the glossary (not Ctrl+Alt: on Windows that is AltGr, which
    // types "{", "[" and "]" on German keyboards).
    for (int i = 1; i <= MaxRowTerms; ++i) {
        auto* objTerm = new QShortcut(QKeySequence(Qt::ALT | Qt::Key(Qt::Key_0 + i)), this, this, [this, i] { UseTerm(i); });
        objTerm->setContext(Qt::WidgetWithChildrenShortcut);
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
    // The next piece of work, not merely the next row: a row needing work right after is not
    // skipped. Without a source nothing is known to need work: the next row.
    if (HasSource()) {
        // Accepting a text left as its source says it is so on purpose, as Mark as Done does: the
        // row no longer needs work, and the review goes on past it.
        if (RowState(mlngCurrentItem) & RowSameAsSource) ToggleDone();
        if (GoToNeedsWork(1)) return FocusWork();
        LetGoOfRow();
        FocusWork();
        emit FileFinished();  // one key goes on through the language, as F8 does
        return;
    }
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
    if (!mbooLoadingBoxes) emit BoxesTyped();
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
    for (int intColumn = 0; intColumn < mobjListItems->TableColumns(); ++intColumn) {
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

void frmMessageEditor::CommitPendingBoxes()
{
    if (!mbooItemChanged) return;
    CommitBoxes();
    SetItemChanged(false);
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
    // A commit is also the choice between what a merge left for the row.
    if (mobjStates->ResolveCandidates(*gobjTextStore, lngRow)) booReviewed = true;
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

bool frmMessageEditor::SaveMe(const QString& pstrFileName, bool pbooAsk)
{
    const QString strTarget = pstrFileName.isEmpty() ? mstrFileName : pstrFileName;
    // The translator may have turned the question off for the file being edited (Save As asks).
    const bool booAsk = pbooAsk && QSettings().value(QLatin1StringView(AskOverwriteKey), true).toBool();
    if (!ConfirmItemChange() || !gobjTextStore) return false;
    // The texts and their state under the folder's lock; the texts are saved whatever becomes of
    // their state.
    bool booTextsSaved = false;
    QString strReason;
    const bool booStateSaved = mobjStates->Save(
        QFileInfo(strTarget).absolutePath(), *gobjTextStore, mobjSource.Rows() ? &mobjSource.Rows()->Source() : nullptr,
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

}  // namespace tralyx
