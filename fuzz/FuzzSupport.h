#pragma once
// What the fuzz targets share: the formats' readers and writers on bytes, a scratch folder for the
// few checks that go through files, a desktop that answers the store's questions, the losses each
// file format defines, and a check that stops the run with a readable account when a property does
// not hold.
#include "common/basDesktop.h"
#include "common/clsCodePage.h"
#include "store/basFileKind.h"
#include "store/clsTralyx.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>
#include <string>
#include <vector>

namespace tralyx::fuzz {

// The code pages every target runs under: one single-byte, one double-byte, and UTF-8.
inline constexpr const char* CodePages[] = {"windows-1252", "windows-932", "UTF-8"};

// One code page object per name for the whole run: making one looks its tables up and opens Qt's
// converters afresh, which cost more than reading a small input.
const clsCodePage& SharedCodePage(const QString& pstrName);

// Prints what went wrong and aborts, so that libFuzzer keeps the input and a replay fails.
[[noreturn]] void Fail(const std::string& pstrWhat);
// Check(condition, what): the account is built only when the condition fails, so that checking
// costs the run next to nothing.
#define Check(pbooHolds, ...)                                          \
    do {                                                               \
        if (!(pbooHolds)) ::tralyx::fuzz::Fail(__VA_ARGS__);           \
    } while (false)
std::string Show(const QString& pstrText);  // quoted, control characters escaped

// A path in a folder of this process's own (in memory where /dev/shm exists), removed at exit;
// the folders on the way are made.
QString ScratchPath(const QString& pstrName);
void WriteBytes(const QString& pstrPath, const QByteArray& pbytContent);
QByteArray ReadBytes(const QString& pstrPath);
bool FileExists(const QString& pstrPath);
void RemoveFile(const QString& pstrPath);
// True when the folder holds nothing but the named files (no temporary file left behind).
bool FolderHoldsOnly(const QString& pstrFolder, const QStringList& pstrNames);

// Answers "Overwrite file" with Yes and every other box with OK, and remembers what it showed.
class clsFuzzDesktop : public clsDesktop {
public:
    static clsFuzzDesktop& Installed();  // installs it on first use

    int32_t MsgBox(const QString& pstrPrompt, int32_t plngStyle, const QString& pstrTitle,
                   const QString& pstrDetails) override;
    bool FileDialog(bool, const QString&, QString&) override { return false; }
    bool ChooseFolder(const QString&, QString&) override { return false; }
    QString ClipboardText() override { return QString(); }
    void SetClipboardText(const QString&) override {}

    void Clear() { mstrPrompts.clear(); mstrTitles.clear(); mlngStyles.clear(); }
    QStringList mstrPrompts;
    QStringList mstrTitles;
    std::vector<int32_t> mlngStyles;
    int32_t mlngNextAnswer = 0;  // 0: Yes for a Yes/No box, OK otherwise
};

// One kind of table read from bytes into the store (as a table set in the code page), or formatted
// into bytes; pbooMark is the UTF-8 byte-order mark the reader found or the writer puts first.
struct udtParsed {
    bool Success = false;
    bool Mark = false;
    udtFileIssue Error;
    QVector<udtFileIssue> Warnings;
    QVector<int32_t> Lines;
};
udtParsed Parse(clsTralyx& pobjStore, enuFileKind penuKind, const QByteArray& pbytContent, const QString& pstrCodePage);
bool Format(const clsTralyx& pobjStore, enuFileKind penuKind, const QString& pstrCodePage, bool pbooMark,
            QByteArray& pbytOut, udtFileIssue& pudtError);

// Loads or saves one kind of table through a file.
std::string Describe(const clsTralyx& pobjStore, enuFileKind penuKind);

// The losses the formats define.
QString WithCRLF(const QString& pstrText);             // every line break becomes CR LF
QString WithoutFirstLineBlanks(const QString& pstrText);  // blanks at the start of the first line go
bool WritesToolTipLine(const QString& pstrControlName);
bool WritesCaptionLine(const QString& pstrControlName);

// What a table reads back as after a save, and why (if at all) the saver must refuse it.
QVector<ControlTextItem> ExpectedControlText(const QVector<ControlTextItem>& pudtTable);
QVector<MessageItem> ExpectedMessages(const QVector<MessageItem>& pudtTable);
QStringList ExpectedSecondary(const QStringList& pstrTable);
// Empty when the saver must write the table; otherwise why it must refuse.
QString RefusalReason(const clsTralyx& pobjStore, enuFileKind penuKind, const clsCodePage& pobjCodePage);

// Formats the store's table of one kind, checks the outcome against RefusalReason, reads the bytes
// back and checks them against the expected table. Returns false when the writer refused.
bool CheckWriteAndRead(const clsTralyx& pobjStore, enuFileKind penuKind, const QString& pstrCodePage, bool pbooMark = false);

}  // namespace tralyx::fuzz
