#pragma once
// One language folder as Translation holds it: its three files, read whole or not at all. core.lrc
// stays as its bytes with an index of its entries, and a caption or tool-tip is decoded only when it
// is asked for, so that a load is one pass over the bytes and the memory stays close to the file's
// size. messages.lrc and secondary.lrc are read into tables, as the store reads them.
//
// Read-only once loaded; Find and the texts of core.lrc may be used from one thread at a time (a
// multi-byte code page decodes with a converter of its own), the tables from any.
#include "common/clsCodePage.h"
#include "store/basControlTextFormat.h"
#include "store/basFileKind.h"
#include "store/clsFirstIndex.h"
#include "store/clsTralyx.h"

#include <array>
#include <optional>
#include <vector>

namespace tralyx {

class clsLanguageFolder {
public:
    // Reads core.lrc, messages.lrc and secondary.lrc of the folder in the code page, taking only
    // what the writers write (numbers in order, no line skipped). False, with "file:line: reason" (or
    // "file: reason" for the file as a whole), when one fails to load or is missing (unless
    // pbooMayLack: a missing file then reads as an empty one); the object is then unchanged. Doubts
    // that do not stop the load ("file:line: reason") are appended to pstrWarnings. Never throws.
    // The files are one version of the folder: read again while another program replaced one during
    // the read, and refused after MaxReadTries such reads.
    static constexpr int32_t MaxReadTries = 5;
    static constexpr int32_t ShareWaitMs = 2000;  // the longest a load waits for a writer's commit
    bool Load(const QString& pstrFolder, const QString& pstrCodePage, QString& pstrError, QStringList& pstrWarnings,
              bool pbooMayLack = false);

    const QString& Folder() const { return mstrFolder; }
    bool IsLoaded() const { return !mstrFolder.isEmpty(); }
    const clsCodePage& CodePage() const { return *mobjCodePage; }  // once loaded

    // The key of a form's control: "Form.Control" in the bytes core.lrc writes it in; false when the
    // code page cannot write the names.
    bool EntryKey(QStringView pstrForm, QStringView pstrControl, QByteArray& pbytOut) const;
    // The first entry of that key and index, as SetFormText finds it, or -1.
    int32_t FindEntry(QByteArrayView pbytKey, uint8_t pbytIndex) const;
    // Its texts; an entry without such a line gives an empty text and Has... false.
    bool HasCaption(int32_t plngEntry) const { return mudtEntries[plngEntry].Caption >= 0; }
    bool HasToolTip(int32_t plngEntry) const { return mudtEntries[plngEntry].ToolTip >= 0; }
    QString Caption(int32_t plngEntry) const { return TextAt(mudtEntries[plngEntry].Caption); }
    QString ToolTip(int32_t plngEntry) const { return TextAt(mudtEntries[plngEntry].ToolTip); }

    // Every entry of core.lrc, in file order (later duplicates too): its key bytes and index.
    qsizetype EntryCount() const { return mudtEntries.size(); }
    void EntryKeyAt(int32_t plngEntry, QByteArray& pbytKey, uint8_t& pbytIndex) const;

    // Whether the file of that kind had any entry (a missing or empty file has none).
    bool HasEntries(enuFileKind penuKind) const { return mbooHasEntries[static_cast<size_t>(penuKind)]; }

    const QVector<MessageItem>& Messages() const { return mudtMessages; }
    const QStringList& Texts() const { return mstrTexts; }

private:
    QString TextAt(int32_t plngLine) const;

    QString mstrFolder;
    // Made by the load: a folder never loaded (the compiled language's) builds no code page table.
    std::optional<clsCodePage> mobjCodePage;
    QByteArray mbytCore;
    QVector<udtEntryLines> mudtEntries;
    clsFirstIndex mobjFirstEntry;  // of each key and index, as SetFormText finds it
    QVector<MessageItem> mudtMessages;
    QStringList mstrTexts;
    std::array<bool, 3> mbooHasEntries{};  // by enuFileKind
};

}  // namespace tralyx
