#pragma once
// The files a glossary comes in: TBX as terminology tools exchange it (TBX-Basic, <martif>, and TBX
// v3, <tbx>: an entry per concept, a <langSet xml:lang> or <langSec> per language, its <term>s), and CSV (a
// header row naming the languages, "en,de", then a row per term; fields quoted as RFC 4180 has it).
#include <QByteArray>
#include <QString>
#include <vector>

namespace tralyx {

struct udtGlossaryPair {
    QString Source;       // "note", "Save as"
    QString Translation;  // "Notiz"
    QString Note;         // written into the entry (TBX); not read back
};

struct udtGlossaryDocument {
    QString SourceLanguage;  // "en"
    QString TargetLanguage;  // "de"
    std::vector<udtGlossaryPair> Pairs;  // a source with several translations comes once for each
};

// Read into pudtOut. The source language is pudtOut.SourceLanguage as given (empty: English), the
// target pudtOut.TargetLanguage as given, else the first other language the file has, which then
// becomes pudtOut.TargetLanguage. False with "line N: what" when the file is not well-formed,
// declares an entity from outside itself or uses one it does not declare (TBX), or has a quoted
// field left open, a row of another number of fields than its header, or bytes that are not UTF-8
// (CSV).
bool ReadTbx(const QByteArray& pbytContent, udtGlossaryDocument& pudtOut, QString& pstrReason);
bool ReadGlossaryCsv(const QByteArray& pbytContent, udtGlossaryDocument& pudtOut, QString& pstrReason);

// TBX-Basic, UTF-8: one <termEntry> per source term (its pairs in a row), with each translation.
// False with a reason when a text holds a character XML cannot carry.
bool WriteTbx(const udtGlossaryDocument& pudtDocument, QByteArray& pbytOut, QString& pstrReason);

}  // namespace tralyx
