#pragma once
// The three kinds of language file and what each one is: its name, how its records are numbered,
// and the store's operations on its table. Every layer that handles files by kind (the merge, the
// checks, the exchange formats, the editor, tralyx-lrc) reads this one table.
#include "store/clsTralyx.h"

#include <QString>
#include <QStringView>
#include <optional>

namespace tralyx {

class clsListItems;

// The values are the editor's edit types: 0 messages, 1 procedural text, 2 control text.
enum class enuFileKind : int32_t { Messages = 0, Secondary = 1, ControlText = 2 };

// The three in the order a language folder is listed and processed: core.lrc, messages.lrc,
// secondary.lrc.
inline constexpr enuFileKind AllFileKinds[] = {enuFileKind::ControlText, enuFileKind::Messages, enuFileKind::Secondary};

struct udtFileKind {
    enuFileKind Kind;
    const char* BaseName;  // "core": a file's lower-cased base name selects its kind
    const char* FileName;  // "core.lrc"
    // The tag of the file's record numbers ("MSG", "TXT"); none for core.lrc, whose records are named
    // by their object path.
    const char* RecordTag;
    bool NumbersWrap;  // the numbers run from 001 to 999 and then again from 000
    void (clsTralyx::*Load)(const QString&, bool&);
    void (clsTralyx::*Save)(const QString&, bool&);
    void (clsTralyx::*Display)(clsListItems&) const;
    const QVector<int32_t>& (clsTralyx::*Lines)() const;
    const QString& (clsTralyx::*CodePage)() const;
    const udtFileStamp& (clsTralyx::*Stamp)() const;
};

const udtFileKind& FileKind(enuFileKind penuKind);

// "core.lrc", "messages.lrc", "secondary.lrc".
QString LanguageFileName(enuFileKind penuKind);
// The compiled language beside them ("language.tralyx"), which every writer of the three removes.
QString CompiledLanguageFileName();
// The kind whose base name this is ("core", exactly, lower case), or nothing.
std::optional<enuFileKind> FileKindFromName(QStringView pstrBaseName);
// The kind a path's lower-cased base name (without extension) selects, or nothing.
std::optional<enuFileKind> FileKindOfPath(const QString& pstrPath);

// The store's loader or saver of that kind's table.
void LoadFile(clsTralyx& pobjStore, enuFileKind penuKind, const QString& pstrFileName, bool& pbooSuccess);
void SaveFile(clsTralyx& pobjStore, enuFileKind penuKind, const QString& pstrFileName, bool& pbooSuccess);
qsizetype RecordCount(const clsTralyx& pobjStore, enuFileKind penuKind);
// Whether the two stores hold equal tables of that kind.
bool SameTable(const clsTralyx& pobjOne, const clsTralyx& pobjOther, enuFileKind penuKind);

// The number the file writes for the record at a position: position + 1, wrapped after 999 where the
// kind's numbers wrap (position 999 is TXT000).
int32_t RecordNumber(enuFileKind penuKind, qsizetype plngPosition);
// The id of the record at a position of messages.lrc ("MSG006", the id of its text) or secondary.lrc
// ("TXT007"; from the 1,000th on "TXT004#1004", unique where the wrapped number is not).
QString RecordId(enuFileKind penuKind, qsizetype plngPosition);

}  // namespace tralyx
