#include "harvest/basJoinFormText.h"

#include "common/basFileSystem.h"
#include "exchange/basLanguageFolder.h"
#include "harvest/basUiHarvest.h"
#include "state/clsFolderTransaction.h"
#include "store/basControlTextFormat.h"
#include "store/basLayoutFile.h"
#include "store/basSafeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>

namespace tralyx {
namespace {

QString KeyOf(const ControlTextItem& pudtItem) { return clsTralyx::ObjectPath(pudtItem); }

// The texts as core.lrc can keep them.
ControlTextItem Writable(ControlTextItem pudtItem)
{
    if (!EntryHasCaptionLine(pudtItem.ControlName)) pudtItem.Caption.clear();
    if (!EntryHasToolTipLine(pudtItem.ControlName)) pudtItem.ToolTip.clear();
    return pudtItem;
}

// A file of core.lrc's lines read into pudtTable (an empty file has no records); false, with
// "FILE:LINE: why" among pudtLines, when it does not load.
bool ReadFormTexts(const QString& pstrFile, const clsCodePage& pobjCodePage, QVector<ControlTextItem>& pudtTable,
                   std::vector<udtReportLine>& pudtLines, QByteArray& pbytContent, bool* pbooMark = nullptr)
{
    QString strReason;
    udtControlTextRead udtRead;
    if (!ReadWholeFile(pstrFile, pbytContent, strReason)) {
        pudtLines.push_back({true, FileIssueText(pstrFile, {0, strReason})});
        return false;
    }
    ReadControlText(pbytContent, pobjCodePage, udtRead);
    for (const udtFileIssue& udtWarning : udtRead.Warnings)
        pudtLines.push_back({true, FileIssueText(pstrFile, {udtWarning.Line, QStringLiteral("warning: ") + udtWarning.Reason})});
    if (!udtRead.Success) {
        pudtLines.push_back({true, FileIssueText(pstrFile, udtRead.Error)});
        return false;
    }
    for (qsizetype i = 0; i < udtRead.Table.size(); ++i)
        if (udtRead.Lines[i] > 0) pudtTable.append(std::move(udtRead.Table[i]));  // the reader's one blank record of an empty file is none
    if (pbooMark) *pbooMark = udtRead.ByteOrderMark;
    return true;
}

}  // namespace

udtJoinPlan JoinFormTexts(const QVector<ControlTextItem>& pudtCore, const QVector<ControlTextItem>& pudtForms, bool pbooPrune)
{
    udtJoinPlan udtPlan;
    QHash<QString, qsizetype> objInCore;  // key: its first position in pudtCore
    QHash<QString, qsizetype> objLastOfForm;
    for (qsizetype i = 0; i < pudtCore.size(); ++i) {
        if (const QString strKey = KeyOf(pudtCore[i]); !objInCore.contains(strKey)) objInCore.insert(strKey, i);
        objLastOfForm.insert(pudtCore[i].FormName, i);
    }
    QVector<ControlTextItem> udtTable = pudtCore;
    QSet<QString> objHarvested, objForms;
    QHash<qsizetype, QVector<ControlTextItem>> objAfter;  // core position: the new entries after it
    QVector<ControlTextItem> udtNewForms;
    for (const ControlTextItem& udtHarvested : pudtForms) {
        const QString strKey = KeyOf(udtHarvested);
        if (objHarvested.contains(strKey)) continue;  // the first one counts, as in core.lrc
        objHarvested.insert(strKey);
        objForms.insert(udtHarvested.FormName);
        const ControlTextItem udtItem = Writable(udtHarvested);
        if (const auto it = objInCore.constFind(strKey); it != objInCore.cend()) {
            ControlTextItem& udtKept = udtTable[*it];
            if (udtKept.Caption != udtItem.Caption || udtKept.ToolTip != udtItem.ToolTip) ++udtPlan.Changed;
            udtKept.Caption = udtItem.Caption;
            udtKept.ToolTip = udtItem.ToolTip;
            continue;
        }
        ++udtPlan.Added;
        if (const auto it = objLastOfForm.constFind(udtItem.FormName); it != objLastOfForm.cend()) objAfter[*it].append(udtItem);
        else udtNewForms.append(udtItem);
    }
    for (qsizetype i = 0; i < udtTable.size(); ++i) {
        const bool booGone = objForms.contains(udtTable[i].FormName) && !objHarvested.contains(KeyOf(udtTable[i]));
        if (booGone) udtPlan.Gone.append(udtTable[i]);
        if (!booGone || !pbooPrune) udtPlan.Table.append(udtTable[i]);
        if (const auto it = objAfter.constFind(i); it != objAfter.cend()) udtPlan.Table.append(*it);
    }
    udtPlan.Table.append(udtNewForms);
    return udtPlan;
}

namespace {

// The layouts harvested beside the form files ("frmMain.layout.json" beside frmMain.LRC) into the
// folder's layout.json. A form file without one is joined as before; one that cannot be read is
// named and left out, so that the folder keeps that form's older layout.
void JoinLayouts(const udtJoinRequest& r, std::vector<udtReportLine>& pudtLines, bool& pbooSuccess)
{
    QVector<udtFormLayout> udtHarvested;
    for (const QString& strFile : r.FormFiles) {
        const QFileInfo objFile(strFile);
        const QString strLayout = objFile.dir().filePath(FormLayoutName(objFile.completeBaseName()));
        if (!QFileInfo::exists(strLayout)) continue;
        QVector<udtFormLayout> udtForms;
        QString strReason;
        if (ReadLayoutFile(strLayout, udtForms, strReason)) MergeFormLayouts(udtHarvested, udtForms);
        else pudtLines.push_back({false, strReason + QStringLiteral("; the form's layout was not joined")});
    }
    if (udtHarvested.isEmpty()) return;
    const QString strFolderLayout = FolderLayoutPath(r.Folder);
    QVector<udtFormLayout> udtFolder;
    QString strReason;
    if (QFileInfo::exists(strFolderLayout) && !ReadLayoutFile(strFolderLayout, udtFolder, strReason))
        pudtLines.push_back({false, strReason + QStringLiteral("; it is made anew from the forms joined now")});
    const QByteArray bytOld = LayoutFileContent(udtFolder);
    MergeFormLayouts(udtFolder, udtHarvested);
    if (LayoutFileContent(udtFolder) == bytOld) return;
    if (WriteLayoutFile(strFolderLayout, udtFolder, strReason)) {
        pudtLines.push_back({false, QStringLiteral("%1: %2 form layouts, written").arg(strFolderLayout).arg(udtHarvested.size())});
    } else {
        pudtLines.push_back({true, QStringLiteral("%1: not written: %2").arg(strFolderLayout, strReason)});
        pbooSuccess = false;
    }
}

std::vector<udtReportLine> JoinControlText(const udtJoinRequest& r, bool& pbooSuccess)
{
    std::vector<udtReportLine> udtLines;
    pbooSuccess = false;
    const clsCodePage objCodePage(r.CodePage);
    QVector<ControlTextItem> udtForms;
    bool booRead = true;
    for (const QString& strFile : r.FormFiles) {
        QByteArray bytContent;
        booRead = ReadFormTexts(strFile, objCodePage, udtForms, udtLines, bytContent) && booRead;
    }
    if (!booRead) return udtLines;
    if (!QFileInfo(r.Folder).isDir()) {
        udtLines.push_back({true, QCoreApplication::translate("basJoinFormText", "%1: no such folder").arg(r.Folder)});
        return udtLines;
    }

    // From the read of core.lrc to its write under the folder's lock: an editor's Save or an update
    // waits for the join instead of writing over it.
    clsFolderTransaction objChange;
    QString strReason;
    if (!objChange.Begin(r.Folder, strReason)) {
        udtLines.push_back({true, strReason});
        return udtLines;
    }
    if (const QString strProblem = objChange.StateProblem(); !strProblem.isEmpty()) {
        udtLines.push_back({true, strProblem + QCoreApplication::translate("basJoinFormText", "; nothing was written")});
        return udtLines;
    }
    QString strCore = FindLanguageFile(r.Folder, enuFileKind::ControlText);
    const bool booExists = !strCore.isEmpty();
    if (!booExists) strCore = QDir(r.Folder).filePath(LanguageFileName(enuFileKind::ControlText));
    QByteArray bytOld;
    QVector<ControlTextItem> udtCore;
    bool booMark = false;
    for (const QString& strFile : r.FormFiles)
        if (booExists && fs::SameFile(strFile, strCore)) {
            udtLines.push_back({true, QCoreApplication::translate("basJoinFormText", "%1: this is the folder's core.lrc itself, not a form file; nothing was written").arg(strFile)});
            return udtLines;
        }
    // And the file's own lock, which a writer of core.lrc alone (the editor's Save, write) takes.
    clsFileLock objCoreLock;
    if (booExists && !objCoreLock.Lock(strCore, strReason)) {
        udtLines.push_back({true, strReason});
        return udtLines;
    }
    if (booExists && !ReadFormTexts(strCore, objCodePage, udtCore, udtLines, bytOld, &booMark)) return udtLines;

    const udtJoinPlan udtPlan = JoinFormTexts(udtCore, udtForms, r.Prune);
    for (const ControlTextItem& udtGone : udtPlan.Gone)
        udtLines.push_back({false, QCoreApplication::translate("basJoinFormText", "%1: %2 is no longer on its form%3")
                                       .arg(strCore, KeyOf(udtGone), r.Prune ? QCoreApplication::translate("basJoinFormText", ", removed") : QString())});
    QByteArray bytNew;
    udtFileIssue udtError;
    if (!WriteControlText(udtPlan.Table, objCodePage, booMark, bytNew, udtError)) {
        udtLines.push_back({true, QCoreApplication::translate("basJoinFormText", "%1: not written: %2").arg(strCore, udtError.Reason)});
        return udtLines;
    }
    const QString strCounts = QCoreApplication::translate("basJoinFormText", "%1 added, %2 changed, %3 removed")
                                  .arg(udtPlan.Added)
                                  .arg(udtPlan.Changed)
                                  .arg(r.Prune ? udtPlan.Gone.size() : 0);
    // Texts the same as before leave the file as it is, even where the store would write it otherwise
    // (the blank a harvest puts after a tab caption's colon).
    if (booExists && (bytNew == bytOld || (udtPlan.Added == 0 && udtPlan.Changed == 0 && (!r.Prune || udtPlan.Gone.isEmpty())))) {
        udtLines.push_back({false, strCore + QCoreApplication::translate("basJoinFormText", ": no change, not written")});
        pbooSuccess = true;
        return udtLines;
    }
    const udtFolderCommit udtCommit = objChange.Commit(objChange.State(), {{enuFileKind::ControlText, [&](QString& pstrWhy) {
        return WriteFileAtomically(strCore, bytNew, pstrWhy, booExists, booExists ? &bytOld : nullptr);
    }}});
    const udtWrittenFile& udtWritten = udtCommit.Files.front();
    pbooSuccess = udtWritten.Written;
    udtLines.push_back(udtWritten.Written ? udtReportLine{false, QCoreApplication::translate("basJoinFormText", "%1: %2, written").arg(strCore, strCounts)}
                                          : udtReportLine{true, QCoreApplication::translate("basJoinFormText", "%1: %2, not written: %3").arg(strCore, strCounts, udtWritten.Reason)});
    return udtLines;
}

}  // namespace

std::vector<udtReportLine> JoinIntoFolder(const udtJoinRequest& r, bool& pbooSuccess)
{
    std::vector<udtReportLine> udtLines = JoinControlText(r, pbooSuccess);
    if (pbooSuccess) JoinLayouts(r, udtLines, pbooSuccess);
    return udtLines;
}

}  // namespace tralyx
