#pragma once
// What the fuzz targets share: a scratch folder for the files the store reads and writes, a desktop
// that answers the store's questions, the losses each file format defines, and a check that stops
// the run with a readable account when a property does not hold.
#include "basDesktop.h"
#include "clsCodePage.h"
#include "clsTralyx.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>
#include <string>
#include <vector>

namespace tralyx::fuzz {

// The two code pages every target runs under: one single-byte, one double-byte.
inline constexpr const char* CodePages[] = {"windows-1252", "windows-932"};

enum class enuKind { ControlText, Messages, Secondary };

// Prints what went wrong and aborts, so that libFuzzer keeps the input and a replay fails.
[[noreturn]] void Fail(const std::string& pstrWhat);
inline void Check(bool pbooHolds, const std::string& pstrWhat)
{
    if (!pbooHolds) Fail(pstrWhat);
}
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

// Loads or saves one kind of table.
void Load(clsTralyx& pobjStore, enuKind penuKind, const QString& pstrFileName, bool& pbooSuccess);
void Save(clsTralyx& pobjStore, enuKind penuKind, const QString& pstrFileName, bool& pbooSuccess);
qsizetype TableSize(const clsTralyx& pobjStore, enuKind penuKind);
bool SameTable(const clsTralyx& pobjA, const clsTralyx& pobjB, enuKind penuKind);
std::string Describe(const clsTralyx& pobjStore, enuKind penuKind);

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
QString RefusalReason(const clsTralyx& pobjStore, enuKind penuKind, const clsCodePage& pobjCodePage);

// Saves the store's table of one kind to a fresh file, checks the outcome against RefusalReason,
// reloads it and checks it against the expected table. Returns false when the saver refused.
bool CheckSaveAndReload(const clsTralyx& pobjStore, enuKind penuKind, const QString& pstrCodePage,
                        const QString& pstrFileName);

}  // namespace tralyx::fuzz
