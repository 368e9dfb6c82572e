#include "windows/frmMessageEditor.h"

#include "binding/QtGeneralItems.h"
#include "binding/QtTwips.h"
#include "common/basDesktop.h"
#include "common/basFileSystem.h"
#include "common/clsCodePage.h"
#include "common/clsFileLock.h"
#include "common/clsRuntimeError.h"
#include "runtime/basMessageMarkers.h"
#include "store/basFileKind.h"
#include "editor/clsWorkbenchRows.h"
#include "store/basTextStore.h"
#include "store/clsTralyx.h"
#include "windows/basTextBox.h"
#include "windows/clsEditorFilter.h"
#include "windows/clsEditorListModel.h"
#include "windows/clsEditorListView.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QTextDocument>
#include <QTimer>

#include <limits>

namespace tralyx {

namespace {

const QString ReplacementString = QStringLiteral("\u00ACTHIS IS REPLACED BY Zarvo\u00AC");

// What each edit type shows and where its boxes go. The one-line box (txtTitle) holds the column
// TitleColumn, the several-line box (txtMessage) the column MessageColumn; -1: no such box. The rest
// of what a kind is (its file, record ids, loader and saver, list columns) is its file kind's.
struct udtEditMode {
    const char* TitleLabel;    // label of the one-line box, or of the several-line box without it
    const char* MessageLabel;  // nullptr: the several-line box is labelled by TitleLabel
    int TitleColumn;
    int MessageColumn;
    bool Preview;
};

// Indexed by the edit type, which is the file kind's value.
const udtEditMode gudtModes[] = {
    // messages
    {"Title:", "Message:", 0, 1, true},
    // procedural text
    {"Text:", nullptr, -1, 0, false},
    // control text: the caption in the several-line box, the tool-tip in the one-line box
    {"Tool-Tip:", "Caption:", 2, 1, false},
};

bool KnownEditType(int32_t plngEditType) { return plngEditType >= 0 && plngEditType < int32_t(std::size(gudtModes)); }

const udtEditMode& ModeOf(int32_t plngEditType)
{
    return KnownEditType(plngEditType) ? gudtModes[plngEditType] : gudtModes[0];
}

const udtFileKind& KindOf(int32_t plngEditType)
{
    return FileKind(KnownEditType(plngEditType) ? static_cast<enuFileKind>(plngEditType) : enuFileKind::Messages);
}

}  // namespace

frmMessageEditor::frmMessageEditor(QWidget* pobjParent)
    : QWidget(pobjParent),
      fraMessage(new QGroupBox(QStringLiteral("Message details"), this)),
      lblTitle(new QLabel(QStringLiteral("Title:"), fraMessage)),
      txtTitle(new QLineEdit(fraMessage)),
      lblMessage(new QLabel(QStringLiteral("Message:"), fraMessage)),
      txtMessage(new QPlainTextEdit(fraMessage)),
      lvwMessages(new clsEditorListView(this)),
      mobjListItems(new clsEditorListModel(this)),
      mobjFilter(new clsEditorFilter(mobjListItems, this)),
      cmdPreview(new QPushButton(QStringLiteral("&Preview"), this)),
      splMessage(new QWidget(this))
{
    setObjectName(QStringLiteral("frmMessageEditor"));
    fraMessage->setObjectName(QStringLiteral("fraMessage"));
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    txtTitle->setObjectName(QStringLiteral("txtTitle"));
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    txtMessage->setObjectName(QStringLiteral("txtMessage"));
    lvwMessages->setObjectName(QStringLiteral("lvwMessages"));
    cmdPreview->setObjectName(QStringLiteral("cmdPreview"));
    splMessage->setObjectName(QStringLiteral("splMessage"));
    splMessage->setCursor(Qt::SplitVCursor);
    splMessage->setToolTip(QStringLiteral("Drag to give the boxes more or less room"));
    splMessage->installEventFilter(this);
    setWindowTitle(QStringLiteral("Message Tralyx"));

    lblTitle->setBuddy(txtTitle);
    lblMessage->setBuddy(txtMessage);
    lblTitle->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    txtMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtMessage->setTabChangesFocus(true);
    // The default limit (32,767) would cut a longer stored text short on the next commit.
    txtTitle->setMaxLength(std::numeric_limits<int>::max());

    lvwMessages->setModel(mobjFilter);
    lvwMessages->setRootIsDecorated(false);
    lvwMessages->setItemsExpandable(false);
    lvwMessages->setUniformRowHeights(true);
    lvwMessages->setSortingEnabled(false);
    lvwMessages->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvwMessages->setSelectionMode(QAbstractItemView::SingleSelection);
    lvwMessages->setWordWrap(false);
    lvwMessages->setAlternatingRowColors(true);

    connect(txtTitle, &QLineEdit::textChanged, this, &frmMessageEditor::txtTitle_Change);
    connect(txtMessage, &QPlainTextEdit::textChanged, this, &frmMessageEditor::txtMessage_Change);
    connect(lvwMessages, &clsEditorListView::ItemClick, this, &frmMessageEditor::lvwMessages_ItemClick);
    connect(cmdPreview, &QPushButton::clicked, this, &frmMessageEditor::cmdPreview_Click);
    connect(mobjListItems, &clsEditorListModel::EntriesChanged, this, &frmMessageEditor::mobjListItems_EntriesChanged);
    const QKeyCombination objCommitKeys[] = {QKeyCombination(Qt::ControlModifier, Qt::Key_Return),
                                             QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Enter)};
    for (const QKeyCombination objKey : objCommitKeys) {
        auto* objCommitNext = new QShortcut(QKeySequence(objKey), this, this, &frmMessageEditor::CommitAndNext);
        objCommitNext->setContext(Qt::WidgetWithChildrenShortcut);
    }

    resize(TwipsToPixelsX(*this, clsEditorLayout::DesignClientWidth),
           TwipsToPixelsY(*this, clsEditorLayout::DesignClientHeight));
    ApplyLayout();
}

QSize frmMessageEditor::sizeHint() const
{
    return {TwipsToPixelsX(*this, clsEditorLayout::DesignClientWidth),
            TwipsToPixelsY(*this, clsEditorLayout::DesignClientHeight)};
}

void frmMessageEditor::EditType(int32_t penuEditType)
{
    mlngEditType = penuEditType;
    cmdPreview->setEnabled(ModeOf(penuEditType).Preview);
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

    mobjListItems->SetTable(gobjTextStore.get(), KindOf(mlngEditType).Kind);
    const std::vector<udtListColumn> udtColumns = clsEditorLayout::Columns(mlngEditType);
    for (size_t i = 0; i < udtColumns.size(); ++i)
        lvwMessages->header()->resizeSection(int(i), TwipsToPixelsX(*this, udtColumns[i].Width));

    const udtEditMode& udtMode = ModeOf(mlngEditType);
    const bool booTitleBox = udtMode.TitleColumn >= 0;
    mudtLayout = clsEditorLayout();
    if (!booTitleBox) mudtLayout.UseSingleBox();
    lblTitle->setText(QLatin1StringView(udtMode.TitleLabel));
    lblTitle->setBuddy(booTitleBox ? static_cast<QWidget*>(txtTitle) : txtMessage);
    txtTitle->setVisible(booTitleBox);
    lblMessage->setVisible(udtMode.MessageLabel != nullptr);
    if (udtMode.MessageLabel) lblMessage->setText(QLatin1StringView(udtMode.MessageLabel));
    Form_Resize();
    ApplyLayout();

    mlngCurrentItem = -1;
    LoadBoxes();
    mbooItemChanged = false;
    SetDataChanged(false);
    if (mobjWork) RefreshWork();
    // A row is always chosen: typing with none would go nowhere.
    if (mobjFilter->rowCount() > 0) SelectRow(mobjFilter->EntryOf(0));
}

void frmMessageEditor::SelectRow(int32_t plngRow)
{
    const int lngViewRow = mobjFilter->ViewRowOf(plngRow);
    if (lngViewRow >= 0) {
        const QModelIndex objRow = mobjFilter->index(lngViewRow, 0);
        lvwMessages->setCurrentIndex(objRow);  // reports the row as chosen, which loads it
        lvwMessages->scrollTo(objRow);
    }
    if (mlngCurrentItem != plngRow) ChooseEntry(plngRow);
}

void frmMessageEditor::CommitAndNext()
{
    if (mlngCurrentItem < 0) return;
    MoveToList();
    mbooItemChanged = false;
    const int lngNext = mobjFilter->ViewRowOf(mlngCurrentItem) + 1;
    if (lngNext > 0 && lngNext < mobjFilter->rowCount()) SelectRow(mobjFilter->EntryOf(lngNext));
}

void frmMessageEditor::SetDataChanged(bool pbooChanged)
{
    const bool booWas = mbooDataChanged;
    mbooDataChanged = pbooChanged;
    if (!pbooChanged) {
        mobjListItems->ClearChanged();
        if (mobjWork) mobjListItems->StatesChanged(0, mobjListItems->Count() - 1);
    }
    if (booWas != pbooChanged) emit ModifiedChanged(pbooChanged);
}

QString frmMessageEditor::EntryId(int32_t plngRow) const { return mobjListItems->EntryId(plngRow); }

void frmMessageEditor::FileName(const QString& pstrFileName)
{
    mstrFileName = pstrFileName;
    setWindowTitle(QStringLiteral("Localising ") + pstrFileName);
}

QString frmMessageEditor::CodePage() const
{
    if (!gobjTextStore) return QString::fromLatin1(clsCodePage::DefaultName);
    return (gobjTextStore.get()->*KindOf(mlngEditType).CodePage)();
}

void frmMessageEditor::txtTitle_Change()
{
    mbooItemChanged = true;
    mbooCloseAgreed = false;
}

void frmMessageEditor::txtMessage_Change()
{
    mbooItemChanged = true;
    mbooCloseAgreed = false;
}

void frmMessageEditor::ConfirmItemChange()
{
    if (!mbooItemChanged) return;
    if (MsgBox(QStringLiteral("This item has changed, do you want to save the changes?"), vbQuestion + vbYesNo,
               QStringLiteral("Data changed")) == vbYes) {
        MoveToList();
        mbooItemChanged = false;
    }
}

void frmMessageEditor::lvwMessages_ItemClick(int plngViewRow)
{
    if (!mbooRefiltering) ChooseEntry(mobjFilter->EntryOf(plngViewRow));
}

void frmMessageEditor::ChooseEntry(int32_t plngRow)
{
    ConfirmItemChange();
    mbooCloseAgreed = false;
    if (plngRow < 0 || plngRow >= mobjListItems->Count()) return;
    mlngCurrentItem = plngRow;
    LoadBoxes();
    // Loading the boxes counted as a change; it is none.
    mbooItemChanged = false;
    emit CurrentEntryChanged(EntryId(plngRow));
}

void frmMessageEditor::LoadBoxes()
{
    const udtEditMode& udtMode = ModeOf(mlngEditType);
    const auto Load = [&](QWidget* pobjBox, int plngColumn, const QString& pstrLocked) {
        const QString strStored = mlngCurrentItem >= 0 ? mobjListItems->ItemText(mlngCurrentItem, plngColumn) : QString();
        QString strWhy = pstrLocked;
        if (strWhy.isEmpty() && !BoxCanHold(strStored, BoxLines(pobjBox)))
            strWhy = QStringLiteral("This text holds a line-break mark (\u21B5 \u240D \u240A) or a paragraph mark that this box cannot show; it is kept as it is.");
        LoadTextBox(pobjBox, strStored);
        if (auto* pobjLine = qobject_cast<QLineEdit*>(pobjBox)) pobjLine->setReadOnly(!strWhy.isEmpty());
        else static_cast<QPlainTextEdit*>(pobjBox)->setReadOnly(!strWhy.isEmpty());
        pobjBox->setToolTip(strWhy);
    };
    QString strNoTitle, strNoMessage;
    // core.lrc has no line for these texts: typed there, they would be lost at the next save.
    if (mlngCurrentItem >= 0 && udtMode.TitleColumn >= 0 && !mobjListItems->Storable(mlngCurrentItem, udtMode.TitleColumn))
        strNoTitle = QStringLiteral("core.lrc keeps no tool-tip for a menu or a [cap...] entry.");
    if (mlngCurrentItem >= 0 && !mobjListItems->Storable(mlngCurrentItem, udtMode.MessageColumn))
        strNoMessage = QStringLiteral("core.lrc keeps no caption for a txt... text box.");
    if (udtMode.TitleColumn >= 0) Load(txtTitle, udtMode.TitleColumn, strNoTitle);
    Load(txtMessage, udtMode.MessageColumn, strNoMessage);
}

QString frmMessageEditor::BoxText(int plngColumn) const
{
    const udtEditMode& udtMode = ModeOf(mlngEditType);
    const QWidget* pobjBox = plngColumn == udtMode.TitleColumn ? static_cast<const QWidget*>(txtTitle) : txtMessage;
    // A read-only box keeps the row's text exactly as it stands.
    if (IsReadOnlyTextBox(pobjBox) && mlngCurrentItem >= 0) return mobjListItems->ItemText(mlngCurrentItem, plngColumn);
    return TextBoxText(pobjBox);
}

QString frmMessageEditor::TitleBoxText() const
{
    const int lngColumn = ModeOf(mlngEditType).TitleColumn;
    return lngColumn < 0 ? QString() : BoxText(lngColumn);
}

QString frmMessageEditor::MessageBoxText() const { return BoxText(ModeOf(mlngEditType).MessageColumn); }

void frmMessageEditor::MoveToList()
{
    if (mlngCurrentItem < 0 || mlngCurrentItem >= mobjListItems->Count()) return;
    mbooCloseAgreed = false;
    if (mbooItemChanged) {
        SetDataChanged(true);
        mobjListItems->MarkChanged(mlngCurrentItem);
    }
    const udtEditMode& udtMode = ModeOf(mlngEditType);
    const QString strTitle = TitleBoxText();
    const QString strMessage = MessageBoxText();
    // Both boxes always: a commit writes them whether or not they were changed.
    mobjListItems->Batch([&] {
        if (udtMode.TitleColumn >= 0) mobjListItems->setData(mobjListItems->index(mlngCurrentItem, udtMode.TitleColumn), strTitle);
        mobjListItems->setData(mobjListItems->index(mlngCurrentItem, udtMode.MessageColumn), strMessage);
    });
    WarnUnencodable(strTitle + strMessage);
}

void frmMessageEditor::mobjListItems_EntriesChanged(int32_t plngFirst, int32_t plngLast)
{
    // The states of the changed entries follow every change of their texts, however it came.
    if (mobjWork && gobjTextStore) {
        // One pass over the table is cheaper than pairing thousands of rows one at a time.
        if (plngFirst == plngLast) mobjWork->Update(*gobjTextStore, plngFirst);
        else mobjWork->ComputeAll(*gobjTextStore);
        mobjListItems->StatesChanged(plngFirst, plngLast);
    }
    emit WorkChanged();
}

void frmMessageEditor::WarnUnencodable(const QString& pstrText)
{
    // Said now, while the translator still has the row in front of them, not when a save fails.
    const clsCodePage objCodePage(CodePage());
    if (!objCodePage.IsValid()) return;
    const QString strCharacters = objCodePage.Unencodable(pstrText);
    if (strCharacters.isEmpty()) return;
    QStringList strShown;
    for (const QChar chr : strCharacters) strShown << QString(chr);
    MsgBox(QStringLiteral("The code page %1 of this file cannot write these characters: %2\r\n"
                          "They were committed, but the file cannot be saved until they are replaced.")
               .arg(objCodePage.Name(), strShown.join(u' ')),
           vbExclamation, QStringLiteral("Characters the file cannot hold"));
}

bool frmMessageEditor::SaveMe(const QString& pstrFileName)
{
    const QString strTarget = pstrFileName.isEmpty() ? mstrFileName : pstrFileName;
    ConfirmItemChange();
    if (!gobjTextStore) return false;
    const auto Failed = [&strTarget](const QString& pstrReason) {
        MsgBox(QStringLiteral("The file ") + strTarget + QStringLiteral(" could not be saved.\r\n\r\n") + pstrReason, vbCritical,
               QStringLiteral("Couldn't save ") + strTarget, pstrReason);
        return false;
    };
    if (!fs::FileNameFaithful(strTarget)) return Failed(fs::UnfaithfulNameReason());  // Save As: a name Qt could not carry
    // From the check for other programs' changes to the replace, tralyx-lrc's import and update wait.
    clsFileLock objLock;
    if (QString strLocked; !objLock.Lock(strTarget, strLocked, 2000)) return Failed(strLocked);
    if (strTarget == mstrFileName && !ConfirmOverwriteOfOtherChanges()) return false;
    if (!mudtSkippedLines.isEmpty()) {
        QStringList strLines;
        for (const udtFileIssue& udtLine : mudtSkippedLines) strLines.append(udtLine.Text());
        const int32_t lngAnswer =
            MsgBox(QStringLiteral("When %1 was opened, %2 line(s) of it could not be read and were skipped.\r\n"
                                  "Save without them?")
                       .arg(mstrFileName)
                       .arg(mudtSkippedLines.size()),
                   vbQuestion + vbYesNo + vbDefaultButton2, QStringLiteral("Skipped lines"), strLines.join(u'\n'));
        if (lngAnswer != vbYes) return false;
    }
    bool booSuccess = false;
    (gobjTextStore.get()->*KindOf(mlngEditType).Save)(strTarget, booSuccess);
    if (!booSuccess) {
        // A declined overwrite is the translator's own choice; any other failure must not pass
        // silently, or the window would look saved.
        return gobjTextStore->LastError().Declined ? false : Failed(gobjTextStore->LastError().Text());
    }
    FileName(strTarget);
    SetDataChanged(false);
    mudtSkippedLines.clear();
    return true;
}

bool frmMessageEditor::ConfirmOverwriteOfOtherChanges()
{
    // Another program (or another copy of Tralyx) may have changed the file since this window's
    // table was read or last saved; writing over it would lose that work without a word.
    const udtFileStamp& udtKnown = (gobjTextStore.get()->*KindOf(mlngEditType).Stamp)();
    const udtFileStamp udtNow = udtFileStamp::Of(mstrFileName);
    if (!udtKnown.Exists || !udtNow.Exists || udtNow == udtKnown) return true;
    return MsgBox(QStringLiteral("The file ") + mstrFileName +
                      QStringLiteral(" was changed by another program after Tralyx read it.\r\n"
                                     "Do you want to overwrite it anyway?"),
                  vbExclamation + vbYesNo + vbDefaultButton2, QStringLiteral("File changed")) == vbYes;
}

bool frmMessageEditor::QueryClose()
{
    ConfirmItemChange();
    bool booMayClose = true;
    if (mbooDataChanged) {
        const int32_t lngAnswer = MsgBox(QStringLiteral("Do you want to save your changes?"), vbQuestion + vbYesNoCancel,
                                         QStringLiteral("Save changes"));
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
    if (mlngCurrentItem < 0 || !gobjTextStore || !ModeOf(mlngEditType).Preview) return;
    const QString strTitle = TitleBoxText();
    const QString strMessage = MessageBoxText();
    try {
        if (mlngCurrentItem <= std::numeric_limits<uint8_t>::max()) {
            gobjTextStore->DisplayMessage(static_cast<uint8_t>(mlngCurrentItem), ReplacementString, vbOKOnly, strTitle,
                                          strMessage);
        } else {
            // Beyond what an identifier can address: the boxes alone, never another row's entry.
            MsgBox(GetReplacedText(strMessage, ReplacementString), vbOKOnly,
                   strTitle.isEmpty() ? QString() : GetReplacedText(strTitle, ReplacementString));
        }
    } catch (const clsRuntimeError& objError) {
        MsgBox(QStringLiteral("This message cannot be previewed: ") + QString::fromStdString(objError.what()),
               vbExclamation, QStringLiteral("Preview"));
    }
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

bool frmMessageEditor::eventFilter(QObject* pobjWatched, QEvent* pobjEvent)
{
    if (pobjWatched == splMessage && pobjEvent->type() == QEvent::MouseMove) {
        const auto* pobjMouse = static_cast<QMouseEvent*>(pobjEvent);
        if (pobjMouse->buttons() & Qt::LeftButton) {
            // The frame ends where the pointer is, less the handle's own half.
            const int lngY = splMessage->mapToParent(pobjMouse->position().toPoint()).y() - splMessage->height() / 2;
            if (mudtLayout.DragSplitter(PixelsToTwipsY(*this, lngY))) ApplyLayout();
            return true;
        }
    }
    return QWidget::eventFilter(pobjWatched, pobjEvent);
}

void frmMessageEditor::ApplyLayout()
{
    const auto Place = [this](QWidget* pobjControl, const udtTwipsBox& pudtBox) {
        pobjControl->setGeometry(TwipsRectToPixels(*this, pudtBox.Left, pudtBox.Top, pudtBox.Width, pudtBox.Height));
    };
    Place(fraMessage, mudtLayout.fraMessage);
    Place(txtTitle, mudtLayout.txtTitle);
    Place(txtMessage, mudtLayout.txtMessage);
    Place(lvwMessages, mudtLayout.lvwMessages);
    Place(cmdPreview, mudtLayout.cmdPreview);
    Place(splMessage, mudtLayout.Splitter());

    // A font wider than the design's would run the labels into the boxes: then the boxes start
    // further right, keeping their right edges.
    const int lngLabelLeft = TwipsToPixelsX(*this, mudtLayout.lblTitle.Left);
    const int lngGap = TwipsToPixelsX(*this, 60);
    int lngLabelsRight = 0;
    for (const QLabel* objLabel : {lblTitle, lblMessage})
        if (!objLabel->isHidden()) lngLabelsRight = std::max(lngLabelsRight, lngLabelLeft + objLabel->sizeHint().width());
    const int lngShift = std::max(0, lngLabelsRight + lngGap - txtMessage->x());
    for (QWidget* objBox : {static_cast<QWidget*>(txtTitle), static_cast<QWidget*>(txtMessage)})
        objBox->setGeometry(objBox->geometry().adjusted(lngShift, 0, 0, 0));

    // Each label stands left of its box with its text on the box's first line of text.
    const auto PlaceLabel = [&](QLabel* pobjLabel, const QWidget* pobjBox, int plngFirstLineTop) {
        pobjLabel->setGeometry(lngLabelLeft, pobjBox->y() + plngFirstLineTop, pobjBox->x() - lngGap - lngLabelLeft,
                               pobjLabel->sizeHint().height());
    };
    const int lngLineEditTop = std::max(0, (txtTitle->height() - fontMetrics().height() + 1) / 2);
    const int lngPlainTop = txtMessage->frameWidth() + int(txtMessage->document()->documentMargin());
    if (ModeOf(mlngEditType).TitleColumn < 0) {
        PlaceLabel(lblTitle, txtMessage, lngPlainTop);
    } else {
        PlaceLabel(lblTitle, txtTitle, lngLineEditTop);
        PlaceLabel(lblMessage, txtMessage, lngPlainTop);
    }
}

}  // namespace tralyx
