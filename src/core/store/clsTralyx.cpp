// Tables, setters and what the three file formats share.
#include "store/clsTralyx.h"

#include "common/basDesktop.h"
#include "common/basFileSystem.h"
#include "common/clsRuntimeError.h"
#include "store/basSafeFile.h"
#include <utility>

#include <QCoreApplication>

namespace tralyx {

QString udtFileIssue::Text() const
{
    return Line > 0 ? QCoreApplication::translate("udtFileIssue", "line %1: %2").arg(Line).arg(Reason) : Reason;
}

void clsTralyx::SetControlTextTable(QVector<ControlTextItem> pudtTable)
{
    mudtControlText = std::move(pudtTable);
    ControlTextChanged();
    mlngControlTextLines.clear();
    mlngControlTextCaptionLines.clear();
    mstrControlTextCodePage = mstrCodePage;
    mbooControlTextMark = false;
}

void clsTralyx::SetMessageTable(QVector<MessageItem> pudtTable)
{
    mudtMessages = std::move(pudtTable);
    mlngMessageLines.clear();
    mlngMessageTitleLines.clear();
    mstrMessagesCodePage = mstrCodePage;
    mbooMessagesMark = false;
}

void clsTralyx::SetSecondaryTable(QStringList pstrTable)
{
    mstrSecondary = std::move(pstrTable);
    mlngSecondaryLines.clear();
    mstrSecondaryCodePage = mstrCodePage;
    mbooSecondaryMark = false;
}

bool clsTralyx::SetCodePage(const QString& pstrName)
{
    if (!clsCodePage(pstrName).IsValid()) return false;
    mstrCodePage = pstrName;
    return true;
}

void clsTralyx::SetMessageText(int16_t pintIndex, const QString& pstrTitle, const QString& pstrMessage)
{
    if (pintIndex < 0 || pintIndex >= mudtMessages.size()) return;
    mudtMessages[pintIndex].Message = pstrMessage;
    mudtMessages[pintIndex].Title = pstrTitle;
}

void clsTralyx::SetSecondary(int16_t pintIndex, const QString& pstrText)
{
    if (pintIndex < 0 || pintIndex >= mstrSecondary.size()) {
        MsgBox(QCoreApplication::translate("clsTralyx", "Index out-of-bounds setting secondary"), vbExclamation,
               QCoreApplication::translate("clsTralyx", "Doh!"));
        return;
    }
    mstrSecondary[pintIndex] = pstrText;
}

void clsTralyx::SetControlTextItem(int16_t pintIndex, const QString& pstrCaption, const QString& pstrToolTip)
{
    if (pintIndex < 0 || pintIndex >= mudtControlText.size()) {
        MsgBox(QCoreApplication::translate("clsTralyx", "Index out-of-bounds setting control text item"), vbExclamation,
               QCoreApplication::translate("clsTralyx", "Doh!"));
        return;
    }
    ControlTextChanged();
    mudtControlText[pintIndex].Caption = pstrCaption;
    mudtControlText[pintIndex].ToolTip = pstrToolTip;
}

QString clsTralyx::RuntimeTextItem(uint8_t bytIndex) const
{
    if (bytIndex >= mstrSecondary.size())
        throw clsSubscriptOutOfRange("procedural text " + std::to_string(bytIndex) + " does not exist");
    return mstrSecondary[bytIndex];
}

QString clsTralyx::ObjectPath(const ControlTextItem& pudtItem)
{
    QString strPath;
    AppendObjectPath(strPath, pudtItem);
    return strPath;
}

void clsTralyx::AppendObjectPath(QString& pstrOut, const ControlTextItem& pudtItem)
{
    // One allocation at most: a save and an update report build one path per record.
    char16_t chrIndex[3];
    qsizetype lngDigits = 0;
    for (unsigned lngIndex = pudtItem.Index;; lngIndex /= 10) {
        chrIndex[2 - lngDigits++] = static_cast<char16_t>(u'0' + lngIndex % 10);
        if (lngIndex < 10) break;
    }
    pstrOut.reserve(pstrOut.size() + pudtItem.FormName.size() + pudtItem.ControlName.size() + 2 + lngDigits);
    pstrOut += pudtItem.FormName;
    pstrOut += u'.';
    pstrOut += pudtItem.ControlName;
    pstrOut += u'.';
    pstrOut += QStringView(chrIndex + 3 - lngDigits, lngDigits);
}

void clsTralyx::Fail(int64_t plngLine, const QString& pstrReason) { mudtLastError = {plngLine, pstrReason}; }

bool clsTralyx::WriteWholeFile(const QString& pstrFileName, const QByteArray& pbytContent, udtFileStamp& pudtStamp)
{
    // Only a regular file is replaced, and only with leave; anything else fails before the question.
    QString strReason;
    const fs::enuPathKind enuKind = fs::KindOfPath(pstrFileName, &strReason);
    if (enuKind == fs::enuPathKind::Other || enuKind == fs::enuPathKind::Unreachable) {
        Fail(0, enuKind == fs::enuPathKind::Other ? strReason + QCoreApplication::translate("clsTralyx", "; not replaced") : strReason);
        return false;
    }
    // A dangling symlink is a name that is taken too: without leave, nothing is made where it points.
    const bool booMayReplace =
        enuKind == fs::enuPathKind::Regular || (enuKind == fs::enuPathKind::Missing && fs::NameTaken(pstrFileName));
    const bool booLeaveGiven = std::exchange(mstrLeaveToReplace, QString()) == pstrFileName;
    if (booMayReplace && !booLeaveGiven) {
        const int32_t lngAnswer =
            MsgBox(QCoreApplication::translate("clsTralyx", "The file %1 already exists.\r\nDo you want to overwrite it?")
                       .arg(pstrFileName),
                   vbQuestion + vbYesNo, QCoreApplication::translate("clsTralyx", "Overwrite file"));
        if (lngAnswer != vbYes) {
            Fail(0, QCoreApplication::translate("clsTralyx", "%1 already exists and was not overwritten").arg(pstrFileName));
            mudtLastError.Declined = true;
            return false;
        }
    }
    // Where nothing stood, nothing may be replaced: a file that appears meanwhile makes this fail.
    if (!WriteFileAtomically(pstrFileName, pbytContent, strReason, booMayReplace)) {
        Fail(0, strReason);
        return false;
    }
    pudtStamp = udtFileStamp::Of(pstrFileName, pbytContent);
    return true;
}

// Here rather than beside Get: every change of the table clears the cache, and the store must not
// need the run-time layer for that (the index's own destructor is bound where it is made).
void clsFormTextCache::Clear() noexcept
{
    const std::lock_guard objGuard(mobjLock);
    mobjIndex.reset();
}

}  // namespace tralyx
