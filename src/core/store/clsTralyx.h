#pragma once
// The text store: the three tables of one language folder, their files, and the two faces built on
// them (the editor's: load, list, edit, save, merge; the translated application's: apply text to
// forms, harvest a form's text, show messages, hand out procedural text).
//
// Names follow the classic convention of this code base: prefixes p (parameter), m (member),
// g (global); type tags str (QString), int (int16_t), lng (int32_t), byt (uint8_t), boo (bool),
// udt (record), obj (object).
#include "common/clsCodePage.h"
#include "store/udtFileStamp.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <cstdint>
#include <memory>
#include <mutex>
#include <utility>

namespace tralyx {

struct ControlTextItem {
    QString FormName;
    QString ControlName;
    uint8_t Index = 0;
    QString Caption;
    QString ToolTip;
    bool operator==(const ControlTextItem&) const = default;
};

struct MessageItem {
    uint8_t Identifier = 0;
    QString Message;
    QString Title;
    bool operator==(const MessageItem&) const = default;
};

// Why a load or save failed (Line 0 when it concerns the file as a whole), or a line that a reader
// skipped.
struct udtFileIssue {
    int64_t Line = 0;  // wide: a JSON document or a future reader may count past 2^31 lines
    QString Reason;
    bool Declined = false;  // a save that failed only because the overwrite question was answered No
    QString Text() const;  // "line 12: reason", or the reason alone for line 0
    bool operator==(const udtFileIssue&) const = default;
};

class clsListItems;
class clsForm;
class clsFormTextIndex;  // clsTralyx_FormText.cpp

// The control-text table indexed by form for the run-time lookups: built when first needed, dropped
// whenever the table changes. A copy or an assignment starts without one, since its table is another.
class clsFormTextCache {
public:
    clsFormTextCache() = default;
    clsFormTextCache(const clsFormTextCache&) noexcept {}
    clsFormTextCache& operator=(const clsFormTextCache&) noexcept
    {
        Clear();
        return *this;
    }
    void Clear() noexcept;
    // The index of pudtTable, built now when there is none. Safe to call from several threads.
    std::shared_ptr<const clsFormTextIndex> Get(const QVector<ControlTextItem>& pudtTable) const;

private:
    mutable std::mutex mobjLock;
    mutable std::shared_ptr<const clsFormTextIndex> mobjIndex;
};

struct udtUpdateReport;  // udtUpdateReport.h
class clsControl;

template <class TTable>
struct udtFileRead;

class clsTralyx {
public:
    // Largest tables the formats and the list can address.
    static constexpr int32_t MaxRecords = 32767;
    static constexpr int32_t MaxMessages = 255;

    // ---- Tables ---------------------------------------------------------------------------------
    const QVector<ControlTextItem>& ControlTextTable() const { return mudtControlText; }
    const QVector<MessageItem>& MessageTable() const { return mudtMessages; }
    const QStringList& SecondaryTable() const { return mstrSecondary; }
    // Replace a table whole; it is then written in the store's current code page.
    void SetControlTextTable(QVector<ControlTextItem> pudtTable);
    void SetMessageTable(QVector<MessageItem> pudtTable);
    void SetSecondaryTable(QStringList pstrTable);

    // The line of its file where each record starts (1-based), as the last load read them; empty for
    // a table that was not read from a file. Reports name entries by these lines.
    const QVector<int32_t>& ControlTextLines() const { return mlngControlTextLines; }
    // core.lrc: the line of each record's caption line, 0 where it has none (its tool-tip line, when
    // it has one, comes first).
    const QVector<int32_t>& ControlTextCaptionLines() const { return mlngControlTextCaptionLines; }
    // messages.lrc: the line of each record's title line, 0 where it has none.
    const QVector<int32_t>& MessageTitleLines() const { return mlngMessageTitleLines; }
    const QVector<int32_t>& MessageLines() const { return mlngMessageLines; }
    const QVector<int32_t>& SecondaryLines() const { return mlngSecondaryLines; }

    // ---- Code page ------------------------------------------------------------------------------
    // The code page of the next loads (default windows-1252). A table is written back in the code
    // page it was read with.
    const QString& CodePage() const { return mstrCodePage; }
    // False, unchanged, when Qt does not know the name or the code page cannot carry these files
    // (clsCodePage::Problem says why).
    bool SetCodePage(const QString& pstrName);
    const QString& ControlTextCodePage() const { return mstrControlTextCodePage; }
    const QString& MessagesCodePage() const { return mstrMessagesCodePage; }
    const QString& SecondaryCodePage() const { return mstrSecondaryCodePage; }

    // The next save to this file replaces it without the "Overwrite file" question: the user gave
    // leave beforehand. Good for that one save only.
    void LeaveToReplace(const QString& pstrFileName) { mstrLeaveToReplace = pstrFileName; }

    // ---- What the last load or save said --------------------------------------------------------
    const udtFileIssue& LastError() const { return mudtLastError; }
    const QVector<udtFileIssue>& LastWarnings() const { return mudtLastWarnings; }  // lines the last load skipped
    // The file as the last load or successful save of each table left it.
    const udtFileStamp& ControlTextStamp() const { return mudtControlTextStamp; }
    const udtFileStamp& MessagesStamp() const { return mudtMessagesStamp; }
    const udtFileStamp& SecondaryStamp() const { return mudtSecondaryStamp; }
    // The bytes the next loads read, kept for a caller that looks at them as well (empty when a
    // file could not be read), so that it does not read the file a second time.
    void KeepLoadedBytes(bool pbooKeep) { mbooKeepBytes = pbooKeep; }
    QByteArray TakeLoadedBytes() { return std::exchange(mbytLoaded, QByteArray()); }

    // ---- Setters and procedural text ------------------------------------------------------------
    void SetMessageText(int16_t pintIndex, const QString& pstrTitle, const QString& pstrMessage);
    void SetSecondary(int16_t pintIndex, const QString& pstrText);
    void SetControlTextItem(int16_t pintIndex, const QString& pstrCaption, const QString& pstrToolTip);
    QString RuntimeTextItem(uint8_t bytIndex) const;  // throws clsSubscriptOutOfRange

    // ---- Files ----------------------------------------------------------------------------------
    void LoadControlText(const QString& pstrFileName, bool& pbooSuccess);
    void SaveControlText(const QString& pstrFileName, bool& pbooSuccess);
    void LoadMessagesFromResource(const QString& pstrFileName, bool& pbooSuccess);
    void SaveMessageText(const QString& pstrFileName, bool& pbooSuccess);
    void LoadPreceduralTextFromResource(const QString& pstrFileName, bool& pbooSuccess);
    void SaveSecondaryText(const QString& pstrFileName, bool& pbooSuccess);

    // The lines of one core.lrc entry text: "Path.Tag:text", one line per text line, joined by a lone
    // CR, without the final line end. pbooBlankAfterColon puts one blank after the first colon (the
    // caption lines of tabs).
    static QString FormatEntryLines(const QString& pstrObjectPath, QChar pchrTag, const QString& pstrText,
                                    bool pbooBlankAfterColon = false);
    static QString ObjectPath(const ControlTextItem& pudtItem);
    static void AppendObjectPath(QString& pstrOut, const ControlTextItem& pudtItem);

    // ---- Filling the editor list ----------------------------------------------------------------
    void DisplayControlText(clsListItems& plvwDestinationListView) const;
    void DisplayMessages(clsListItems& plvwDestinationListView) const;
    void DisplaySecondary(clsListItems& plvwDestinationListView) const;

    // ---- Run-time face ---------------------------------------------------------------------------
    void SetFormText(clsForm& pfrmPassedForm) const;
    void SetControlText(clsForm& pfrmContainingForm, clsControl& pctlControlName, uint8_t pbytIndex,
                        bool pbooResizeControlToFit) const;
    void GetFormDimensions(clsForm& pfrmPassedForm) const;
    void BuildFormTextList(clsForm& pfrmPassedForm) const;
    int32_t DisplayMessage(uint8_t pbytMessageIdentifier, const QString& pstrReplacementString, int32_t pintOptions,
                           const QString& pstrTitle = QString(), const QString& pstrMessage = QString()) const;

    // ---- Update merge ---------------------------------------------------------------------------
    // Each merges its file of the old (translated) folder with the same file of the new folder into
    // the destination folder, and reports what it did (include udtUpdateReport.h to call them).
    // pbooWrite false merges without writing anything.
    udtUpdateReport UpdateControlText(const QString& pstrOriginalPath, const QString& pstrNewPath,
                                      const QString& pstrUpdatedPath, bool pbooWrite = true);
    udtUpdateReport UpdateMessages(const QString& pstrOriginalPath, const QString& pstrNewPath,
                                   const QString& pstrUpdatedPath, bool pbooWrite = true);
    udtUpdateReport UpdateSecondaryText(const QString& pstrOriginalPath, const QString& pstrNewPath,
                                        const QString& pstrUpdatedPath, bool pbooWrite = true);

private:
    // Asks before replacing an existing file and writes the bytes atomically; false (reason kept)
    // when declined or failed.
    bool WriteWholeFile(const QString& pstrFileName, const QByteArray& pbytContent, udtFileStamp& pudtStamp);
    // Reads the file with pfnRead in the store's code page into one table's members, and the result
    // into LastError and LastWarnings; true when the whole file was read (basTableFile.h).
    template <class TTable>
    bool LoadTableFile(void (*pfnRead)(const QByteArray&, const clsCodePage&, udtFileRead<TTable>&),
                       const QString& pstrFileName, TTable& pudtTable, QVector<int32_t>& plngLines,
                       QString& pstrCodePage, bool& pbooMark, udtFileStamp& pudtStamp,
                       QVector<int32_t>* plngSecondLines = nullptr);
    // Formats the table with pfnWrite and writes it with WriteWholeFile (basTableFile.h).
    template <class TTable>
    void SaveTableFile(bool (*pfnWrite)(const TTable&, const clsCodePage&, bool, QByteArray&, udtFileIssue&),
                       const TTable& pudtTable, const QString& pstrCodePage, bool pbooMark,
                       const QString& pstrFileName, udtFileStamp& pudtStamp, bool& pbooSuccess);
    void Fail(int64_t plngLine, const QString& pstrReason);
    // Every change of the control-text table goes through here, so that no lookup sees a stale index.
    void ControlTextChanged() noexcept { mobjFormTextIndex.Clear(); }

    QVector<ControlTextItem> mudtControlText;
    clsFormTextCache mobjFormTextIndex;
    QVector<MessageItem> mudtMessages;
    QStringList mstrSecondary;
    QVector<int32_t> mlngControlTextLines;
    QVector<int32_t> mlngControlTextCaptionLines;
    QVector<int32_t> mlngMessageLines;
    QVector<int32_t> mlngMessageTitleLines;
    QVector<int32_t> mlngSecondaryLines;

    QString mstrCodePage = QString::fromLatin1(clsCodePage::DefaultName);
    QString mstrControlTextCodePage = mstrCodePage;
    QString mstrMessagesCodePage = mstrCodePage;
    QString mstrSecondaryCodePage = mstrCodePage;
    // A UTF-8 file that started with a byte-order mark keeps it.
    bool mbooControlTextMark = false;
    bool mbooMessagesMark = false;
    bool mbooSecondaryMark = false;

    udtFileStamp mudtControlTextStamp;
    udtFileStamp mudtMessagesStamp;
    udtFileStamp mudtSecondaryStamp;

    udtFileIssue mudtLastError;
    QVector<udtFileIssue> mudtLastWarnings;
    bool mbooKeepBytes = false;
    QByteArray mbytLoaded;
    QString mstrLeaveToReplace;
};

}  // namespace tralyx
