#include "runtime/clsLanguageFolder.h"

#include "common/basFileSystem.h"
#include "store/basFileKind.h"
#include "store/basMessagesFormat.h"
#include "store/basSecondaryFormat.h"
#include "store/basTableFile.h"

namespace tralyx {
namespace {

// FNV-1a over the path's bytes, then a final mix so that the low bits, which pick the slot, depend
// on all of it.
uint32_t PathHash(QByteArrayView pbytForm, QByteArrayView pbytControl, uint8_t pbytIndex)
{
    uint32_t lngHash = 2166136261u;
    const auto Add = [&lngHash](uint32_t plngUnit) { lngHash = (lngHash ^ plngUnit) * 16777619u; };
    for (const char chr : pbytForm) Add(static_cast<uint8_t>(chr));
    Add(0x100);  // a separator no byte can be
    for (const char chr : pbytControl) Add(static_cast<uint8_t>(chr));
    Add(0x100u + pbytIndex);
    lngHash ^= lngHash >> 16;
    lngHash *= 0x85ebca6bu;
    lngHash ^= lngHash >> 13;
    return lngHash;
}

// "file:line: reason", or "file: reason" for the file as a whole (whose reason may name it already).
QString IssueText(const QString& pstrFileName, const udtFileIssue& pudtIssue)
{
    if (pudtIssue.Line > 0) return QStringLiteral("%1:%2: %3").arg(pstrFileName, QString::number(pudtIssue.Line), pudtIssue.Reason);
    if (pudtIssue.Reason.startsWith(pstrFileName + u' ')) return pstrFileName + u':' + pudtIssue.Reason.mid(pstrFileName.size());
    return pstrFileName + QStringLiteral(": ") + pudtIssue.Reason;
}

}  // namespace

bool clsLanguageFolder::Load(const QString& pstrFolder, const QString& pstrCodePage, QString& pstrError, bool pbooMayLack)
{
    const clsCodePage objCodePage(pstrCodePage);
    if (!objCodePage.IsValid()) {
        pstrError = objCodePage.Problem();
        return false;
    }
    const auto Path = [&](enuFileKind penuKind) { return pstrFolder + u'/' + LanguageFileName(penuKind); };
    try {
        // core.lrc: its bytes and where each entry's lines start.
        const QString strCore = Path(enuFileKind::ControlText);
        QByteArray bytCore;
        QString strReason;
        const auto Lacks = [&](const QString& pstrFile) { return pbooMayLack && fs::KindOfPath(pstrFile) == fs::enuPathKind::Missing; };
        if (!Lacks(strCore) && !ReadWholeFile(strCore, bytCore, strReason)) {
            pstrError = IssueText(strCore, {0, strReason});
            return false;
        }
        udtControlTextRead udtCore;
        QVector<udtEntryLines> udtEntries;
        IndexControlText(bytCore, objCodePage, udtCore, udtEntries);
        if (!udtCore.Success) {
            pstrError = IssueText(strCore, udtCore.Error);
            return false;
        }
        udtMessagesRead udtMessages;
        udtSecondaryRead udtTexts;
        udtFileStamp udtStamp;
        const auto ReadTable = [&](enuFileKind penuKind, auto pfnRead, auto& pudtRead) {
            if (Lacks(Path(penuKind))) pfnRead(QByteArray(), objCodePage, pudtRead);
            else ReadTableFile(Path(penuKind), pstrCodePage, pfnRead, pudtRead, udtStamp);
            if (!pudtRead.Success) pstrError = IssueText(Path(penuKind), pudtRead.Error);
            return pudtRead.Success;
        };
        if (!ReadTable(enuFileKind::Messages, &ReadMessages, udtMessages) || !ReadTable(enuFileKind::Secondary, &ReadSecondary, udtTexts))
            return false;

        // The index: each path's first entry, as SetFormText finds it.
        std::vector<uint32_t> lngHashes(static_cast<size_t>(udtEntries.size()));
        size_t lngSlots = 16;
        while (lngSlots < 2 * lngHashes.size()) lngSlots *= 2;
        std::vector<int32_t> lngTable(lngSlots, -1);

        mstrFolder = pstrFolder;
        mobjCodePage = objCodePage;
        mbytCore = std::move(bytCore);
        mudtEntries = std::move(udtEntries);
        mlngHashes = std::move(lngHashes);
        mlngSlots = std::move(lngTable);
        mlngMask = lngSlots - 1;
        for (qsizetype i = 0; i < mudtEntries.size(); ++i) {
            const udtEntryLines& udtEntry = mudtEntries[i];
            const udtEntryPath udtPath = EntryLinePath(mbytCore, udtEntry.ToolTip >= 0 ? udtEntry.ToolTip : udtEntry.Caption);
            const uint32_t lngHash = PathHash(udtPath.Form, udtPath.Control, udtPath.Index);
            mlngHashes[static_cast<size_t>(i)] = lngHash;
            int32_t& lngSlot = mlngSlots[Slot(lngHash, udtPath.Form, udtPath.Control, udtPath.Index)];
            if (lngSlot < 0) lngSlot = static_cast<int32_t>(i);
        }
        mudtMessages = std::move(udtMessages.Table);
        mstrTexts = std::move(udtTexts.Table);
        return true;
    } catch (const std::bad_alloc&) {
        pstrError = pstrFolder + QStringLiteral(": not enough memory to read the language");
        return false;
    }
}

size_t clsLanguageFolder::Slot(uint32_t plngHash, QByteArrayView pbytForm, QByteArrayView pbytControl,
                               uint8_t pbytIndex) const
{
    for (size_t lngSlot = plngHash & mlngMask;; lngSlot = (lngSlot + 1) & mlngMask) {
        const int32_t lngEntry = mlngSlots[lngSlot];
        if (lngEntry < 0) return lngSlot;
        if (mlngHashes[static_cast<size_t>(lngEntry)] != plngHash) continue;
        const udtEntryLines& udtEntry = mudtEntries[lngEntry];
        const udtEntryPath udtPath = EntryLinePath(mbytCore, udtEntry.ToolTip >= 0 ? udtEntry.ToolTip : udtEntry.Caption);
        if (udtPath.Index == pbytIndex && udtPath.Control == pbytControl && udtPath.Form == pbytForm) return lngSlot;
    }
}

bool clsLanguageFolder::NameBytes(QStringView pstrName, QByteArray& pbytOut) const
{
    pbytOut.resize(0);
    return mobjCodePage.Encode(pstrName, pbytOut);
}

int32_t clsLanguageFolder::FindEntry(QByteArrayView pbytForm, QByteArrayView pbytControl, uint8_t pbytIndex) const
{
    if (mlngSlots.empty()) return -1;
    return mlngSlots[Slot(PathHash(pbytForm, pbytControl, pbytIndex), pbytForm, pbytControl, pbytIndex)];
}

QString clsLanguageFolder::TextAt(int32_t plngLine) const
{
    return plngLine < 0 ? QString() : EntryLineText(mbytCore, plngLine, mobjCodePage);
}

}  // namespace tralyx
