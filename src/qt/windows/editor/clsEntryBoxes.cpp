#include "windows/editor/clsEntryBoxes.h"

#include "binding/QtTwips.h"
#include "common/basStoreText.h"
#include "editor/clsTextFind.h"
#include "spelling/basMisspeltWords.h"
#include "spelling/clsSpeller.h"
#include "windows/editor/basTextBox.h"
#include "windows/list/clsEditorListModel.h"
#include "windows/spelling/clsLineSpelling.h"
#include "windows/spelling/clsSpellHighlighter.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <functional>
#include <limits>

namespace tralyx {
namespace {

// What each kind's boxes edit. The one-line box holds the column Upper, the several-line box the
// column Lower; -1: no one-line box, and the several-line box is labelled by UpperLabel. The labels
// are English, translated in the context of the boxes.
struct udtBoxesOfKind {
    const char* UpperLabel;
    const char* LowerLabel;
    int Upper;
    int Lower;
};

const udtBoxesOfKind& BoxesOf(enuFileKind penuKind)
{
    static const udtBoxesOfKind Messages{QT_TRANSLATE_NOOP("tralyx::clsEntryBoxes", "Title:"),
                                         QT_TRANSLATE_NOOP("tralyx::clsEntryBoxes", "Message:"), 0, 1};
    static const udtBoxesOfKind Secondary{QT_TRANSLATE_NOOP("tralyx::clsEntryBoxes", "Text:"), nullptr, -1, 0};
    // The caption in the several-line box, the tool-tip in the one-line box.
    static const udtBoxesOfKind ControlText{QT_TRANSLATE_NOOP("tralyx::clsEntryBoxes", "Tool-Tip:"),
                                            QT_TRANSLATE_NOOP("tralyx::clsEntryBoxes", "Caption:"), 2, 1};
    switch (penuKind) {
    case enuFileKind::ControlText: return ControlText;
    case enuFileKind::Secondary: return Secondary;
    case enuFileKind::Messages: break;
    }
    return Messages;
}

}  // namespace

clsEntryBoxes::clsEntryBoxes(QWidget* pobjParent)
    : QGroupBox(tr("Message details"), pobjParent),
      lblTitle(new QLabel(tr("Title:"), this)),
      txtTitle(new QLineEdit(this)),
      lblMessage(new QLabel(tr("Message:"), this)),
      txtMessage(new QPlainTextEdit(this)),
      mobjSpelling(new clsSpellHighlighter(txtMessage->document())),
      mobjLineSpelling(new clsLineSpelling(txtTitle))
{
    setObjectName(QStringLiteral("fraMessage"));
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    txtTitle->setObjectName(QStringLiteral("txtTitle"));
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    txtMessage->setObjectName(QStringLiteral("txtMessage"));
    lblTitle->setBuddy(txtTitle);
    lblMessage->setBuddy(txtMessage);
    lblTitle->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    txtMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtMessage->setTabChangesFocus(true);
    // The default limit (32,767) would cut a longer stored text short on the next commit.
    txtTitle->setMaxLength(std::numeric_limits<int>::max());
    connect(txtTitle, &QLineEdit::textChanged, this, &clsEntryBoxes::Changed);
    connect(txtMessage, &QPlainTextEdit::textChanged, this, &clsEntryBoxes::Changed);
    // Spelling suggestions head the boxes' own context menus.
    txtTitle->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(txtTitle, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) { ShowContextMenu(txtTitle, p); });
    txtMessage->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(txtMessage, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) { ShowContextMenu(txtMessage, p); });
    // The workbench's keys (Mark as Done, a suggestion, the source) win over the boxes' own.
    txtTitle->installEventFilter(this);
    txtMessage->installEventFilter(this);
}

bool clsEntryBoxes::eventFilter(QObject* pobjWatched, QEvent* pobjEvent)
{
    if (pobjEvent->type() == QEvent::ShortcutOverride) {
        const auto* objKey = static_cast<QKeyEvent*>(pobjEvent);
        const bool booCtrl = (objKey->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier;
        const int intKey = objKey->key();
        if (booCtrl && (intKey == Qt::Key_U || intKey == Qt::Key_B || (intKey >= Qt::Key_1 && intKey <= Qt::Key_5))) {
            pobjEvent->ignore();
            return true;
        }
    }
    return QGroupBox::eventFilter(pobjWatched, pobjEvent);
}

void clsEntryBoxes::SetSpeller(std::shared_ptr<clsSpeller> pobjSpeller)
{
    // The marks are no change of the text.
    const QSignalBlocker objQuiet(txtMessage);
    mobjLineSpelling->SetSpeller(pobjSpeller);
    mobjSpelling->SetSpeller(std::move(pobjSpeller));
}

void clsEntryBoxes::ShowContextMenu(QWidget* pobjBox, const QPoint& pobjAt)
{
    // The word under the mouse, in the text of its line, and how to replace it as typing would.
    std::unique_ptr<QMenu> objMenu;
    QString strLine;
    qsizetype lngColumn = 0;
    std::function<void(qsizetype, qsizetype, const QString&)> fnReplace;
    if (pobjBox == txtTitle) {
        objMenu.reset(txtTitle->createStandardContextMenu());
        strLine = txtTitle->text();
        lngColumn = txtTitle->cursorPositionAt(pobjAt);
        fnReplace = [this](qsizetype plngStart, qsizetype plngLength, const QString& pstrBy) {
            txtTitle->setSelection(int(plngStart), int(plngLength));
            txtTitle->insert(pstrBy);
        };
    } else {
        objMenu.reset(txtMessage->createStandardContextMenu(pobjAt));
        const QTextCursor objAt = txtMessage->cursorForPosition(pobjAt);
        strLine = objAt.block().text();
        lngColumn = objAt.positionInBlock();
        fnReplace = [this, objAt](qsizetype plngStart, qsizetype plngLength, const QString& pstrBy) {
            QTextCursor objWord(objAt.block());
            objWord.setPosition(objAt.block().position() + int(plngStart));
            objWord.setPosition(objAt.block().position() + int(plngStart + plngLength), QTextCursor::KeepAnchor);
            objWord.insertText(pstrBy);
        };
    }
    clsSpeller* objSpeller = mobjSpelling->Speller();
    if (!IsReadOnlyTextBox(pobjBox)) {
        for (const udtSpellingWord& udtWord : MisspeltWords(objSpeller, strLine)) {
            if (lngColumn < udtWord.Start || lngColumn > udtWord.Start + udtWord.Length) continue;
            QAction* objFirst = objMenu->actions().value(0);
            const QStringList strSuggested = objSpeller->Suggest(udtWord.Word).mid(0, 8);
            for (const QString& strBy : strSuggested) {
                auto* objItem = new QAction(strBy, objMenu.get());
                connect(objItem, &QAction::triggered, this, [fnReplace, udtWord, strBy] { fnReplace(udtWord.Start, udtWord.Length, strBy); });
                objMenu->insertAction(objFirst, objItem);
            }
            if (strSuggested.isEmpty()) {
                auto* objNone = new QAction(tr("(No suggestions)"), objMenu.get());
                objNone->setEnabled(false);
                objMenu->insertAction(objFirst, objNone);
            }
            auto* objAdd = new QAction(tr("Add \u201C%1\u201D to Dictionary").arg(udtWord.Word), objMenu.get());
            objAdd->setObjectName(QStringLiteral("mnuAddToDictionary"));
            connect(objAdd, &QAction::triggered, this, [this, objSpeller, strWord = udtWord.Word] {
                objSpeller->AddToPersonal(strWord);
                const QSignalBlocker objQuiet(txtMessage);
                mobjSpelling->rehighlight();
                mobjLineSpelling->Mark();
            });
            objMenu->insertAction(objFirst, objAdd);
            objMenu->insertSeparator(objFirst);
            break;
        }
    }
    objMenu->exec(pobjBox == txtTitle ? txtTitle->mapToGlobal(pobjAt) : txtMessage->viewport()->mapToGlobal(pobjAt));
}

void clsEntryBoxes::SetKind(enuFileKind penuKind)
{
    const udtBoxesOfKind& udtBoxes = BoxesOf(penuKind);
    mintUpper = udtBoxes.Upper;
    mintLower = udtBoxes.Lower;
    lblTitle->setText(tr(udtBoxes.UpperLabel));
    lblTitle->setBuddy(mintUpper >= 0 ? static_cast<QWidget*>(txtTitle) : txtMessage);
    txtTitle->setVisible(mintUpper >= 0);
    lblMessage->setVisible(udtBoxes.LowerLabel != nullptr);
    if (udtBoxes.LowerLabel) lblMessage->setText(tr(udtBoxes.LowerLabel));
}

QWidget* clsEntryBoxes::Box(int pintColumn) const
{
    if (pintColumn < 0) return nullptr;
    if (pintColumn == mintUpper) return txtTitle;
    return pintColumn == mintLower ? txtMessage : nullptr;
}

void clsEntryBoxes::Load(const clsEditorListModel& pobjRows, int32_t plngEntry)
{
    mobjRows = &pobjRows;
    mlngEntry = plngEntry;
    for (const int intColumn : {mintUpper, mintLower}) {
        QWidget* pobjBox = Box(intColumn);
        if (!pobjBox) continue;
        const QString strStored = plngEntry >= 0 ? pobjRows.ItemText(plngEntry, intColumn) : QString();
        QString strWhy;
        // core.lrc has no line for these texts: typed there, they would be lost at the next save.
        if (plngEntry >= 0 && !pobjRows.Storable(plngEntry, intColumn))
            strWhy = intColumn == 1 ? tr("core.lrc keeps no caption for a txt... text box.")
                                    : tr("core.lrc keeps no tool-tip for a menu or a [cap...] entry.");
        else if (!BoxCanHold(strStored, BoxLines(pobjBox)))
            strWhy = tr("This text holds a line-break mark (\u21B5 \u240D \u240A) or a paragraph mark that this box cannot show; "
                        "it is kept as it is.");
        LoadTextBox(pobjBox, strStored);
        if (pobjBox == txtTitle) txtTitle->setReadOnly(!strWhy.isEmpty());
        else txtMessage->setReadOnly(!strWhy.isEmpty());
        pobjBox->setToolTip(strWhy);
    }
}

void clsEntryBoxes::SetEmpty(const QString& pstrWhy)
{
    txtTitle->clear();
    txtMessage->clear();
    txtTitle->setReadOnly(true);
    txtMessage->setReadOnly(true);
    txtTitle->setToolTip(pstrWhy);
    txtMessage->setToolTip(pstrWhy);
}

QString clsEntryBoxes::Text(int pintColumn) const
{
    const QWidget* pobjBox = Box(pintColumn);
    if (!pobjBox) return QString();
    // A read-only box keeps the entry's text exactly as it stands.
    if (IsReadOnlyTextBox(pobjBox) && mobjRows && mlngEntry >= 0) return mobjRows->ItemText(mlngEntry, pintColumn);
    return TextBoxText(pobjBox);
}

bool clsEntryBoxes::Replace(const clsTextFind& pobjFind, const QString& pstrBy)
{
    bool booReplaced = false;
    for (const int intColumn : {mintUpper, mintLower}) {
        QWidget* pobjBox = Box(intColumn);
        const QString strText = Text(intColumn);
        if (!pobjBox || IsReadOnlyTextBox(pobjBox) || !pobjFind.Matches(strText)) continue;
        SetTextBoxText(pobjBox, pobjFind.Replaced(strText, pstrBy));
        booReplaced = true;
    }
    return booReplaced;
}

bool clsEntryBoxes::SelectMatch(const clsTextFind& pobjFind)
{
    qsizetype lngLength = 0;
    if (const qsizetype lngAt = txtTitle->isVisible() ? pobjFind.IndexIn(txtTitle->text(), &lngLength) : -1; lngAt >= 0) {
        txtTitle->setSelection(int(lngAt), int(lngLength));
        return true;
    }
    const qsizetype lngAt = pobjFind.IndexIn(txtMessage->toPlainText(), &lngLength);
    if (lngAt < 0) return false;
    QTextCursor objCursor = txtMessage->textCursor();
    objCursor.setPosition(int(lngAt));
    objCursor.setPosition(int(lngAt + lngLength), QTextCursor::KeepAnchor);
    txtMessage->setTextCursor(objCursor);
    return true;
}

void clsEntryBoxes::Place(const clsEditorLayout& pudtLayout)
{
    const auto Place = [&](QWidget* pobjBox, const udtTwipsBox& pudtBox) {
        pobjBox->setGeometry(TwipsRectToPixels(*this, pudtBox.Left, pudtBox.Top, pudtBox.Width, pudtBox.Height));
    };
    Place(txtTitle, pudtLayout.txtTitle);
    Place(txtMessage, pudtLayout.txtMessage);

    // A font wider than the design's would run the labels into the boxes: then the boxes start
    // further right, keeping their right edges.
    const int lngLabelLeft = TwipsToPixelsX(*this, pudtLayout.lblTitle.Left);
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
    if (mintUpper < 0) {
        PlaceLabel(lblTitle, txtMessage, lngPlainTop);
    } else {
        PlaceLabel(lblTitle, txtTitle, lngLineEditTop);
        PlaceLabel(lblMessage, txtMessage, lngPlainTop);
    }
}

}  // namespace tralyx
