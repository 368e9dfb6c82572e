#pragma once
// The text editor window: one opened language file, listed row by row, with the current row's
// texts in one or two boxes that are committed back to the store through the list's model.
#include "editor/basReviewActions.h"
#include "editor/clsEditorLayout.h"
#include "editor/clsWorkbenchRows.h"
#include "measure/clsFontMeasurer.h"
#include "memory/clsTranslationMemory.h"
#include "store/basFileKind.h"
#include "store/clsTralyx.h"
#include "windows/editor/clsEditorSource.h"

#include <QList>
#include <QPair>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QPushButton;
class QSplitter;
class QUndoStack;

namespace tralyx {

class clsEditorFilter;
class clsEditorStates;
class clsSpeller;
class clsTranslationState;
class clsEditorListModel;
class clsEditorUndo;
class clsEntryStates;
class clsEditorListView;
class clsEntryBoxes;
class clsTextFind;

class frmMessageEditor : public QWidget {
    Q_OBJECT
public:
    // The edit types are the file kinds' values.
    static constexpr int32_t EditMessages = static_cast<int32_t>(enuFileKind::Messages);
    static constexpr int32_t EditSecondary = static_cast<int32_t>(enuFileKind::Secondary);
    static constexpr int32_t EditControlText = static_cast<int32_t>(enuFileKind::ControlText);

    // The setting "Ask before overwriting the file being edited" (true when absent).
    static constexpr const char* AskOverwriteKey = "Editor/AskBeforeOverwrite";
    // The setting "Source column" of the list, for windows with a source (true when absent).
    static constexpr const char* SourceColumnKey = "Editor/SourceColumn";
    static bool SourceColumnWanted();

    explicit frmMessageEditor(QWidget* pobjParent = nullptr);
    ~frmMessageEditor() override;

    void EditType(int32_t penuEditType);      // builds the columns and fills the list
    int32_t EditTypeValue() const { return mlngEditType; }
    void FileName(const QString& pstrFileName);  // sets the caption "Localising " + path
    const QString& FileNameValue() const { return mstrFileName; }
    // The code page the window's table was read with and is written in.
    QString CodePage() const;
    void MoveToList();
    // pbooAsk false: the translator already agreed to replace the file (Save All's one question).
    bool SaveMe(const QString& pstrFileName = QString(), bool pbooAsk = true);
    // Lines the load of the window's file skipped: the next save asks before it drops them.
    void SkippedLines(const QVector<udtFileIssue>& pudtLines) { mudtSkippedLines = pudtLines; }
    // The close checks ("Data changed", "Save changes"); true when the window may close.
    bool QueryClose();

    // The editing state, for the main window and tests.
    bool ItemChanged() const { return mbooItemChanged; }
    // What the boxes hold into the row, as a commit does, when they differ from it (Save All).
    void CommitPendingBoxes();
    bool DataChanged() const { return mbooDataChanged; }
    int32_t CurrentItem() const { return mlngCurrentItem + 1; }  // 1-based row position; 0 for none
    const clsEditorLayout& Layout() const { return mudtLayout; }

    QSize sizeHint() const override;
    // The entry id of a row (from 0) as the file names it: MSG006, TXT007, or the object path.
    QString EntryId(int32_t plngRow) const;
    // Commits the current row and goes to the next listed row that needs work, wrapping (Ctrl+Return).
    void CommitAndNext();
    // The focus into the box whose text needs work (the main text first), else the main text's box.
    void FocusWork();

    // The same file of a source-language folder, read beside the translation; an empty folder: none.
    // Returns why no source is shown (empty when it is, or when no folder was given).
    QString LoadSource(const QString& pstrFolder);
    void SetSource(std::unique_ptr<clsTralyx> pobjSource);  // a source table already read
    bool HasSource() const { return mobjSource.Rows() != nullptr; }
    // The list's Source column shown or hidden; without a source the list has none.
    void ShowSourceColumn(bool pbooShown);
    const QString& SourceFolder() const { return mobjSource.Folder(); }
    const QString& SourceNote() const { return mobjSource.Note(); }
    // The selected row's source texts, labelled like the boxes, and its problems in words.
    QList<QPair<QString, QString>> SourceBoxes() const;
    QStringList CurrentProblems() const;
    uint8_t RowState(int32_t plngRow) const;  // enuRowState flags; 0 without a source
    QString ProgressText() const;             // empty without a source
    udtProgress Progress() const;             // all zero without a source
    // The next (+1) or previous (-1) listed row that needs work, wrapping; false when there is none.
    bool GoToNeedsWork(int32_t plngStep);
    bool GoToFirstNeedingWork();     // the first listed row that needs work; false: none
    bool NeedsWorkElsewhere() const;  // a listed row other than the current one needs work
    // A listed row after the entry's (from 0; -1: from the top) needs work, or holds pobjFind,
    // without wrapping.
    bool NeedsWorkAfter(int32_t plngEntry) const;
    bool FoundAfter(int32_t plngEntry, const clsTextFind& pobjFind) const;
    // Which rows the list shows (clsEditorFilter::enuShow), and "312 of 32,767 rows".
    void SetFilter(const QString& pstrText, int32_t penuShow);
    clsEditorFilter* Filter() const { return mobjFilter; }
    QString FilterCountText() const;
    // Find and replace in the translations: each change is committed to its entry as if typed.
    // The next listed row that holds it, after plngFrom (-2: the current row), with the match selected.
    bool FindNext(const clsTextFind& pobjFind, int32_t plngFrom = -2);
    int32_t MatchCount(const clsTextFind& pobjFind) const;  // entries that hold it
    // Replaces in the selected row when it holds the text, then finds the next; false: found nowhere.
    bool ReplaceCurrent(const clsTextFind& pobjFind, const QString& pstrBy);
    // Asks first (unless told not to: a caller that asked for several windows); entries changed.
    int32_t ReplaceAll(const clsTextFind& pobjFind, const QString& pstrBy, bool pbooAsk = true);

    // Undo and redo of commits, Replace All and any other change made through ChangeEntries: one
    // history per window. Typing not yet committed is the latest change: Undo takes it back first.
    QUndoStack* UndoStack() const;
    bool CanUndo() const;
    QString UndoText() const;  // what Undo would take back; empty for nothing
    void Undo();
    void Redo();
    // Runs pfnChange, which changes those entries through the list's model (or, with SetEntryStates,
    // their states), as one undo step named pstrText; marks the table changed. False: none changed.
    bool ChangeEntries(const QString& pstrText, const std::vector<int32_t>& plngEntries, const std::function<void()>& pfnChange);
    void SetEntryStates(clsEntryStates* pobjStates);  // not owned

    // ---- The translation state beside the file: review, done, notes ----------------------------
    // Reads translation-state.json of the file's folder; why it could not be read (then it is
    // ignored), or empty. The state is written after each save of the file.
    QString LoadState();
    const clsTranslationState& State() const;
    QString Language() const;  // the folder's language code ("de"); empty when its name does not say
    // Mark as Done (Ctrl+U) on the selected row: records that its texts identical to their source
    // are so on purpose, or takes that back; one undo step. False: nothing to mark.
    bool ToggleDone();
    // Mark for Review: the row's translated texts to review against their source as it is, or their
    // reviews over; one undo step. False: nothing to mark.
    bool ToggleReview();
    QString Note() const;  // of the selected row
    void SetNote(const QString& pstrNote);
    using udtReview = udtTextReview;
    std::optional<udtReview> CurrentReview() const;  // the selected row's first text to review

    // ---- Translation memory ----------------------------------------------------------------------
    void SetMemory(std::shared_ptr<const clsTranslationMemory> pobjMemory);
    const clsTranslationMemory* Memory() const { return mobjMemory.get(); }
    struct udtRowSuggestion {
        udtSuggestion Memory;
        int Column = 0;     // the box it goes into
        QString RowSource;  // the row's source it was found for
    };
    // Up to five for the selected row's main text (its other text when that is empty).
    const std::vector<udtRowSuggestion>& Suggestions() const;
    bool UseSuggestion(int32_t plngNumber);  // Ctrl+1..5: into its box, as typing; from 1
    void CopySource();                       // Ctrl+B: the source's texts into the boxes, as typing
    // A stored text at the cursor of the translation box that had the focus last (else the main
    // text's), as typing; false without a row or a box that takes it.
    bool InsertTranslation(const QString& pstrStored);
    // The memory's exact match into every untranslated text, each marked review; one undo step.
    // The number of texts filled; pstrSkipped: a line for each match the file's code page cannot write.
    int32_t FillFromMemory(QStringList* pstrSkipped = nullptr);
    // ---- Glossary ----------------------------------------------------------------------------------
    // The terms its rows are checked against (rule glossary) and the dock lists; nullptr: none.
    void SetGlossary(std::shared_ptr<const clsGlossary> pobjGlossary);
    const clsGlossary* Glossary() const { return mobjGlossary.get(); }
    static constexpr int32_t MaxRowTerms = 9;
    // The glossary's terms in the selected row's source texts, each once, in the texts' order.
    std::vector<udtGlossaryTerm> RowTerms() const;
    // Alt+1..9: the term's first translation typed at the cursor of the box with the focus (else
    // the row's main box); from 1. False: no such term or no box to take it.
    bool UseTerm(int32_t plngNumber);
    // ---- Will it fit ---------------------------------------------------------------------------------
    // core.lrc only: the source folder's layout.json, which the rule fits measures against.
    void LoadLayout(const QString& pstrSourceFolder);
    bool HasLayout() const { return mobjFits != nullptr; }
    enuFileKind Kind() const;  // the kind of file the window edits
    // How the selected row's caption, as typed, fits its control; nothing without a layout of it.
    std::optional<udtFit> CurrentFit() const;
    // That in words for the dock ("fits: 61 of 75 px"), or why the layout was not read; empty: neither.
    QString FitText() const;
    // The selected row's form as the layout draws it, each control with its translation (the row's
    // as typed); false when the row's form has no layout.
    struct udtPreviewControl {
        const udtControlLayout* Layout = nullptr;
        QString Text;
        bool Fits = true;
        bool Current = false;
    };
    struct udtFormPreview {
        udtFormLayout Form;
        QVector<udtPreviewControl> Controls;  // in Form.Controls' order
    };
    bool PreviewForm(udtFormPreview& pudtOut) const;
    // Spelling in the several-line box; nullptr: off.
    void SetSpeller(std::shared_ptr<clsSpeller> pobjSpeller);
    // What the status bar says of the window besides its progress: a state file that could not be
    // read, a memory that could not be, a dictionary that is not installed.
    void SetNotice(const QString& pstrNotice) { mstrNotice = pstrNotice; }
    const QString& Notice() const { return mstrNotice; }

signals:
    void UndoChanged();  // what Undo or Redo would do changed
    void ModifiedChanged(bool pbooModified);  // the table has commits that are not saved
    void CurrentEntryChanged(const QString& pstrEntryId);
    void WorkChanged();  // row states, progress, the filter or the source changed
    void FileFinished();  // a commit left nothing in the file needing work: the frame offers the next file
    void BoxesTyped();  // a box's text changed by the user: what is measured as typed is measured again
    void Closing();      // the close checks are about to ask: what belongs to the window is committed now

protected:
    void closeEvent(QCloseEvent* pobjEvent) override;
    void resizeEvent(QResizeEvent* pobjEvent) override;
    void showEvent(QShowEvent* pobjEvent) override;

private slots:
    void fraMessage_Change();
    void lvwMessages_ItemClick(int plngRow);
    void mobjListItems_EntriesChanged(int32_t plngFirst, int32_t plngLast);
    void splMessage_SplitterMoved(int plngPosition);
    void cmdPreview_Click();

private:
    void Form_Load();
    void Form_Resize();
    void ApplyLayout();
    bool ConfirmItemChange();  // false: Cancel, the boxes stay as they are
    QString ItemName() const;  // the file and the current entry, for the questions about them
    void SetItemChanged(bool pbooChanged);
    void SetDataChanged(bool pbooChanged);
    void Commit();  // MoveToList without its warning
    void CommitBoxes();  // MoveToList without letting go of the row
    void LetGoOfRow();  // the filter applies again to the row that was being edited
    bool Typed() const;  // the boxes hold typing that differs from the current entry
    void mobjUndo_Stepped(const std::vector<int32_t>& plngEntries);
    void SelectRow(int32_t plngRow);
    void LoadBoxes();  // the current row's texts, or empty boxes without one
    bool ChooseEntry(int32_t plngEntry);  // false: the user stayed on the current row
    void ShowCurrentRow();                 // the list's current row is the entry in the boxes
    void RefreshWork();
    void PlaceSourceColumns();  // the state first, the source beside the first column, once they come
    // Runs pfnFilter, which filters the rows anew, and keeps a row chosen that the list shows.
    void Refiltered(const std::function<void()>& pfnFilter);
    bool StepTo(int32_t plngStep, const std::function<bool(int32_t)>& pfnWanted, int32_t plngFrom = -2);
    bool NeedsWork(int32_t plngEntry) const;
    bool WantedAfter(int32_t plngEntry, const std::function<bool(int32_t)>& pfnWanted) const;
    void RowStatesChanged(int32_t plngRow);
    bool ClearReview(int32_t plngRow);  // true when a text of the row was to review
    bool ToggleMarks(const std::function<udtDoneMarks(int32_t)>& pfnMarks, const QString& pstrMarked, const QString& pstrUnmarked);
    fnTextStateOf TextStates(int32_t plngRow) const;  // of the row's texts, as they stand
    void SetTextStates(int32_t plngRow, const std::vector<udtTextStateChange>& pudtChanges);

    QSplitter* splMessage;  // the frame of boxes above, the list below
    clsEntryBoxes* fraMessage;
    clsEditorListView* lvwMessages;
    clsEditorListModel* mobjListItems;
    clsEditorFilter* mobjFilter;
    clsEditorUndo* mobjUndo;
    std::unique_ptr<clsEditorStates> mobjStates;
    std::shared_ptr<const clsTranslationMemory> mobjMemory;
    std::shared_ptr<const clsGlossary> mobjGlossary;
    std::shared_ptr<const clsLayoutFits> mobjFits;
    QString mstrLayoutProblem;
    mutable std::unique_ptr<clsFontMeasurer> mobjMeasurer;  // made when first measured
    clsFontMeasurer& Measurer() const;
    const ControlTextItem* CurrentControlItem() const;  // the selected row's, with a layout to measure it; else null
    QString TypedCaption() const;
    mutable std::vector<udtRowSuggestion> mudtSuggestions;  // of mstrSuggestedFor
    mutable QString mstrSuggestedFor;
    mutable bool mbooSuggested = false;
    QString mstrNotice;
    QPushButton* cmdPreview;

    int32_t mlngEditType = EditMessages;
    QString mstrFileName;
    int32_t mlngCurrentItem = -1;  // entry from 0, -1 for none
    bool mbooItemChanged = false;
    bool mbooDataChanged = false;
    QVector<udtFileIssue> mudtSkippedLines;
    bool mbooUnwritableAgreed = false;  // a save without the texts core.lrc cannot keep was agreed to
    bool mbooLoaded = false;
    // Set when the close checks said yes; good for the rest of the current event only, so that a
    // close that follows them at once does not ask again.
    bool mbooCloseAgreed = false;
    clsEditorLayout mudtLayout;
    clsEditorSource mobjSource;
    bool mbooRefiltering = false;  // the view's current row moves by itself while rows are re-filtered
    bool mbooLoadingBoxes = false;  // a change of the boxes is the load, not typing
};

}  // namespace tralyx
