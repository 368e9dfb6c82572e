#pragma once
// What the exchange files say about a text, and how its line breaks travel.
#include "checks/basEntryMatch.h"
#include "exchange/udtExchangeEntry.h"
#include "state/clsTranslationState.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace tralyx {

// The store keeps line breaks as CR LF; the exchange files use LF.
QString ToExchangeText(const QString& pstrText);
// Every CR LF, lone CR and lone LF becomes CR LF, as a reload of the file would give it.
QString FromExchangeText(const QString& pstrText);

// The "[#!name!#]" markers of a text, in order (an opening "[#!" without its "!#]" is none).
QStringList MarkersOf(const QString& pstrText);
// The access keys of a caption: the characters after a single "&" ("&&" is a literal "&").
QString AccessKeysOf(const QString& pstrCaption);

// Appends the entries of one file that go into an exchange file, in the translation's order: a
// translation equal to its source goes as untranslated unless its state says done; one to review
// goes fuzzy with the source it was made for; the state's note goes as the translator's comment;
// entries the source no longer has go obsolete. Entries with neither text, texts the file cannot
// hold, and entries the translated file lacks (counted in plngMissing) stay out.
void ExportEntries(enuFileKind penuFile, const clsTralyx& pobjSource, const clsTralyx& pobjTranslation,
                   std::vector<udtExchangeEntry>& pudtOut, int32_t& plngMissing,
                   const clsTranslationState* pobjState = nullptr);

// A warning when a file declares a single-byte code page (ISO-8859-1) but every non-ASCII byte
// sequence of it is valid UTF-8: it was most likely saved as UTF-8, and its texts read as declared
// will be garbled. Empty when there is no such doubt.
QString DeclaredCodePageDoubt(const QByteArray& pbytContent, const QString& pstrDeclared);

// The exchange file's context of an entry: "core.lrc:frmMain.cmdOK.0.C"; and back (false when the
// context names none of the three files).
QString ExchangeContext(const QString& pstrFileName, const QString& pstrKey);
bool SplitExchangeContext(const QString& pstrContext, QString& pstrFileName, QString& pstrKey);
// The language file an entry's key belongs to, by its form ("frmMain.cmdOK.0.C", "MST003",
// "TXT004#1004"), for a converter that kept the key but not the file; empty when none.
QString LanguageFileOfKey(const QString& pstrKey);
// The fingerprint that a line "tralyx-exported: 1a2b3c4d5e6f" of a note gives, the export's record
// of the entry's translation; empty when the note has none.
QString ExportRecordIn(QStringView pstrNote);
// Whether a name is one of the three language files'.
bool IsLanguageFileName(const QString& pstrName);

}  // namespace tralyx
