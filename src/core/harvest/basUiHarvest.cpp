#include "harvest/basUiHarvest.h"

#include "common/clsRuntimeError.h"
#include "harvest/clsUiForm.h"
#include "store/basLayoutFile.h"
#include "store/basSafeFile.h"

#include <QCoreApplication>
#include <QDir>

namespace tralyx {

QString FileIssueText(const QString& pstrFileName, const udtFileIssue& pudtIssue)
{
    if (pudtIssue.Line > 0) return QStringLiteral("%1:%2: %3").arg(pstrFileName).arg(pudtIssue.Line).arg(pudtIssue.Reason);
    if (pudtIssue.Reason.startsWith(pstrFileName + u' ')) return pstrFileName + u':' + pudtIssue.Reason.mid(pstrFileName.size());
    return pstrFileName + QStringLiteral(": ") + pudtIssue.Reason;
}

udtUiHarvest HarvestUiFile(const QString& pstrUiFile, const QString& pstrFolder, const clsCodePage& pobjCodePage)
{
    udtUiHarvest udtOut;
    QByteArray bytUi;
    QString strReason;
    udtFileIssue udtError;
    clsUiForm frmForm;
    if (!ReadWholeFile(pstrUiFile, bytUi, strReason)) {
        udtOut.Error = FileIssueText(pstrUiFile, {0, strReason});
        return udtOut;
    }
    if (!frmForm.Parse(bytUi, udtError)) {
        udtOut.Error = FileIssueText(pstrUiFile, udtError);
        return udtOut;
    }
    QByteArray bytContent;
    try {
        bytContent = WindowTextFileContent(frmForm, frmForm.Title(), frmForm.Menus(), pobjCodePage);
    } catch (const clsRuntimeError& e) {
        udtOut.Error = FileIssueText(pstrUiFile, {0, QString::fromStdString(e.what())});
        return udtOut;
    }
    udtOut.FormFile = QDir(pstrFolder).filePath(frmForm.Name() + QStringLiteral(".LRC"));
    udtControlTextRead udtRead;
    ReadControlText(bytContent, pobjCodePage, udtRead);
    udtOut.NotKept = UnwritableTexts(udtRead.Table);
    if (!QDir().mkpath(pstrFolder)) udtOut.Error = QCoreApplication::translate("basUiHarvest", "%1: cannot make the folder").arg(pstrFolder);
    else if (!WriteFileAtomically(udtOut.FormFile, bytContent, strReason)) udtOut.Error = strReason;
    if (!udtOut.Error.isEmpty()) return udtOut;
    udtFormLayout udtLayout;
    if (!frmForm.Layout(udtLayout, udtOut.Unplaced, udtOut.LayoutWhy)) return udtOut;
    const QString strLayoutFile = QDir(pstrFolder).filePath(FormLayoutName(udtLayout.Form));
    if (WriteLayoutFile(strLayoutFile, {udtLayout}, strReason)) udtOut.LayoutFile = strLayoutFile;
    else udtOut.LayoutWhy = strReason;
    return udtOut;
}

}  // namespace tralyx
