#include "windows/memory/frmConcordance.h"

#include "common/basApplication.h"
#include "common/basDesktop.h"
#include "common/basStoreText.h"
#include "memory/basMatchText.h"
#include "windows/editor/frmMessageEditor.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTextDocument>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>

namespace tralyx {
namespace {

constexpr int HtmlRole = Qt::UserRole + 1;  // the text with what was found marked, as rich text

const QString LineBreakMark = QStringLiteral(" \u21B5 ");

// A text of the list on one line, each line break a visible mark.
QString OneLine(const QString& pstrStored)
{
    return StoreToLines(pstrStored).replace(u'\n', LineBreakMark);
}

// The end of a unit's file path that tells one from another: a language file with its folder and
// that folder's (Release1/German/core.lrc), any other file with its folder.
QString ShortOrigin(const QString& pstrOrigin)
{
    const QStringList strParts = QDir::fromNativeSeparators(pstrOrigin).split(u'/', Qt::SkipEmptyParts);
    const qsizetype lngKept = pstrOrigin.endsWith(QLatin1StringView(".lrc"), Qt::CaseInsensitive) ? 3 : 2;
    return strParts.mid(std::max<qsizetype>(0, strParts.size() - lngKept)).join(u'/');
}

// A stored text on one line, what the search found highlighted.
QString MarkedHtml(const QString& pstrStored, const QString& pstrFolded)
{
    QString strHtml;
    qsizetype lngAt = 0;
    const auto Plain = [&](qsizetype plngTo) {
        strHtml += pstrStored.mid(lngAt, plngTo - lngAt).toHtmlEscaped();
        lngAt = plngTo;
    };
    for (const auto& [lngStart, lngLength] : ConcordanceRanges(pstrStored, pstrFolded)) {
        Plain(lngStart);
        strHtml += QStringLiteral("<span style='background-color:#ffe57a; color:#000000'>");
        Plain(lngStart + lngLength);
        strHtml += QStringLiteral("</span>");
    }
    Plain(pstrStored.size());
    return strHtml.replace(QStringLiteral("\r\n"), LineBreakMark).replace(u'\r', LineBreakMark);
}

// Paints a cell's HtmlRole text where there is one, on one line.
class clsMarkedTextDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* pobjPainter, const QStyleOptionViewItem& pobjOption, const QModelIndex& pobjIndex) const override
    {
        const QString strHtml = pobjIndex.data(HtmlRole).toString();
        if (strHtml.isEmpty()) return QStyledItemDelegate::paint(pobjPainter, pobjOption, pobjIndex);
        QStyleOptionViewItem objOption = pobjOption;
        initStyleOption(&objOption, pobjIndex);
        objOption.text.clear();
        QStyle* objStyle = objOption.widget ? objOption.widget->style() : QApplication::style();
        objStyle->drawControl(QStyle::CE_ItemViewItem, &objOption, pobjPainter, objOption.widget);
        QTextDocument objDocument;
        objDocument.setDocumentMargin(0);
        objDocument.setDefaultFont(objOption.font);
        QTextOption objText;
        objText.setWrapMode(QTextOption::NoWrap);
        objDocument.setDefaultTextOption(objText);
        objDocument.setHtml(strHtml);
        const QRect objRect = objStyle->subElementRect(QStyle::SE_ItemViewItemText, &objOption, objOption.widget);
        QAbstractTextDocumentLayout::PaintContext objContext;
        objContext.palette.setColor(QPalette::Text, objOption.palette.color(
            objOption.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
        pobjPainter->save();
        pobjPainter->setClipRect(objRect.adjusted(0, 0, -6, 0));  // a gap before the next column
        pobjPainter->translate(objRect.left(), objRect.top() + (objRect.height() - objDocument.size().height()) / 2);
        objDocument.documentLayout()->draw(pobjPainter, objContext);
        pobjPainter->restore();
    }
};

}  // namespace

frmConcordance::frmConcordance(std::function<frmMessageEditor*()> pfnEditor, QWidget* pobjParent)
    : QDialog(pobjParent), mfnEditor(std::move(pfnEditor)), txtFind(new QLineEdit(this)), cboSide(new QComboBox(this)),
      lblCount(new QLabel(this)), lvwHits(new QTreeWidget(this)), tmrTyping(new QTimer(this))
{
    setObjectName(QStringLiteral("frmConcordance"));
    setWindowTitle(tr("Concordance Search"));
    txtFind->setObjectName(QStringLiteral("txtConcordance"));
    txtFind->setClearButtonEnabled(true);
    cboSide->setObjectName(QStringLiteral("cboConcordanceSide"));
    // In the order of enuConcordanceSide.
    cboSide->addItems({tr("Source and translation"), tr("Source"), tr("Translation")});
    lblCount->setObjectName(QStringLiteral("lblConcordanceCount"));
    lvwHits->setObjectName(QStringLiteral("lvwConcordance"));
    lvwHits->setHeaderLabels({tr("Source"), tr("Translation"), tr("From")});
    lvwHits->setRootIsDecorated(false);
    lvwHits->setUniformRowHeights(true);
    lvwHits->setAlternatingRowColors(true);
    lvwHits->setItemDelegate(new clsMarkedTextDelegate(lvwHits));
    lvwHits->header()->setStretchLastSection(true);
    lvwHits->setTextElideMode(Qt::ElideMiddle);  // a file's folder at the start, its entry at the end

    auto* lblFind = new QLabel(tr("Fi&nd:"), this);
    lblFind->setBuddy(txtFind);
    auto* lblSide = new QLabel(tr("&Look in:"), this);
    lblSide->setBuddy(cboSide);
    auto* objButtons = new QDialogButtonBox(this);
    const auto Button = [&](const char* pstrName, const QString& pstrCaption, void (frmConcordance::*pfnClick)()) {
        QPushButton* cmdButton = objButtons->addButton(pstrCaption, QDialogButtonBox::ActionRole);
        cmdButton->setObjectName(QLatin1StringView(pstrName));
        cmdButton->setAutoDefault(false);
        connect(cmdButton, &QPushButton::clicked, this, pfnClick);
        return cmdButton;
    };
    Button("cmdConcordanceInsert", tr("&Insert Translation"), &frmConcordance::cmdInsert_Click)
        ->setToolTip(tr("Into the translation box at its cursor, as typing (Return or a double click does the same)"));
    Button("cmdConcordanceCopy", tr("C&opy Translation"), &frmConcordance::cmdCopy_Click);
    // No default button: Return searches in the box and inserts in the list.
    objButtons->addButton(QDialogButtonBox::Close)->setAutoDefault(false);
    connect(objButtons, &QDialogButtonBox::rejected, this, &QDialog::hide);

    auto* objGrid = new QGridLayout(this);
    objGrid->addWidget(lblFind, 0, 0);
    objGrid->addWidget(txtFind, 0, 1);
    objGrid->addWidget(lblSide, 0, 2);
    objGrid->addWidget(cboSide, 0, 3);
    objGrid->addWidget(lvwHits, 1, 0, 1, 4);
    objGrid->addWidget(lblCount, 2, 0, 1, 4);
    objGrid->addWidget(objButtons, 3, 0, 1, 4);
    objGrid->setColumnStretch(1, 1);

    tmrTyping->setSingleShot(true);
    tmrTyping->setInterval(250);
    connect(tmrTyping, &QTimer::timeout, this, &frmConcordance::Search);
    connect(txtFind, &QLineEdit::textEdited, tmrTyping, qOverload<>(&QTimer::start));
    connect(txtFind, &QLineEdit::returnPressed, this, &frmConcordance::Search);
    txtFind->installEventFilter(this);
    connect(cboSide, &QComboBox::currentIndexChanged, this, &frmConcordance::Search);
    connect(lvwHits, &QTreeWidget::itemActivated, this, &frmConcordance::cmdInsert_Click);
    // Ctrl+C in the list copies the translation; the main window's Copy is for its boxes.
    auto* mnuCopy = new QAction(lvwHits);
    mnuCopy->setShortcut(QKeySequence::Copy);
    mnuCopy->setShortcutContext(Qt::WidgetShortcut);
    connect(mnuCopy, &QAction::triggered, this, &frmConcordance::cmdCopy_Click);
    lvwHits->addAction(mnuCopy);
    resize(1100, 460);
    lvwHits->setColumnWidth(0, 390);
    lvwHits->setColumnWidth(1, 390);
}

bool frmConcordance::eventFilter(QObject* pobjWatched, QEvent* pobjEvent)
{
    // Down from the box goes to the results, as in a search field with a list below it.
    if (pobjWatched == txtFind && pobjEvent->type() == QEvent::KeyPress && lvwHits->topLevelItemCount() > 0) {
        const int intKey = static_cast<QKeyEvent*>(pobjEvent)->key();
        if (intKey == Qt::Key_Down || intKey == Qt::Key_PageDown) {
            lvwHits->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return QDialog::eventFilter(pobjWatched, pobjEvent);
}

void frmConcordance::Open(const QString& pstrText)
{
    show();
    raise();
    activateWindow();
    if (!pstrText.isEmpty()) txtFind->setText(pstrText);
    txtFind->selectAll();
    txtFind->setFocus();
    Search();
}

void frmConcordance::Search()
{
    tmrTyping->stop();
    lvwHits->clear();
    mudtHits.clear();
    const frmMessageEditor* frmEditor = mfnEditor();
    const clsTranslationMemory* objMemory = frmEditor ? frmEditor->Memory() : nullptr;
    if (!objMemory) {
        lblCount->setText(tr("The concordance searches the memory of a window whose file has its source folder (File > Source Folder...)."));
        return;
    }
    const QString strFolded = ConcordanceText(txtFind->text()).trimmed();
    if (strFolded.isEmpty()) {
        lblCount->setText(tr("A word or a phrase, found in any case."));
        return;
    }
    udtConcordance udtFound = objMemory->Concordance(txtFind->text(), static_cast<enuConcordanceSide>(cboSide->currentIndex()));
    mudtHits = std::move(udtFound.Hits);
    const QLocale objLocale = App::TextLocale();
    lblCount->setText(udtFound.Total == 0  ? tr("No unit of the memory holds it.")
                      : udtFound.Total == 1 ? tr("1 unit of the memory holds it.")
                      : udtFound.Total > int32_t(mudtHits.size())
                          ? tr("%1 units of the memory hold it; the first %2 are listed.")
                                .arg(objLocale.toString(udtFound.Total), objLocale.toString(qsizetype(mudtHits.size())))
                          : tr("%1 units of the memory hold it.").arg(objLocale.toString(udtFound.Total)));
    QList<QTreeWidgetItem*> objItems;
    for (const udtConcordanceHit& u : mudtHits) {
        auto* objItem = new QTreeWidgetItem;
        const QString strEntry = u.Entry.isEmpty() ? QString() : QStringLiteral(" \u00B7 ") + u.Entry;
        const QString strTexts[] = {OneLine(u.Source), OneLine(u.Translation), ShortOrigin(u.Origin) + strEntry};
        for (int c = 0; c < 3; ++c) objItem->setText(c, strTexts[c]);
        objItem->setToolTip(0, StoreToLines(u.Source));
        objItem->setToolTip(1, StoreToLines(u.Translation));
        objItem->setToolTip(2, QDir::toNativeSeparators(u.Origin) + strEntry);
        objItem->setData(0, HtmlRole, MarkedHtml(u.Source, strFolded));
        objItem->setData(1, HtmlRole, MarkedHtml(u.Translation, strFolded));
        objItems.append(objItem);
    }
    lvwHits->addTopLevelItems(objItems);
    if (!objItems.isEmpty()) lvwHits->setCurrentItem(objItems.front());
}

const udtConcordanceHit* frmConcordance::SelectedHit() const
{
    const int lngRow = lvwHits->currentItem() ? lvwHits->indexOfTopLevelItem(lvwHits->currentItem()) : -1;
    return lngRow >= 0 && lngRow < int(mudtHits.size()) ? &mudtHits[size_t(lngRow)] : nullptr;
}

void frmConcordance::cmdInsert_Click()
{
    const udtConcordanceHit* pudtHit = SelectedHit();
    frmMessageEditor* frmEditor = mfnEditor();
    if (!pudtHit || !frmEditor) return;
    if (!frmEditor->InsertTranslation(pudtHit->Translation)) {
        MsgBox(tr("Choose a row of the file to translate first."), vbInformation, tr("Concordance Search"));
        return;
    }
    frmEditor->window()->activateWindow();  // typing goes on in the box
}

void frmConcordance::cmdCopy_Click()
{
    if (const udtConcordanceHit* pudtHit = SelectedHit()) Desktop().SetClipboardText(StoreToLines(pudtHit->Translation));
}

}  // namespace tralyx
