#pragma once
// The options of the tralyx-lrc commands, and how a command reports a usage error.
#include "CliStore.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace tralyx::cli {

// The options a command accepts, as flags for ParseCliOptions.
enum CliOption : uint32_t {
    optCodePage = 1,  // --code-page NAME
    optKind = 2,      // --kind core|messages|secondary
    optForce = 4,     // --force
    optDryRun = 8,    // --dry-run
    optJson = 16,     // --json
    optSource = 32,   // --source DIR
    optLanguages = 64,  // --source-language CODE, --target-language CODE
    optMemory = 128,    // --memory PATH, repeatable
    optSpell = 256,     // --spell, --dictionary LANG
    optOldSource = 512,  // --old-source DIR
    optLanguage = 1024,  // --language CODE
    optDropUnwritable = 2048,  // --drop-unwritable
    optFillFromMemory = 4096,  // --fill-from-memory
    optDiscardState = 8192,    // --discard-state
    optLintReport = 16384,  // --fail-on WHAT (repeatable), --format text|json|github|junit, --infos
    optTheirs = 32768,      // --theirs
    optPrune = 65536,       // --prune
    optOutput = 131072,     // -o DIR, --output DIR
    optGlossary = 262144,   // --glossary FILE
    optPseudo = 524288,     // --expand PERCENT, --accents, --brackets
};

// What --fail-on names: an error always fails lint; these add to it.
enum LintFail : uint32_t {
    failWarning = 1,
    failReview = 2,        // a text to review
    failUntranslated = 4,  // a text not translated yet
    failMissing = 8,       // an entry or a file the source has and the translation lacks
};

struct udtCliOptions {
    QStringList Operands;  // the arguments that are not options, in order
    QString CodePage = QString::fromLatin1(clsCodePage::DefaultName);
    std::optional<enuFileKind> Kind;
    bool Force = false;
    bool DryRun = false;
    bool Json = false;
    bool DropUnwritable = false;
    QString Source;  // empty when not given
    QString SourceLanguage;
    QString TargetLanguage;
    QStringList Memory;  // folders and .tmx files, in the order given
    bool Spell = false;  // also set by --dictionary
    QString Dictionary;
    QString OldSource;  // update: the old release's source folder; empty when not given
    QString Language;   // import: the folder's language, when not the one its name says
    bool FillFromMemory = false;
    bool DiscardState = false;  // an unreadable translation-state.json may be replaced
    bool Theirs = false;        // an import's conflict takes the file's translation
    bool Prune = false;         // join: entries no longer on their form are removed
    QString Output;             // harvest: the folder written to; empty when not given
    QString Glossary;           // lint: a TBX or CSV file of terms; empty when not given
    int32_t Expand = 35;        // pseudo: percent added to each text
    bool Accents = false;       // pseudo: accented letters
    bool Brackets = false;      // pseudo: brackets round each text
    // lint, status: what fails the run besides an error (LintFail flags), how the report is printed
    uint32_t FailOn = 0;
    QString Format;  // "text", "json", "github", "junit"; empty when not given (--json says json)
    bool Infos = false;
    bool Help = false;  // --help or -h, which every command takes
};

// Parses one command's arguments ("--name value" or "--name=value"; "--" ends the options). False,
// with the reason in pstrError, for an option the command does not take, a missing value, an
// unknown kind or a code page that Qt does not know.
bool ParseCliOptions(const QStringList& pstrArgs, uint32_t plngAllowed, udtCliOptions& pudtOut, QString& pstrError);

// Prints the command's usage line on stdout; returns exit code 0.
int UsageHelp(const char* pstrUsage);
// Whether the arguments before a "--" ask for --help or -h: a command with actions answers before
// it looks at its action.
bool AsksForHelp(const QStringList& pstrArgs);

// A folder that holds a language file, or a state, is a language folder; one that holds none but
// has language folders under it is a root.
bool IsLanguageFolder(const QString& pstrFolder);
// Of a root's language folders, the one named English (in any case); empty when none is.
QString EnglishFolderAmong(const QStringList& pstrFolders);

// Prints "tralyx-lrc COMMAND: message" and the command's usage line to stderr; returns exit code 2.
int UsageError(const QString& pstrCommand, const QString& pstrMessage, const char* pstrUsage);
// A command's options parsed into pudtOut; the exit code when the command ends there (its --help: 0;
// an option it does not take or a bad value: 2, with the usage), nothing when it goes on.
std::optional<int> ParseCommand(const QStringList& pstrArgs, uint32_t plngAllowed, const QString& pstrCommand,
                                const char* pstrUsage, udtCliOptions& pudtOut);

}  // namespace tralyx::cli
