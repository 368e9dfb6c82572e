#include "runtime/clsLanguageFolder.h"

#include "common/basFileSystem.h"
#include "common/clsFileLock.h"
#include "store/basFileKind.h"
#include "store/basMessagesFormat.h"
#include "store/basSavedAsUtf8.h"
#include "store/basSecondaryFormat.h"
#include "store/basSafeFile.h"

#include <QCoreApplication>
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

bool clsLanguageFolder::Load(const QString& pstrFolder, const QString& pstrCodePage, QString& pstrError,
                             QStringList& pstrWarnings, bool pbooMayLack)
{
    const clsCodePage objCodePage(pstrCodePage);
    if (!objCodePage.IsValid()) {
        pstrError = objCodePage.Problem();
        return false;
    }
    const auto Path = [&](enuFileKind penuKind) { return pstrFolder + u'/' + LanguageFileName(penuKind); };
    try {
        // Each file's bytes (none for a file the folder may lack), refused when they are not what
        // the code page reads, and warned about when they look like another.
        const auto Read = [&](enuFileKind penuKind, QByteArray& pbytOut) {
            const QString strFile = Path(penuKind);
            if (pbooMayLack && fs::KindOfPath(strFile) == fs::enuPathKind::Missing) return true;
            QString strReason;
            if (!ReadWholeFile(strFile, pbytOut, strReason)) {
                pstrError = IssueText(strFile, {0, strReason});
                return false;
            }
            // The mark says UTF-8: read in another code page, the first entry would take it for text.
            if (!objCodePage.IsUtf8() && pbytOut.startsWith("\xEF\xBB\xBF")) {
                pstrError = IssueText(strFile, {1, QCoreApplication::translate("clsLanguageFolder", "the file starts with a UTF-8 byte-order mark but is read as "
                                                                  "%1: load it as UTF-8, or save it in %1 without the mark")
                                                       .arg(objCodePage.Name())});
                return false;
            }
            if (const udtFileIssue udtDoubt = SavedAsUtf8(pbytOut, objCodePage); !udtDoubt.Reason.isEmpty())
                pstrWarnings.append(IssueText(strFile, udtDoubt));
            // The writers end every line; a hand edit may not, but so does a file cut short.
            if (!pbytOut.isEmpty() && !pbytOut.endsWith('\n') && !pbytOut.endsWith('\r'))
                pstrWarnings.append(IssueText(strFile, {0, QCoreApplication::translate("clsLanguageFolder", "the last line has no line end: is the file cut short?")}));
            return true;
        };
        const auto Failed = [&](enuFileKind penuKind, const udtFileIssue& pudtError) {
            pstrError = IssueText(Path(penuKind), pudtError);
            return false;
        };
        // The tables, each file read and dropped in turn.
        const auto ReadTable = [&](enuFileKind penuKind, auto pfnRead, auto& pudtRead) {
            QByteArray bytContent;
            if (!Read(penuKind, bytContent)) return false;
            pfnRead(bytContent, objCodePage, pudtRead);
            return pudtRead.Success || Failed(penuKind, pudtRead.Error);
        };
        const auto Identities = [&] {
            QByteArray bytAll;
            for (const enuFileKind enuKind : AllFileKinds) bytAll += fs::FileIdentity(Path(enuKind)) + '|';
            return bytAll;
        };
        QByteArray bytCore;
        udtControlTextRead udtCore;
        QVector<udtEntryLines> udtEntries;
        udtMessagesRead udtMessages;
        udtSecondaryRead udtTexts;
        // One folder as it was at one moment: a program that replaces the files one by one while
        // they are read would give the messages of one version and the texts of another. Read
        // again while any file changed during the read.
        // Tralyx's own writers replace the files under the folder's lock: waiting for its share gives
        // one commit's files (a writer that still holds it after a while is read past, and the
        // check below remains).
        clsFileLock objShare;
        QString strBusy;
        objShare.ShareFolder(pstrFolder, strBusy, ShareWaitMs);
        const qsizetype lngWarnings = pstrWarnings.size();
        for (int32_t lngTry = 1;; ++lngTry) {
            pstrWarnings.resize(lngWarnings);
            const QByteArray bytBefore = Identities();
            // core.lrc: its bytes and where each entry's lines start.
            bytCore.clear();
            if (!Read(enuFileKind::ControlText, bytCore)) return false;
            IndexControlText(bytCore, objCodePage, udtCore, udtEntries);
            if (!udtCore.Success) return Failed(enuFileKind::ControlText, udtCore.Error);
            if (!ReadTable(enuFileKind::Messages, &ReadMessagesExactly, udtMessages) ||
                !ReadTable(enuFileKind::Secondary, &ReadSecondaryExactly, udtTexts))
                return false;
            if (Identities() == bytBefore) break;
            if (lngTry == MaxReadTries) {
                pstrError = pstrFolder + QCoreApplication::translate("clsLanguageFolder", ": the files changed while they were read (%1 times): another "
                                                        "program is writing the folder; load it again when it is done")
                                             .arg(MaxReadTries);
                return false;
            }
        }

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
        mbooHasEntries[static_cast<size_t>(enuFileKind::ControlText)] = !mudtEntries.isEmpty();
        mbooHasEntries[static_cast<size_t>(enuFileKind::Messages)] = udtMessages.Lines.first() > 0;
        mbooHasEntries[static_cast<size_t>(enuFileKind::Secondary)] = udtTexts.Lines.first() > 0;
        return true;
    } catch (const std::bad_alloc&) {
        pstrError = pstrFolder + QCoreApplication::translate("clsLanguageFolder", ": not enough memory to read the language");
        return false;
    }
}

bool clsLanguageFolder::EntryKey(QStringView pstrForm, QStringView pstrControl, QByteArray& pbytOut) const
{
    pbytOut.resize(0);
    if (!mobjCodePage || !mobjCodePage->Encode(pstrForm, pbytOut)) return false;
    pbytOut += '.';
    return mobjCodePage->Encode(pstrControl, pbytOut);
}

int32_t clsLanguageFolder::FindEntry(QByteArrayView pbytKey, uint8_t pbytIndex) const
{
    return mobjFirstEntry.Find(KeyHash(pbytKey, pbytIndex), [&](int32_t p) {
        const udtEntryPath udtPath = RecordPath(mbytCore, mudtEntries[p]);
        return udtPath.Index == pbytIndex && KeyOf(udtPath) == pbytKey;
    });
}

void clsLanguageFolder::EntryKeyAt(int32_t plngEntry, QByteArray& pbytKey, uint8_t& pbytIndex) const
{
    const udtEntryPath udtPath = RecordPath(mbytCore, mudtEntries[plngEntry]);
    pbytKey = KeyOf(udtPath).toByteArray();
    pbytIndex = udtPath.Index;
}

QString clsLanguageFolder::TextAt(int32_t plngLine) const
{
    return plngLine < 0 ? QString() : EntryLineText(mbytCore, plngLine, *mobjCodePage);
}

}  // namespace tralyx
