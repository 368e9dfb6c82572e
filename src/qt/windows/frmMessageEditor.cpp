#include "frmMessageEditor.h"

#include "QtGeneralItems.h"
#include "QtTwips.h"
#include "basDesktop.h"
#include "basGeneralItems.h"
#include "basMessageMarkers.h"
#include "clsCodePage.h"
#include "clsEditorListModel.h"
#include "clsEditorListView.h"
#include "clsRuntimeError.h"
#include "clsTralyx.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QTimer>

#include <limits>

namespace tralyx {

namespace {

const QString ReplacementString = QStringLiteral("\u00ACTHIS IS REPLACED BY Zarvo\u00AC");

// The store keeps CR LF line breaks, the text boxes LF. A lone CR, which the files also read as a
// line break, becomes one too (the text box would otherwise merge it with a following LF).
QString FromStore(const QString& pstrText)
{
    return QString(pstrText).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
}
QString ToStore(const QString& pstrText) { return QString(pstrText).replace(u'\n', QStringLiteral("\r\n")); }

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
      cmdPreview(new QPushButton(QStringLiteral("&Preview"), this))
{
    setObjectName(QStringLiteral("frmMessageEditor"));
    fraMessage->setObjectName(QStringLiteral("fraMessage"));
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    txtTitle->setObjectName(QStringLiteral("txtTitle"));
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    txtMessage->setObjectName(QStringLiteral("txtMessage"));
    lvwMessages->setObjectName(QStringLiteral("lvwMessages"));
    cmdPreview->setObjectName(QStringLiteral("cmdPreview"));
    setWindowTitle(QStringLiteral("Message Tralyx"));

    lblTitle->setBuddy(txtTitle);
    lblMessage->setBuddy(txtMessage);
    lblTitle->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    txtMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtMessage->setTabChangesFocus(true);
    // The default limit (32,767) would cut a longer stored text short on the next commit.
    txtTitle->setMaxLength(std::numeric_limits<int>::max());

    lvwMessages->setModel(mobjListItems);
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
    cmdPreview->setEnabled(penuEditType == EditMessages);
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

    const std::vector<udtListColumn> udtColumns = clsEditorLayout::Columns(mlngEditType);
    QStringList strHeaders;
    for (const udtListColumn& udtColumn : udtColumns) strHeaders << QString::fromLatin1(udtColumn.Header);
    mobjListItems->SetColumns(strHeaders);
    for (size_t i = 0; i < udtColumns.size(); ++i)
        lvwMessages->header()->resizeSection(int(i), TwipsToPixelsX(*this, udtColumns[i].Width));

    mudtLayout = clsEditorLayout();
    lblTitle->setText(QStringLiteral("Title:"));
    lblTitle->setBuddy(txtTitle);
    lblMessage->setText(QStringLiteral("Message:"));
    lblMessage->setVisible(true);
    txtTitle->setVisible(true);
    if (gobjTextStore) {
        mobjListItems->Fill([this](clsListItems& plvwList) {
            switch (mlngEditType) {
            case EditMessages: gobjTextStore->DisplayMessages(plvwList); break;
            case EditSecondary: gobjTextStore->DisplaySecondary(plvwList); break;
            case EditControlText: gobjTextStore->DisplayControlText(plvwList); break;
            default: break;
            }
        });
    }
    if (mlngEditType == EditSecondary) {
        lblMessage->setVisible(false);
        lblTitle->setText(QStringLiteral("Text:"));
        lblTitle->setBuddy(txtMessage);
        txtTitle->setVisible(false);
        mudtLayout.UseSingleBox();
    } else if (mlngEditType == EditControlText) {
        lblTitle->setText(QStringLiteral("Tool-Tip:"));
        lblMessage->setText(QStringLiteral("Caption:"));
    }
    Form_Resize();
    ApplyLayout();

    SetBoxes(QString(), QString());
    mlngCurrentItem = -1;
    mbooItemChanged = false;
    mbooDataChanged = false;
}

void frmMessageEditor::FileName(const QString& pstrFileName)
{
    mstrFileName = pstrFileName;
    setWindowTitle(QStringLiteral("Localising ") + pstrFileName);
}

QString frmMessageEditor::CodePage() const
{
    if (!gobjTextStore) return QString::fromLatin1(clsCodePage::DefaultName);
    switch (mlngEditType) {
    case EditSecondary: return gobjTextStore->SecondaryCodePage();
    case EditControlText: return gobjTextStore->ControlTextCodePage();
    default: return gobjTextStore->MessagesCodePage();
    }
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

void frmMessageEditor::lvwMessages_ItemClick(int plngRow)
{
    ConfirmItemChange();
    mbooCloseAgreed = false;
    if (plngRow < 0 || plngRow >= mobjListItems->Count()) return;
    mlngCurrentItem = plngRow;
    switch (mlngEditType) {
    case EditMessages: SetBoxes(mobjListItems->ItemText(plngRow, 0), mobjListItems->ItemText(plngRow, 1)); break;
    case EditSecondary: SetBoxes(QString(), mobjListItems->ItemText(plngRow, 0)); break;
    case EditControlText: SetBoxes(mobjListItems->ItemText(plngRow, 2), mobjListItems->ItemText(plngRow, 1)); break;
    default: break;
    }
    // Loading the boxes counted as a change; it is none.
    mbooItemChanged = false;
}

void frmMessageEditor::SetBoxes(const QString& pstrTitle, const QString& pstrMessage)
{
    if (mlngEditType != EditSecondary) txtTitle->setText(FromStore(pstrTitle));
    txtMessage->setPlainText(FromStore(pstrMessage));
}

QString frmMessageEditor::TitleBoxText() const { return ToStore(txtTitle->text()); }

QString frmMessageEditor::MessageBoxText() const
{
    // The raw text keeps non-breaking spaces, which toPlainText() would turn into plain ones.
    QString strText = txtMessage->document()->toRawText();
    strText.replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n');
    return ToStore(strText);
}

void frmMessageEditor::MoveToList()
{
    if (mlngCurrentItem < 0 || mlngCurrentItem >= mobjListItems->Count()) return;
    mbooCloseAgreed = false;
    if (mbooItemChanged) mbooDataChanged = true;
    const auto intIndex = static_cast<int16_t>(mlngCurrentItem);
    const QString strTitle = TitleBoxText();
    const QString strMessage = MessageBoxText();
    switch (mlngEditType) {
    case EditMessages:
        mobjListItems->SetItemText(mlngCurrentItem, 0, strTitle);
        mobjListItems->SetItemText(mlngCurrentItem, 1, strMessage);
        if (gobjTextStore) gobjTextStore->SetMessageText(intIndex, strTitle, strMessage);
        WarnUnencodable(strTitle + strMessage);
        break;
    case EditSecondary:
        mobjListItems->SetItemText(mlngCurrentItem, 0, strMessage);
        if (gobjTextStore) gobjTextStore->SetSecondary(intIndex, strMessage);
        WarnUnencodable(strMessage);
        break;
    case EditControlText:
        mobjListItems->SetItemText(mlngCurrentItem, 2, strTitle);
        mobjListItems->SetItemText(mlngCurrentItem, 1, strMessage);
        if (gobjTextStore) gobjTextStore->SetControlTextItem(intIndex, strMessage, strTitle);
        WarnUnencodable(strMessage + strTitle);
        break;
    default: break;
    }
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
    switch (mlngEditType) {
    case EditMessages: gobjTextStore->SaveMessageText(strTarget, booSuccess); break;
    case EditSecondary: gobjTextStore->SaveSecondaryText(strTarget, booSuccess); break;
    case EditControlText: gobjTextStore->SaveControlText(strTarget, booSuccess); break;
    default: break;
    }
    if (!booSuccess) {
        // A declined overwrite is the translator's own choice; any other failure must not pass
        // silently, or the window would look saved.
        if (!gobjTextStore->LastError().Declined)
            MsgBox(QStringLiteral("The file ") + strTarget + QStringLiteral(" could not be saved."), vbCritical,
                   QStringLiteral("Couldn't save ") + strTarget, gobjTextStore->LastError().Text());
        return false;
    }
    FileName(strTarget);
    mbooDataChanged = false;
    mudtSkippedLines.clear();
    return true;
}

bool frmMessageEditor::ConfirmOverwriteOfOtherChanges()
{
    // Another program (or another copy of Tralyx) may have changed the file since this window's
    // table was read or last saved; writing over it would lose that work without a word.
    const udtFileStamp& udtKnown = mlngEditType == EditMessages    ? gobjTextStore->MessagesStamp()
                                   : mlngEditType == EditSecondary ? gobjTextStore->SecondaryStamp()
                                                                   : gobjTextStore->ControlTextStamp();
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
    if (mlngCurrentItem < 0 || !gobjTextStore || mlngEditType != EditMessages) return;
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
    if (mlngEditType == EditSecondary) {
        PlaceLabel(lblTitle, txtMessage, lngPlainTop);
    } else {
        PlaceLabel(lblTitle, txtTitle, lngLineEditTop);
        PlaceLabel(lblMessage, txtMessage, lngPlainTop);
    }
}

}  // namespace tralyx
