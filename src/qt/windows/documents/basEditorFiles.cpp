#include "windows/documents/basEditorFiles.h"

#include "common/basDesktop.h"
#include "common/basFileSystem.h"
#include "common/clsCodePage.h"
#include "common/clsFileLock.h"
#include "store/basControlTextFormat.h"

#include <QCoreApplication>
#include <QStringList>

namespace tralyx {
namespace {

// The translation context of this module's texts.
struct basEditorFiles {
    Q_DECLARE_TR_FUNCTIONS(basEditorFiles)
};

bool ConfirmOverwriteOfOtherChanges(const clsTralyx& pobjStore, enuFileKind penuKind, const QString& pstrFile)
{
    // Another program (or another copy of Tralyx) may have changed the file since this window's
    // table was read or last saved; writing over it would lose that work without a word.
    const udtFileStamp& udtKnown = (pobjStore.*FileKind(penuKind).Stamp)();
    const udtFileStamp udtNow = udtFileStamp::Of(pstrFile);
    if (!udtKnown.Exists || !udtNow.Exists || udtNow == udtKnown) return true;
    return MsgBox(basEditorFiles::tr("The file %1 was changed by another program after Tralyx read it.\r\n"
                                     "Do you want to overwrite it anyway?")
                      .arg(pstrFile),
                  vbExclamation + vbYesNo + vbDefaultButton2, basEditorFiles::tr("File changed")) == vbYes;
}

QString KindName(enuFileKind penuKind)
{
    switch (penuKind) {
    case enuFileKind::ControlText: return basEditorFiles::tr("control text (core.lrc)");
    case enuFileKind::Secondary: return basEditorFiles::tr("procedural text (secondary.lrc)");
    case enuFileKind::Messages: break;
    }
    return basEditorFiles::tr("messages (messages.lrc)");
}

// Texts read from a harvested file that core.lrc has no line for: their boxes are read-only, and a
// save leaves them out. Asked once: the answer stands for the window's later saves.
bool ConfirmDropUnwritable(const clsTralyx& pobjStore, enuFileKind penuKind, const QString& pstrOwnFile, bool& pbooAgreed)
{
    if (penuKind != enuFileKind::ControlText) return true;
    const QVector<udtUnwritableText> udtLost = UnwritableTexts(pobjStore.ControlTextTable());
    if (udtLost.isEmpty()) return true;
    QStringList strTexts;
    for (const udtUnwritableText& udtText : udtLost) strTexts.append(udtText.Id + QStringLiteral(": ") + udtText.Text);
    const QString strPrompt = basEditorFiles::tr("%1 text(s) of %2 cannot be kept in core.lrc (the caption of a \"txt\" control, "
                                                 "the tool-tip of an \"mnu\" or \"[cap\" control) and would be left out.\r\n"
                                                 "Save without them?")
                                  .arg(QString::number(udtLost.size()), pstrOwnFile);
    pbooAgreed = MsgBox(strPrompt, vbQuestion + vbYesNo + vbDefaultButton2, basEditorFiles::tr("Texts not saved"),
                        strTexts.join(u'\n')) == vbYes;
    return pbooAgreed;
}

}  // namespace

QString WhyNotOpened(const QString& pstrPath)
{
    if (!fs::FileNameFaithful(pstrPath)) return fs::UnfaithfulNameReason();
    if (!FileKindOfPath(pstrPath)) return basEditorFiles::tr("not core.lrc, messages.lrc or secondary.lrc");
    return QString();
}

void SayNotOpened(const QStringList& pstrFiles)
{
    if (pstrFiles.isEmpty()) return;
    MsgBox(basEditorFiles::tr("Tralyx opens core.lrc, messages.lrc and secondary.lrc (in any letter case) and tells them by "
                              "their names.\r\n\r\nNot opened:\r\n") +
               pstrFiles.join(QStringLiteral("\r\n")),
           vbExclamation, basEditorFiles::tr("Files not opened"));
}

bool LoadTable(clsTralyx& pobjStore, enuFileKind penuKind, const QString& pstrPath)
{
    bool booSuccess = false;
    LoadFile(pobjStore, penuKind, pstrPath, booSuccess);
    if (booSuccess) return true;
    // The line and the reason in the box itself; skipped lines in its details. A file that could
    // not be read at all (a FIFO, a folder, no permission) is not corrupt: the reason says what it is.
    QString strDetails = pobjStore.LastError().Text();
    for (const udtFileIssue& udtWarning : pobjStore.LastWarnings()) strDetails += u'\n' + basEditorFiles::tr("skipped %1").arg(udtWarning.Text());
    MsgBox((pobjStore.LastError().Line > 0 ? basEditorFiles::tr("The file %1 is corrupt!\r\n\r\n%2")
                                           : basEditorFiles::tr("The file %1 could not be read.\r\n\r\n%2"))
               .arg(pstrPath, pobjStore.LastError().Text()),
           vbCritical, basEditorFiles::tr("Couldn't load %1").arg(pstrPath), strDetails);
    return false;
}

bool ConfirmSaveAsKind(const QString& pstrTarget, int32_t plngEditType)
{
    // A messages table written as secondary.lrc would be lost to both.
    const std::optional<enuFileKind> enuTarget = FileKindOfPath(pstrTarget);
    if (!enuTarget || static_cast<int32_t>(*enuTarget) == plngEditType) return true;
    const enuFileKind enuOwn = plngEditType == int32_t(enuFileKind::ControlText) ? enuFileKind::ControlText
                               : plngEditType == int32_t(enuFileKind::Secondary) ? enuFileKind::Secondary
                                                                                 : enuFileKind::Messages;
    return MsgBox(basEditorFiles::tr("The file %1 would be read as %2, but this window holds %3.\r\n"
                                     "Do you want to save it under this name anyway?")
                      .arg(pstrTarget, KindName(*enuTarget), KindName(enuOwn)),
                  vbExclamation + vbYesNo + vbDefaultButton2, basEditorFiles::tr("Save As")) == vbYes;
}

bool SayNotSaved(const QString& pstrTarget, const QString& pstrReason)
{
    MsgBox(basEditorFiles::tr("The file %1 could not be saved.\r\n\r\n%2").arg(pstrTarget, pstrReason), vbCritical,
           basEditorFiles::tr("Couldn't save %1").arg(pstrTarget), pstrReason);
    return false;
}

bool SaveTable(clsTralyx& pobjStore, enuFileKind penuKind, const QString& pstrTarget, const QString& pstrOwnFile,
               const QVector<udtFileIssue>& pudtSkippedLines, bool& pbooUnwritableAgreed, bool pbooAskOverwrite)
{
    const auto Failed = [&pstrTarget](const QString& pstrReason) { return SayNotSaved(pstrTarget, pstrReason); };
    if (!fs::FileNameFaithful(pstrTarget)) return Failed(fs::UnfaithfulNameReason());  // Save As: a name Qt could not carry
    // From the check for other programs' changes to the replace, tralyx-lrc's import and update wait.
    clsFileLock objLock;
    if (QString strLocked; !objLock.Lock(pstrTarget, strLocked, 2000)) return Failed(strLocked);
    if (pstrTarget == pstrOwnFile && !ConfirmOverwriteOfOtherChanges(pobjStore, penuKind, pstrOwnFile)) return false;
    if (!pudtSkippedLines.isEmpty()) {
        QStringList strLines;
        for (const udtFileIssue& udtLine : pudtSkippedLines) strLines.append(udtLine.Text());
        const int32_t lngAnswer =
            MsgBox(basEditorFiles::tr("When %1 was opened, %2 line(s) of it could not be read and were skipped.\r\n"
                                      "Save without them?")
                       .arg(pstrOwnFile, QString::number(pudtSkippedLines.size())),
                   vbQuestion + vbYesNo + vbDefaultButton2, basEditorFiles::tr("Skipped lines"), strLines.join(u'\n'));
        if (lngAnswer != vbYes) return false;
    }
    if (!pbooUnwritableAgreed && !ConfirmDropUnwritable(pobjStore, penuKind, pstrOwnFile, pbooUnwritableAgreed)) return false;
    bool booSuccess = false;
    if (!pbooAskOverwrite && pstrTarget == pstrOwnFile) pobjStore.LeaveToReplace(pstrTarget);
    SaveFile(pobjStore, penuKind, pstrTarget, booSuccess);
    pobjStore.LeaveToReplace(QString());  // a save that stopped before the question leaves no leave behind
    // A declined overwrite is the translator's own choice; any other failure must not pass
    // silently, or the window would look saved.
    if (!booSuccess) return pobjStore.LastError().Declined ? false : Failed(pobjStore.LastError().Text());
    return true;
}

void WarnUnencodable(const QString& pstrCodePage, const QString& pstrText)
{
    // Said now, while the translator still has the row in front of them, not when a save fails.
    const clsCodePage objCodePage(pstrCodePage);
    if (!objCodePage.IsValid()) return;
    const QString strCharacters = objCodePage.Unencodable(pstrText);
    if (strCharacters.isEmpty()) return;
    QStringList strShown;
    for (const QChar chr : strCharacters) strShown << QString(chr);
    MsgBox(basEditorFiles::tr("The code page %1 of this file cannot write these characters: %2\r\n"
                              "They were committed, but the file cannot be saved until they are replaced.")
               .arg(objCodePage.Name(), strShown.join(u' ')),
           vbExclamation, basEditorFiles::tr("Characters the file cannot hold"));
}

}  // namespace tralyx
