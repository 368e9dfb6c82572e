#include "windows/workbench/clsSourceDock.h"

#include "common/basDesktop.h"
#include "common/basStoreText.h"
#include "editor/basTextDifference.h"
#include "windows/editor/clsEditorSource.h"
#include "windows/editor/frmMessageEditor.h"

#include <QContextMenuEvent>
#include <algorithm>
#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>

namespace tralyx {

clsSourceDock::clsSourceDock(QMainWindow* pobjParent) : QDockWidget(tr("Source"), pobjParent)
{
    setObjectName(QStringLiteral("dckSource"));
    auto* pobjBody = new QWidget(this);
    auto* pobjGrid = new QGridLayout(pobjBody);
    for (int i = 0; i < 2; ++i) {
        mlblText[i] = new QLabel(pobjBody);
        mlblText[i]->setObjectName(QStringLiteral("lblSource%1").arg(i + 1));
        mlblText[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        mtxtText[i] = new QPlainTextEdit(pobjBody);
        mtxtText[i]->setObjectName(QStringLiteral("txtSource%1").arg(i + 1));
        mtxtText[i]->setReadOnly(true);  // a marker or a term can still be selected and copied
        mtxtText[i]->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        mtxtText[i]->installEventFilter(this);  // Ctrl+C and the context menu copy the selection
        mlblText[i]->setBuddy(mtxtText[i]);
        pobjGrid->addWidget(mlblText[i], i, 0);
        pobjGrid->addWidget(mtxtText[i], i, 1);
    }
    mlblProblems = new QLabel(pobjBody);
    mlblProblems->setObjectName(QStringLiteral("lblProblems"));
    mlblProblems->setWordWrap(true);
    mlblProblems->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Under the problems, how the caption fits its control as it is typed (core.lrc with a layout).
    mlblFit = new QLabel(pobjBody);
    mlblFit->setObjectName(QStringLiteral("lblFit"));
    mlblFit->setWordWrap(true);
    mlblFit->hide();
    auto* pobjProblems = new QVBoxLayout;
    pobjProblems->setContentsMargins(0, 0, 0, 0);
    pobjProblems->addWidget(mlblProblems);
    pobjProblems->addWidget(mlblFit);
    pobjGrid->addLayout(pobjProblems, 2, 0, 1, 2);
    pobjGrid->setColumnStretch(1, 1);
    // The labels' column as wide as the widest a file kind can show: a dock that widened when a
    // core file came in front pushed the tiled files under it.
    int lngLabels = 0;
    const QStringList strLabels = clsEditorSource::BoxLabels() << tr("N&ote:");
    for (const QString& strLabel : strLabels)
        lngLabels = std::max(lngLabels, mlblText[0]->fontMetrics().horizontalAdvance(QString(strLabel).remove(u'&')));
    pobjGrid->setColumnMinimumWidth(0, lngLabels + mlblText[0]->margin() * 2 + 2);
    mtxtText[1]->setMaximumHeight(mtxtText[1]->fontMetrics().height() * 10);

    mlblReview = new QLabel(pobjBody);
    mlblReview->setObjectName(QStringLiteral("lblReview"));
    mlblReview->setWordWrap(true);
    mlblReview->setTextFormat(Qt::RichText);
    mlblReview->setTextInteractionFlags(Qt::TextSelectableByMouse);
    pobjGrid->addWidget(mlblReview, 3, 0, 1, 2);
    mlblNote = new QLabel(tr("N&ote:"), pobjBody);
    mlblNote->setObjectName(QStringLiteral("lblNote"));
    mlblNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    mtxtNote = new QPlainTextEdit(pobjBody);
    mtxtNote->setObjectName(QStringLiteral("txtNote"));
    mtxtNote->setToolTip(tr("Your note on this row, kept in translation-state.json with the file"));
    mtxtNote->setTabChangesFocus(true);
    mtxtNote->setMaximumHeight(mtxtNote->fontMetrics().height() * 4);
    mtxtNote->installEventFilter(this);
    mlblNote->setBuddy(mtxtNote);
    pobjGrid->addWidget(mlblNote, 4, 0);
    pobjGrid->addWidget(mtxtNote, 4, 1);
    mlblSuggestions = new QLabel(tr("Suggestions:"), pobjBody);
    mlblSuggestions->setObjectName(QStringLiteral("lblSuggestions"));
    mtxtSuggestions = new QTextBrowser(pobjBody);
    mtxtSuggestions->setObjectName(QStringLiteral("txtSuggestions"));
    mtxtSuggestions->setToolTip(tr("Ctrl+1 to Ctrl+5 put a suggestion into the box, Ctrl+B the source"));
    // A suggestion's key is also a link: a click takes it as Ctrl+1 .. Ctrl+5 does.
    mtxtSuggestions->setOpenLinks(false);
    connect(mtxtSuggestions, &QTextBrowser::anchorClicked, this, [this](const QUrl& pobjLink) {
        if (mfrmSuggestionsOf && pobjLink.scheme() == QLatin1StringView("take"))
            mfrmSuggestionsOf->UseSuggestion(pobjLink.path().toInt());
    });
    pobjGrid->addWidget(mlblSuggestions, 5, 0, 1, 2);
    pobjGrid->addWidget(mtxtSuggestions, 6, 0, 1, 2);
    mlblTerms = new QLabel(tr("Glossary:"), pobjBody);
    mlblTerms->setObjectName(QStringLiteral("lblTerms"));
    mtxtTerms = new QTextBrowser(pobjBody);
    mtxtTerms->setObjectName(QStringLiteral("txtTerms"));
    mtxtTerms->setToolTip(tr("Alt+1 to Alt+9 type a term's translation at the cursor"));
    mtxtTerms->setMaximumHeight(mtxtTerms->fontMetrics().height() * 8);
    mtxtTerms->setOpenLinks(false);
    connect(mtxtTerms, &QTextBrowser::anchorClicked, this, [this](const QUrl& pobjLink) {
        if (mfrmSuggestionsOf && pobjLink.scheme() == QLatin1StringView("term")) mfrmSuggestionsOf->UseTerm(pobjLink.path().toInt());
    });
    pobjGrid->addWidget(mlblTerms, 7, 0, 1, 2);
    pobjGrid->addWidget(mtxtTerms, 8, 0, 1, 2);
    pobjGrid->setRowStretch(3, 0);
    pobjGrid->setRowStretch(6, 1);
    setWidget(pobjBody);
    ShowRow({}, {});
}

void clsSourceDock::ShowRow(const QList<QPair<QString, QString>>& pudtTexts, const QStringList& pstrProblems,
                            const QString& pstrNote)
{
    for (int i = 0; i < 2; ++i) {
        const bool booShown = i < pudtTexts.size();
        mlblText[i]->setVisible(booShown);
        mtxtText[i]->setVisible(booShown);
        mlblText[i]->setText(booShown ? pudtTexts[i].first : QString());
        // The same text again keeps the user's selection (the dock is refreshed as work changes).
        if (const QString strText = booShown ? StoreToLines(pudtTexts[i].second) : QString(); strText != mtxtText[i]->toPlainText())
            mtxtText[i]->setPlainText(strText);
    }
    // A single text (procedural text) is the tall box.
    mtxtText[0]->setMaximumHeight(mtxtText[0]->fontMetrics().height() * (pudtTexts.size() > 1 ? 3 : 10));
    if (!pstrNote.isEmpty()) mlblProblems->setText(pstrNote);
    else if (pudtTexts.isEmpty()) mlblProblems->setText(QString());
    else if (pstrProblems.isEmpty()) mlblProblems->setText(tr("No problems."));
    else mlblProblems->setText(tr("Problems:\n") + pstrProblems.join(u'\n'));
}

bool clsSourceDock::SourceTextEvent(QPlainTextEdit* txtText, QEvent* pobjEvent)
{
    const auto Copy = [txtText] {
        // A selection's line ends come as paragraph separators.
        QString strSelected = txtText->textCursor().selectedText();
        if (!strSelected.isEmpty()) Desktop().SetClipboardText(strSelected.replace(QChar::ParagraphSeparator, u'\n'));
    };
    switch (pobjEvent->type()) {
    case QEvent::ShortcutOverride:
        // Ctrl+C here is the dock's own, not Edit > Copy (which copies a box of the editor window).
        if (static_cast<QKeyEvent*>(pobjEvent)->matches(QKeySequence::Copy)) pobjEvent->accept();
        return false;
    case QEvent::KeyPress:
        if (!static_cast<QKeyEvent*>(pobjEvent)->matches(QKeySequence::Copy)) return false;
        Copy();
        return true;
    case QEvent::ContextMenu: {
        QMenu objMenu(txtText);
        QAction* mnuCopy = objMenu.addAction(tr("&Copy"), Copy);
        mnuCopy->setObjectName(QStringLiteral("mnuSourceCopy"));
        mnuCopy->setEnabled(txtText->textCursor().hasSelection());
        objMenu.addAction(tr("Select &All"), txtText, &QPlainTextEdit::selectAll);
        objMenu.exec(static_cast<QContextMenuEvent*>(pobjEvent)->globalPos());
        return true;
    }
    default: return false;
    }
}

void clsSourceDock::ShowEditor(frmMessageEditor* pfrmEditor)
{
    // Another window in front (Update Files, a report): the dock keeps the last row, greyed, at its
    // width. Emptied, it shrank to its title, and the tiled files then reached under it.
    widget()->setEnabled(pfrmEditor != nullptr);
    if (!pfrmEditor) {
        CommitNote();
        return;
    }
    if (pfrmEditor->HasSource()) ShowRow(pfrmEditor->SourceBoxes(), pfrmEditor->CurrentProblems());
    else
        ShowRow({}, {}, pfrmEditor->SourceNote().isEmpty() ? tr("No source folder for this file.")
                                                           : pfrmEditor->SourceNote());
    ShowReview(pfrmEditor);
    ShowNote(pfrmEditor);
    ShowSuggestions(pfrmEditor);
    ShowTerms(pfrmEditor);
    ShowFit(pfrmEditor);
}

void clsSourceDock::ShowFit(const frmMessageEditor* pfrmEditor)
{
    const std::optional<udtFit> udtFitted = pfrmEditor ? pfrmEditor->CurrentFit() : std::nullopt;
    const QString strText = pfrmEditor ? pfrmEditor->FitText() : QString();
    mlblFit->setVisible(!strText.isEmpty());
    mlblFit->setText(strText);
    // Too wide in the warning's colour, so that it shows while typing.
    mlblFit->setStyleSheet(udtFitted && !udtFitted->Fits() ? QStringLiteral("color: #b00000") : QString());
}

void clsSourceDock::ShowReview(const frmMessageEditor* pfrmEditor)
{
    const std::optional<frmMessageEditor::udtReview> udtReview = pfrmEditor ? pfrmEditor->CurrentReview() : std::nullopt;
    mlblReview->setVisible(udtReview.has_value());
    if (!udtReview) return mlblReview->clear();
    QString strHtml = QStringLiteral("<p><b>") + tr("To review.") + QStringLiteral("</b> ");
    if (!udtReview->MovedFrom.isEmpty())
        strHtml += tr("Carried over from %1, whose control was renamed.").arg(udtReview->MovedFrom.toHtmlEscaped()) + QStringLiteral("</p>");
    else if (udtReview->Previous.isEmpty())  // marked without the source it was made for (a merge's candidates)
        strHtml += QStringLiteral("</p>");
    else if (udtReview->Previous == udtReview->Current)
        strHtml += tr("The source is the one the translation was made for (filled from the memory or marked in an exchange file).") +
                   QStringLiteral("</p>");
    else {
        const std::vector<udtDifferencePart> udtParts = TextDifference(udtReview->Previous, udtReview->Current);
        strHtml += tr("The source changed since this was translated.") + QStringLiteral("</p><p>") + tr("Was:") + u' ' +
                   DifferenceHtml(udtParts, true) + QStringLiteral("</p><p>") + tr("Now:") + u' ' + DifferenceHtml(udtParts, false) +
                   QStringLiteral("</p>");
    }
    mlblReview->setText(strHtml + QStringLiteral("<p><i>") + tr("Ctrl+Return commits the row and ends its review.") + QStringLiteral("</i></p>"));
}

void clsSourceDock::ShowNote(frmMessageEditor* pfrmEditor)
{
    const int32_t lngRow = pfrmEditor && pfrmEditor->HasSource() ? pfrmEditor->CurrentItem() - 1 : -1;
    // Typing in the box is not overwritten by the commits and checks it does not belong to.
    if (mtxtNote->hasFocus() && pfrmEditor == mfrmNoteOf && lngRow == mlngNoteRow) return;
    CommitNote();
    mfrmNoteOf = lngRow >= 0 ? pfrmEditor : nullptr;
    mlngNoteRow = lngRow;
    mlblNote->setVisible(lngRow >= 0);
    mtxtNote->setVisible(lngRow >= 0);
    const QString strNote = lngRow >= 0 ? pfrmEditor->Note() : QString();
    if (mtxtNote->toPlainText() != strNote) mtxtNote->setPlainText(strNote);
}

void clsSourceDock::CommitNote()
{
    if (!mfrmNoteOf || mfrmNoteOf->CurrentItem() - 1 != mlngNoteRow) return;
    const QString strNote = mtxtNote->toPlainText();
    if (strNote != mfrmNoteOf->Note()) mfrmNoteOf->SetNote(strNote);
}

bool clsSourceDock::eventFilter(QObject* pobjWatched, QEvent* pobjEvent)
{
    if (pobjWatched == mtxtNote && pobjEvent->type() == QEvent::FocusOut) CommitNote();
    for (QPlainTextEdit* txtText : mtxtText)
        if (pobjWatched == txtText && SourceTextEvent(txtText, pobjEvent)) return true;
    return QDockWidget::eventFilter(pobjWatched, pobjEvent);
}

void clsSourceDock::ShowSuggestions(frmMessageEditor* pfrmEditor)
{
    mfrmSuggestionsOf = pfrmEditor;
    const bool booShown = pfrmEditor && pfrmEditor->Memory() && pfrmEditor->HasSource();
    mlblSuggestions->setVisible(booShown);
    mtxtSuggestions->setVisible(booShown);
    if (!booShown) return mtxtSuggestions->clear();
    const std::vector<frmMessageEditor::udtRowSuggestion>& udtFound = pfrmEditor->Suggestions();
    if (udtFound.empty()) {
        mtxtSuggestions->setHtml(QStringLiteral("<p><i>") + tr("The memory has nothing like this text.") + QStringLiteral("</i></p>"));
        return;
    }
    QString strHtml = QStringLiteral("<table cellspacing='0' cellpadding='3'>");
    for (size_t i = 0; i < udtFound.size(); ++i) {
        const udtSuggestion& u = udtFound[i].Memory;
        // The memory's source with what differs from this row's marked.
        const QString strSource = u.Exact ? StoreToLines(u.Source).toHtmlEscaped().replace(u'\n', QStringLiteral("<br>"))
                                          : DifferenceHtml(TextDifference(udtFound[i].RowSource, u.Source), false);
        strHtml += QStringLiteral("<tr><td valign='top'><a href='take:%1'><b>Ctrl+%1</b></a></td><td valign='top'>%2%</td><td>%3<br><b>%4</b><br>"
                                  "<small style='color:gray'>%5</small></td></tr>")
                       .arg(i + 1)
                       .arg(u.Score)
                       .arg(strSource, StoreToLines(u.Translation).toHtmlEscaped().replace(u'\n', QStringLiteral("<br>")),
                            (u.Origin + (u.Entry.isEmpty() ? QString() : QStringLiteral(" \u00B7 ") + u.Entry)).toHtmlEscaped());
    }
    mtxtSuggestions->setHtml(strHtml + QStringLiteral("</table>"));
}

void clsSourceDock::ShowTerms(frmMessageEditor* pfrmEditor)
{
    const bool booShown = pfrmEditor && pfrmEditor->Glossary() && pfrmEditor->HasSource();
    mlblTerms->setVisible(booShown);
    mtxtTerms->setVisible(booShown);
    if (!booShown) return mtxtTerms->clear();
    const std::vector<udtGlossaryTerm> udtTerms = pfrmEditor->RowTerms();
    if (udtTerms.empty()) {
        mtxtTerms->setHtml(QStringLiteral("<p><i>") + tr("No term of the glossary in this text.") + QStringLiteral("</i></p>"));
        return;
    }
    QString strHtml = QStringLiteral("<table cellspacing='0' cellpadding='2'>");
    for (size_t i = 0; i < udtTerms.size(); ++i)
        strHtml += QStringLiteral("<tr><td><a href='term:%1'><b>Alt+%1</b></a></td><td>%2</td><td><b>%3</b></td></tr>")
                       .arg(i + 1)
                       .arg(udtTerms[i].Source.toHtmlEscaped(), udtTerms[i].Translations.join(QStringLiteral(" \u00B7 ")).toHtmlEscaped());
    mtxtTerms->setHtml(strHtml + QStringLiteral("</table>"));
}

void clsSourceDock::ShowBeside(const QWidget& pobjFrame, bool pbooWiden)
{
    if (isVisible()) return;
    auto* objMain = static_cast<QMainWindow*>(parentWidget());
    const int lngBefore = pobjFrame.width();
    show();
    if (!pbooWiden || objMain->isMaximized() || objMain->isFullScreen() || !objMain->isVisible()) return;
    // Measured once the layout has placed the dock.
    QTimer::singleShot(0, this, [this, objMain, &pobjFrame, lngBefore] {
        const QScreen* objScreen = objMain->screen();
        if (!objScreen || objMain->isMaximized() || objMain->isFullScreen() || !isVisible() || isFloating()) return;
        const QRect objRoom = objScreen->availableGeometry();
        const int lngFrame = objMain->frameGeometry().width() - objMain->width();
        const int lngWidth = std::min(objMain->width() + lngBefore - pobjFrame.width(), objRoom.width() - lngFrame);
        if (lngWidth <= objMain->width()) return;
        objMain->resize(lngWidth, objMain->height());
        const QRect objFrame = objMain->frameGeometry();
        if (objFrame.right() > objRoom.right())
            objMain->move(std::max(objRoom.left(), objRoom.right() - objFrame.width() + 1), objMain->y());
    });
}

}  // namespace tralyx
