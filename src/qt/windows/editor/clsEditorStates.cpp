#include "windows/editor/clsEditorStates.h"

#include "common/basDesktop.h"
#include "state/clsFolderTransaction.h"
#include "store/basTextStore.h"

#include <QCoreApplication>

namespace tralyx {

std::vector<enuTextKind> clsEditorStates::RowTextKinds(enuFileKind penuKind)
{
    switch (penuKind) {
    case enuFileKind::ControlText: return {enuTextKind::Caption, enuTextKind::ToolTip};
    case enuFileKind::Messages: return {enuTextKind::MessageText, enuTextKind::MessageTitle};
    case enuFileKind::Secondary: break;
    }
    return {enuTextKind::Secondary};
}

int clsEditorStates::ColumnOf(enuTextKind penuText)
{
    switch (penuText) {
    case enuTextKind::Caption: case enuTextKind::MessageText: return 1;
    case enuTextKind::ToolTip: return 2;
    case enuTextKind::MessageTitle: case enuTextKind::Secondary: break;
    }
    return 0;
}

bool clsEditorStates::Load(const QString& pstrFolder, QString& pstrReason, const clsTralyx& pobjTable, const clsTralyx* pobjSource)
{
    mbooRecorded = false;
    mbooUnreadable = !mobjState.Load(pstrFolder, pstrReason);
    std::vector<clsTranslationState::udtMismatch> udtMismatches;
    mobjState.Verify(menuKind, pobjTable, pobjSource, &udtMismatches);
    if (!udtMismatches.empty() && pstrReason.isEmpty())
        pstrReason = QCoreApplication::translate("clsEditorStates", "%n entries have marks given for another text (%1 first): a "
                                                                    "done mark or a review of those is not applied, a note is kept",
                                                 nullptr, static_cast<int>(udtMismatches.size()))
                         .arg(udtMismatches.front().Id);
    mstrResolved.clear();
    if (QString strCandidates; !mobjCandidates.Load(pstrFolder, strCandidates) && pstrReason.isEmpty()) pstrReason = strCandidates;
    MarkOpenCandidates(pobjTable);
    mobjRead = mobjState;
    mstrFolder = pstrFolder;
    return !mbooUnreadable;
}

bool clsEditorStates::Save(const QString& pstrFolder, const clsTralyx& pobjTable, const clsTralyx* pobjSource,
                           const std::function<bool()>& pfnSaveTexts,
                           bool& pbooTextsSaved, QString& pstrReason)
{
    pbooTextsSaved = false;
    clsFolderTransaction objChange;
    if (!objChange.Begin(pstrFolder, pstrReason, 2000)) return false;
    const auto TextsOnly = [&](bool pbooStateSaved) {
        pbooTextsSaved = pfnSaveTexts();
        return pbooStateSaved || !pbooTextsSaved;
    };
    if (QString strProblem = objChange.StateProblem(); !strProblem.isEmpty()) {
        // What could not be read is the translator's to mend: not written over by a window that has
        // nothing to say, nor without asking by one that has.
        if (!mbooRecorded) return TextsOnly(true);
        if (!objChange.StateUnreadable() ||
            MsgBox(QCoreApplication::translate("clsEditorStates", "%1\r\n\r\nReplace it with the review marks, done marks and notes of "
                                                                  "this window? What the file holds now is lost.")
                       .arg(strProblem.section(QStringLiteral("; it is never replaced"), 0, 0)),
                   vbExclamation + vbYesNo + vbDefaultButton2, QCoreApplication::translate("clsEditorStates", "Translation state")) != vbYes) {
            pstrReason = strProblem;
            return TextsOnly(false);
        }
        objChange.DiscardState();
    }
    clsTranslationState objNew = objChange.State();
    // Saved into another folder (Save As), every state of the window is its change.
    objNew.TakeChanges(menuKind, pstrFolder == mstrFolder ? mobjRead : clsTranslationState(), mobjState);
    objNew.Prune(menuKind, pobjTable);
    const udtFolderCommit udtCommit =
        objChange.Commit(objNew, {{menuKind, [&](QString&) { return pfnSaveTexts(); }, &pobjTable, pobjSource}});
    pbooTextsSaved = udtCommit.Files.front().Written;
    if (!pbooTextsSaved) return true;
    // The window goes on from the state as it now is, the other programs' marks included, checked
    // against the texts it saved.
    mobjState = objChange.State();
    mobjState.Verify(menuKind, pobjTable, pobjSource);
    MarkOpenCandidates(pobjTable);
    mobjRead = mobjState;
    mstrFolder = pstrFolder;
    mbooUnreadable = false;
    pstrReason = udtCommit.StateReason;
    if (!mstrResolved.isEmpty()) {
        // Into the file as it is now: another window may have chosen its own meanwhile.
        clsMergeCandidates objOnDisk;
        QString strCandidates;
        if (objOnDisk.Load(pstrFolder, strCandidates)) {
            for (const QString& strId : std::as_const(mstrResolved)) objOnDisk.Remove(menuKind, strId);
            if (objOnDisk.Save(pstrFolder, strCandidates)) mstrResolved.clear();
        }
        if (!strCandidates.isEmpty() && pstrReason.isEmpty()) pstrReason = strCandidates;
    }
    return pstrReason.isEmpty();
}

void clsEditorStates::MarkOpenCandidates(const clsTralyx& pobjTable)
{
    // To review in the window only: the state read (mobjRead) has it too, so that a save writes
    // nothing of it, and a commit, which ends the review, is the choice.
    for (const udtMergeCandidate& u : mobjCandidates.Open(menuKind, pobjTable))
        if (!mobjState.Get(menuKind, u.Id).Review) mobjState.MarkReview(menuKind, u.Id, QString());
}

QVector<udtMergeCandidate> clsEditorStates::Candidates(const clsTralyx& pobjTable, int32_t plngRow) const
{
    QVector<udtMergeCandidate> udtOut;
    if (plngRow < 0 || plngRow >= RecordCount(pobjTable, menuKind)) return udtOut;
    for (const enuTextKind enuText : RowTextKinds(menuKind)) {
        const udtMergeCandidate* pudtFound = mobjCandidates.Find(menuKind, TextKey(pobjTable, plngRow, enuText));
        if (pudtFound && clsMergeCandidates::IsOpen(menuKind, pobjTable, *pudtFound)) udtOut.append(*pudtFound);
    }
    return udtOut;
}

bool clsEditorStates::ResolveCandidates(const clsTralyx& pobjTable, int32_t plngRow)
{
    if (mobjCandidates.IsEmpty() || plngRow < 0 || plngRow >= RecordCount(pobjTable, menuKind)) return false;
    bool booResolved = false;
    for (const enuTextKind enuText : RowTextKinds(menuKind)) {
        const QString strKey = TextKey(pobjTable, plngRow, enuText);
        if (!mobjCandidates.Find(menuKind, strKey)) continue;
        mobjCandidates.Remove(menuKind, strKey);
        mstrResolved.append(strKey);
        booResolved = true;
    }
    return booResolved;
}

QString clsEditorStates::TextKey(const clsTralyx& pobjTable, int32_t plngRow, enuTextKind penuText) const
{
    const QString strId = EntryIdAt(menuKind, pobjTable, plngRow, penuText);
    // The file's numbers wrap after 999; the key tells the texts apart.
    return menuKind == enuFileKind::Secondary && plngRow >= 999 ? strId + u'#' + QString::number(plngRow + 1) : strId;
}

udtTextState clsEditorStates::Text(const clsTralyx& pobjTable, int32_t plngRow, enuTextKind penuText) const
{
    if (plngRow < 0 || plngRow >= RecordCount(pobjTable, menuKind)) return {};
    return mobjState.Get(menuKind, TextKey(pobjTable, plngRow, penuText));
}

void clsEditorStates::SetText(const clsTralyx& pobjTable, int32_t plngRow, enuTextKind penuText, const udtTextState& pudtState)
{
    if (plngRow < 0 || plngRow >= RecordCount(pobjTable, menuKind)) return;
    mobjState.Set(menuKind, TextKey(pobjTable, plngRow, penuText), pudtState);
    mbooRecorded = true;
}

QVariant clsEditorStates::EntryState(int32_t plngEntry) const
{
    // Most rows have no state: nothing to keep (a Replace All over a whole file asks twice a row).
    if (!gobjTextStore || mobjState.Texts(menuKind).isEmpty()) return QVariant();
    udtRowStates udtRow;
    const std::vector<enuTextKind> enuTexts = RowTextKinds(menuKind);
    for (size_t i = 0; i < enuTexts.size(); ++i) udtRow.Texts[i] = Text(*gobjTextStore, plngEntry, enuTexts[i]);
    if (udtRow == udtRowStates()) return QVariant();
    return QVariant::fromValue(udtRow);
}

void clsEditorStates::SetEntryState(int32_t plngEntry, const QVariant& pobjState)
{
    if (!gobjTextStore) return;
    const udtRowStates udtRow = pobjState.value<udtRowStates>();
    const std::vector<enuTextKind> enuTexts = RowTextKinds(menuKind);
    for (size_t i = 0; i < enuTexts.size(); ++i) SetText(*gobjTextStore, plngEntry, enuTexts[i], udtRow.Texts[i]);
    if (mfnChanged) mfnChanged(plngEntry);
}

}  // namespace tralyx
