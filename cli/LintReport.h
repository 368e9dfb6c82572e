#pragma once
// How lint and status print what the checks found: lines as compilers print them, JSON, GitHub
// Actions annotations, JUnit XML, and the table of counts per language and file.
#include "checks/basFolderCheck.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace tralyx::cli {

struct udtLintRun {
    QString Root;  // the folder of language folders; empty for one language folder
    std::vector<udtFolderCheck> Folders;
    uint32_t FailOn = 0;  // LintFail flags; an error always fails
    bool Infos = false;   // print the infos too (they are always counted; spelling's always printed)
};

// Whether what was found in one file, or in a whole folder, fails the run.
bool FileFails(const udtFileCheck& pudtFile, uint32_t plngFailOn);
bool FolderFails(const udtFolderCheck& pudtFolder, uint32_t plngFailOn);

// Each folder's problems and its summary line; for a root, then the table.
QByteArray LintText(const udtLintRun& pudtRun);
// One folder's document, or for a root {"root", "languages": [one per folder]}. pbooCounts: the
// counts per file only, without the problems and the state (status).
QByteArray LintJson(const udtLintRun& pudtRun, bool pbooCounts);
// "::error file=…,line=…,col=…::…" a problem, then each folder's summary line.
QByteArray LintGithub(const udtLintRun& pudtRun);
// A test suite per folder and a test case per file, failed as FileFails says.
QByteArray LintJunit(const udtLintRun& pudtRun);
// Per language and file: entries, translated, to review, untranslated, errors, warnings, words to do.
QByteArray StatusTable(const udtLintRun& pudtRun);

}  // namespace tralyx::cli
