// frmMain: the workbench around the editor windows. The Source dock, the filter bar, the memory and
// the speller of each window's folder, what the status bar says of the work, and the commands that
// go from one window's rows to its language's other files.
#include "windows/main/frmMain.h"
#include "store/basLanguageNames.h"

#include "common/basApplication.h"
#include "common/basDesktop.h"
#include "editor/clsFileDialog.h"
#include "memory/basTmxFile.h"
#include "windows/editor/frmMessageEditor.h"
#include "windows/editor/basTextBox.h"
#include "windows/editor/frmReplace.h"
#include "windows/main/clsClipboardCommands.h"
#include "windows/main/clsStatusPanels.h"
#include "windows/main/clsViewMenu.h"
#include "windows/memory/clsWorkbenchGlossary.h"
#include "windows/memory/clsWorkbenchMemory.h"
#include "windows/memory/frmConcordance.h"
#include "windows/memory/frmTranslationMemory.h"
#include "windows/spelling/clsSpellingMenu.h"
#include "windows/workbench/clsFilterBar.h"
#include "windows/workbench/clsFormPreview.h"
#include "windows/workbench/clsSourceDock.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <algorithm>

namespace tralyx {

void frmMain::BuildWorkbench()
{
    dckSource = new clsSourceDock(this);
    addDockWidget(Qt::RightDockWidgetArea, dckSource);
    dckSource->hide();  // until a file with a source opens
    dckFormPreview = new clsFormPreview(this);
    addDockWidget(Qt::BottomDockWidgetArea, dckFormPreview);
    dckFormPreview->hide();  // View > Form Preview
    mobjMemory = new clsWorkbenchMemory(this);
    mobjGlossary = new clsWorkbenchGlossary(this);
    tbFilter = new clsFilterBar(this);
    connect(tbFilter, &clsFilterBar::FilterChanged, this, &frmMain::tbFilter_FilterChanged);
}

void frmMain::WatchEditor(frmMessageEditor* pfrmEditor)
{
    connect(pfrmEditor, &frmMessageEditor::ModifiedChanged, this, [this, pfrmEditor](bool pbooModified) {
        if (pfrmEditor == ActiveEditor()) mobjStatus->SetModified(pbooModified);
    });
    connect(pfrmEditor, &frmMessageEditor::CurrentEntryChanged, this, [this, pfrmEditor](const QString& pstrId) {
        if (pfrmEditor != ActiveEditor()) return;
        mobjStatus->SetEntry(pstrId);
        ShowWork();
    });
    connect(pfrmEditor, &frmMessageEditor::FileFinished, this, [this, pfrmEditor] {
        if (pfrmEditor == ActiveEditor()) OfferNextFile(*pfrmEditor);
    });
    connect(pfrmEditor, &frmMessageEditor::WorkChanged, this, [this, pfrmEditor] {
        if (pfrmEditor == ActiveEditor()) ShowWork();
    });
    connect(pfrmEditor, &frmMessageEditor::BoxesTyped, this, [this, pfrmEditor] {
        if (pfrmEditor != ActiveEditor()) return;
        dckSource->ShowFit(pfrmEditor);
        dckFormPreview->ShowEditor(pfrmEditor);
    });
    // A note still being typed in the dock belongs to the window that closes.
    connect(pfrmEditor, &frmMessageEditor::Closing, dckSource, &clsSourceDock::CommitNote);
    connect(pfrmEditor, &frmMessageEditor::UndoChanged, this, [this, pfrmEditor] {
        if (pfrmEditor == ActiveEditor()) UpdateUndo();
    });
}

void frmMain::ShowWork()
{
    frmMessageEditor* frmEditor = ActiveEditor();
    dckSource->ShowEditor(frmEditor);
    dckFormPreview->ShowEditor(frmEditor);
    if (mnuView) mnuView->SetSourceColumnUsable(frmEditor && frmEditor->HasSource());
    tbFilter->SetCount(frmEditor ? frmEditor->FilterCountText() : QString());
    if (frmEditor) {
        QString strWork = frmEditor->HasSource() ? frmEditor->ProgressText() + LanguageProgress(*frmEditor) : frmEditor->SourceNote();
        if (!frmEditor->Notice().isEmpty()) strWork += (strWork.isEmpty() ? QString() : QStringLiteral(" \u00B7 ")) + frmEditor->Notice();
        mobjStatus->SetWork(strWork);
        return;
    }
    mobjStatus->SetWork(QString());
    // With the last text window closed the dock has nothing to show; it comes back with a source.
    const QList<QMdiSubWindow*> objChildren = mdiArea->subWindowList();
    if (std::none_of(objChildren.begin(), objChildren.end(),
                     [](QMdiSubWindow* p) { return qobject_cast<frmMessageEditor*>(p->widget()) != nullptr; }))
        dckSource->hide();
}

void frmMain::ShowSourceDock()
{
    if (dckSource->isVisible()) return;
    // The window makes room for the dock once, the first time it appears in a window of the
    // default size; a size the user chose is kept.
    dckSource->ShowBeside(*mdiArea, !mbooDockRoomMade);
    mbooDockRoomMade = true;
}

QList<frmMessageEditor*> frmMain::FolderEditors(const frmMessageEditor& pfrmEditor) const
{
    QList<frmMessageEditor*> objOut;
    const QString strFolder = QFileInfo(pfrmEditor.FileNameValue()).absolutePath();
    for (QMdiSubWindow* objChild : mdiArea->subWindowList(QMdiArea::CreationOrder))
        if (auto* frmEditor = qobject_cast<frmMessageEditor*>(objChild->widget());
            frmEditor && QFileInfo(frmEditor->FileNameValue()).absolutePath() == strFolder)
            objOut.append(frmEditor);
    return objOut;
}

QString frmMain::LanguageProgress(const frmMessageEditor& pfrmEditor) const
{
    const QList<frmMessageEditor*> objEditors = FolderEditors(pfrmEditor);
    if (objEditors.size() < 2) return QString();
    int32_t lngTranslated = 0, lngEntries = 0;
    for (const frmMessageEditor* frmEditor : objEditors) {
        lngTranslated += frmEditor->Progress().Translated;
        lngEntries += frmEditor->Progress().Entries;
    }
    const QLocale objLocale = App::TextLocale();
    // The language the folder's name says ("Deutsch", "de": German), else the folder's name.
    const QString strFolder = QFileInfo(pfrmEditor.FileNameValue()).absolutePath();
    const QString strCode = LanguageCodeOfFolder(strFolder);
    QString strLanguage = QFileInfo(strFolder).fileName();
    if (!strCode.isEmpty()) {
        const QLocale objLanguage(strCode);
        strLanguage = QLocale::languageToString(objLanguage.language());
        if (strCode.contains(u'_')) strLanguage += QStringLiteral(" (%1)").arg(QLocale::territoryToString(objLanguage.territory()));
    }
    return QStringLiteral("  \u2014  ") + tr("%1: %2 of %3 translated")
        .arg(strLanguage, objLocale.toString(lngTranslated), objLocale.toString(lngEntries));
}

void frmMain::tbFilter_FilterChanged(const QString& pstrText, int32_t penuShow)
{
    if (frmMessageEditor* frmEditor = ActiveEditor()) frmEditor->SetFilter(pstrText, penuShow);
}

void frmMain::ApplyWorkbench(frmMessageEditor* pfrmEditor, const QString& pstrStateProblem)
{
    QStringList strNotices;
    QString strSpelling;
    pfrmEditor->SetSpeller(mnuSpelling->SpellerFor(pfrmEditor->Language(), strSpelling));
    if (!strSpelling.isEmpty()) strNotices << strSpelling;
    if (!pstrStateProblem.isEmpty()) strNotices << tr("%1 (ignored)").arg(pstrStateProblem);
    if (pfrmEditor->HasSource()) {
        QString strProblems;
        pfrmEditor->SetMemory(mobjMemory->For(pfrmEditor->SourceFolder(), QFileInfo(pfrmEditor->FileNameValue()).absolutePath(),
                                              pfrmEditor->CodePage(), strProblems));
        if (!strProblems.isEmpty()) strNotices << tr("Translation memory: %1").arg(strProblems.section(u'\n', 0, 0));
    } else {
        pfrmEditor->SetMemory(nullptr);
    }
    QString strGlossaryProblem;
    std::shared_ptr<const clsGlossary> objGlossary = mobjGlossary->Get(strGlossaryProblem);
    if (!strGlossaryProblem.isEmpty()) strNotices << tr("Glossary: %1").arg(strGlossaryProblem);
    // A glossary of another language would find every term untranslated.
    if (objGlossary && !objGlossary->TargetLanguage.isEmpty() && !pfrmEditor->Language().isEmpty() &&
        !SameLanguage(objGlossary->TargetLanguage, pfrmEditor->Language())) {
        strNotices << tr("Glossary: its language is %1, this folder's %2").arg(objGlossary->TargetLanguage, pfrmEditor->Language());
        objGlossary.reset();
    }
    pfrmEditor->SetGlossary(std::move(objGlossary));
    pfrmEditor->SetNotice(strNotices.join(QStringLiteral(" \u00B7 ")));
}

void frmMain::ApplyWorkbenchToAll()
{
    for (QMdiSubWindow* pobjChild : mdiArea->subWindowList())
        if (auto* frmEditor = qobject_cast<frmMessageEditor*>(pobjChild->widget())) ApplyWorkbench(frmEditor);
    ShowWork();
}

void frmMain::mnuFileMemory_Click()
{
    frmMessageEditor* frmEditor = ActiveEditor();
    frmTranslationMemory frmMemory(mobjMemory->Paths(), frmEditor ? QFileInfo(frmEditor->FileNameValue()).absolutePath() : QString(), this);
    if (frmMemory.exec() != QDialog::Accepted) return;
    mobjMemory->SetPaths(frmMemory.Paths());
    ApplyWorkbenchToAll();
}

void frmMain::mnuFileGlossary_Click()
{
    QString strPath = mobjGlossary->Path();
    if (!Desktop().FileDialog(false, clsFileDialog::QtFilter(tr("Glossaries (*.tbx;*.csv)|*.tbx;*.csv|All Files (*.*)|*.*")), strPath) ||
        strPath.isEmpty())
        return;
    QString strProblem;
    if (!mobjGlossary->SetPath(strPath, strProblem))
        MsgBox(tr("The glossary cannot be read:\n%1").arg(strProblem), vbExclamation, tr("Glossary"));
    ApplyWorkbenchToAll();
}

void frmMain::mnuFileGlossaryClear_Click()
{
    QString strProblem;
    mobjGlossary->SetPath(QString(), strProblem);
    ApplyWorkbenchToAll();
}

void frmMain::mnuEditMarkDone_Click()
{
    if (frmMessageEditor* frmEditor = ActiveEditor(); frmEditor && !frmEditor->ToggleDone())
        MsgBox(tr("Mark as Done is for a translation that is the same as its source on purpose (\"OK\", a product name)."),
               vbInformation, tr("Mark as Done"));
}

void frmMain::mnuEditMarkReview_Click()
{
    if (frmMessageEditor* frmEditor = ActiveEditor(); frmEditor && !frmEditor->ToggleReview())
        MsgBox(tr("Mark for Review is for a translated row, to come back to it."), vbInformation, tr("Mark for Review"));
}

void frmMain::mnuEditFillFromMemory_Click()
{
    frmMessageEditor* frmEditor = ActiveEditor();
    if (!frmEditor) return;
    if (!frmEditor->HasSource() || !frmEditor->Memory()) {
        MsgBox(tr("Fill from Memory needs the file's source folder (File > Source Folder...)."), vbInformation,
               tr("Fill from Memory"));
        return;
    }
    QStringList strSkipped;
    const int32_t lngFilled = frmEditor->FillFromMemory(&strSkipped);
    QString strPrompt = lngFilled == 0   ? tr("The memory has no exact match for any untranslated text.")
                        : lngFilled == 1 ? tr("1 untranslated text was filled from the memory, each marked for review.")
                                         : tr("%1 untranslated texts were filled from the memory, each marked for review.").arg(lngFilled);
    if (!strSkipped.isEmpty()) strPrompt += QStringLiteral("\r\n\r\n") + strSkipped.join(QStringLiteral("\r\n"));
    MsgBox(strPrompt, vbInformation, tr("Fill from Memory"));
}

void frmMain::mnuEditReplace_Click()
{
    if (!ActiveEditor()) return;
    if (!mfrmReplace)
        mfrmReplace = new frmReplace([this] { return ActiveEditor(); },
                                     [this] { return ActiveEditor() ? FolderEditors(*ActiveEditor()) : QList<frmMessageEditor*>(); }, this);
    if (const auto* txtBox = qobject_cast<const QLineEdit*>(mobjClipboard->FocusedTextBox()); txtBox && txtBox->hasSelectedText())
        mfrmReplace->FindText(txtBox->selectedText());
    mfrmReplace->show();
    mfrmReplace->raise();
    mfrmReplace->activateWindow();
}

void frmMain::mnuEditConcordance_Click()
{
    if (!ActiveEditor()) return;
    // What is selected in a box of this window, a translation or a source in the dock, is looked up.
    const QWidget* objFocus = QApplication::focusWidget();
    const QString strSelected = objFocus && objFocus->window() == this ? TextBoxSelection(objFocus).trimmed() : QString();
    if (!mfrmConcordance) mfrmConcordance = new frmConcordance([this] { return ActiveEditor(); }, this);
    mfrmConcordance->Open(strSelected);
}

void frmMain::mnuEditNextToDo_Click()
{
    frmMessageEditor* frmEditor = ActiveEditor();
    if (!frmEditor) return;
    // The file is finished first, round its end; then the next file of its language is offered.
    if (!frmEditor->NeedsWorkElsewhere()) return OfferNextFile(*frmEditor);
    frmEditor->GoToNeedsWork(1);
}

void frmMain::OfferNextFile(frmMessageEditor& pfrmEditor)
{
    const QList<frmMessageEditor*> objEditors = FolderEditors(pfrmEditor);
    const qsizetype lngAt = objEditors.indexOf(&pfrmEditor);
    const auto Name = [](const frmMessageEditor* p) { return QFileInfo(p->FileNameValue()).fileName(); };
    for (qsizetype i = 1; i < objEditors.size(); ++i) {
        frmMessageEditor* frmNext = objEditors[(lngAt + i) % objEditors.size()];
        if (!frmNext->NeedsWorkAfter(-1)) continue;
        if (MsgBox(tr("No other entry in %1 needs work.\r\nGo on with %2?").arg(Name(&pfrmEditor), Name(frmNext)),
                   vbQuestion + vbYesNo, tr("Next Needing Work")) != vbYes)
            break;
        ActivateEditor(frmNext);
        frmNext->GoToFirstNeedingWork();
        return;
    }
    pfrmEditor.FocusWork();
}

void frmMain::ActivateEditor(frmMessageEditor* pfrmEditor)
{
    // The window in front in every respect: the frame's active child, the commands, the status
    // bar and dock, and the keyboard focus (which a closing message box would otherwise give back
    // to the window it was asked from).
    auto* objChild = qobject_cast<QMdiSubWindow*>(pfrmEditor->parentWidget());
    if (!objChild) return;
    if (objChild->isMinimized()) objChild->showNormal();
    mdiArea->setActiveSubWindow(objChild);
    pfrmEditor->setFocus(Qt::OtherFocusReason);
    UpdateCommands();
}

void frmMain::mnuEditPreviousToDo_Click()
{
    if (frmMessageEditor* frmEditor = ActiveEditor()) frmEditor->GoToNeedsWork(-1);
}

}  // namespace tralyx
