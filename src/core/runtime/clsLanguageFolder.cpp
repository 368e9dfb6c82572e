#include "runtime/clsLanguageFolder.h"

#include "common/basFileSystem.h"
#include "store/basFileKind.h"
#include "store/basMessagesFormat.h"
#include "store/basSecondaryFormat.h"
#include "store/basTableFile.h"

#include <QHashFunctions>

namespace tralyx {
namespace {

// An entry's key: "Form.Control" as the file has it (neither name can hold a '.'), and its index.
QByteArrayView KeyOf(const udtEntryPath& pudtPath)
{
    return QByteArrayView(pudtPath.Form.data(), pudtPath.Control.data() + pudtPath.Control.size() - pudtPath.Form.data());
}

uint32_t KeyHash(QByteArrayView pbytKey, uint8_t pbytIndex)
{
    return static_cast<uint32_t>(qHashBits(pbytKey.data(), static_cast<size_t>(pbytKey.size()), pbytIndex));
}

bool SamePath(const udtEntryPath& pudtOne, const udtEntryPath& pudtOther)
{
    return pudtOne.Index == pudtOther.Index && KeyOf(pudtOne) == KeyOf(pudtOther);
}

// The object path of a record, read from whichever of its lines it has.
udtEntryPath RecordPath(QByteArrayView pbytCore, const udtEntryLines& pudtEntry)
{
    return EntryLinePath(pbytCore, pudtEntry.ToolTip >= 0 ? pudtEntry.ToolTip : pudtEntry.Caption);
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

        // The index: each path's first entry, as SetFormText finds it. Built before anything is
        // kept, so that running out of memory leaves the object unchanged.
        clsFirstIndex objFirstEntry;
        objFirstEntry.Build(
            udtEntries.size(),
            [&](qsizetype i) {
                const udtEntryPath udtPath = RecordPath(bytCore, udtEntries[i]);
                return KeyHash(KeyOf(udtPath), udtPath.Index);
            },
            [&](int32_t p, qsizetype i) { return SamePath(RecordPath(bytCore, udtEntries[p]), RecordPath(bytCore, udtEntries[i])); },
            [](qsizetype) {});

        mstrFolder = pstrFolder;
        mobjCodePage = objCodePage;
        mbytCore = std::move(bytCore);
        mudtEntries = std::move(udtEntries);
        mobjFirstEntry = std::move(objFirstEntry);
        mudtMessages = std::move(udtMessages.Table);
        mstrTexts = std::move(udtTexts.Table);
        return true;
    } catch (const std::bad_alloc&) {
        pstrError = pstrFolder + QStringLiteral(": not enough memory to read the language");
        return false;
    }
}

bool clsLanguageFolder::EntryKey(QStringView pstrForm, QStringView pstrControl, QByteArray& pbytOut) const
{
    pbytOut.resize(0);
    if (!mobjCodePage.Encode(pstrForm, pbytOut)) return false;
    pbytOut += '.';
    return mobjCodePage.Encode(pstrControl, pbytOut);
}

int32_t clsLanguageFolder::FindEntry(QByteArrayView pbytKey, uint8_t pbytIndex) const
{
    return mobjFirstEntry.Find(KeyHash(pbytKey, pbytIndex), [&](int32_t p) {
        const udtEntryPath udtPath = RecordPath(mbytCore, mudtEntries[p]);
        return udtPath.Index == pbytIndex && KeyOf(udtPath) == pbytKey;
    });
}

QString clsLanguageFolder::TextAt(int32_t plngLine) const
{
    return plngLine < 0 ? QString() : EntryLineText(mbytCore, plngLine, mobjCodePage);
}

}  // namespace tralyx
