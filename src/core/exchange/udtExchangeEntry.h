#pragma once
// One text of a language folder as it travels in a PO or XLIFF file, and a whole such file.
#include <QString>
#include <QStringList>
#include <vector>

namespace tralyx {

struct udtExchangeEntry {
    QString FileName;      // "core.lrc", "messages.lrc", "secondary.lrc" (anything, when read from a file)
    QString Key;           // the entry's unique key (basEntryMatch.h): frmMain.cmdOK.0.C, MSG003, TXT004#1004
    QString Id;            // as the file numbers it: TXT004
    QString Source;        // line breaks as LF
    QString Translation;   // empty: untranslated (or, read back, nothing to apply)
    bool Fuzzy = false;    // to review: PO "fuzzy", XLIFF "needs-review-translation"
    QString Refused;       // read back only: why it cannot be applied (plural forms, an entity left unexpanded)
    QString PreviousSource;   // review: the source the translation was made for (PO "#| msgid")
    QString PreviousContext;  // review of a renamed control: its old context (PO "#| msgctxt")
    // The source has no such entry: PO "#~", XLIFF translate="no"; read back, never applied.
    bool Obsolete = false;
    QString Note;          // for the translator: kind, access key, markers, line, obsolete
    QString Comment;       // the translator's own note (PO "# ", XLIFF <note> not from us)
    int32_t Line = 0;      // the entry's line in its .lrc file; on reading, its line in the exchange file
    // Read back only: the entry's line in FileName where a converter kept that instead of its id
    // (po2xliff's location of our "#: core.lrc:12"); 0 when the id is there.
    int32_t FileLine = 0;
    // The fingerprint (TextFingerprint) of the translation as exported, so that an import can tell
    // an entry the translator changed from one left as it was; empty when the file has no record.
    QString Exported;
};

struct udtExchangeDocument {
    QString SourceLanguage;  // language codes such as "en", "de"; may be empty
    QString TargetLanguage;
    std::vector<udtExchangeEntry> Entries;
    QStringList Warnings;    // read back only: what the reader doubts but took as the file says
};

}  // namespace tralyx
