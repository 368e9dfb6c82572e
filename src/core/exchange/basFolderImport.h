#pragma once
// tralyx-lrc import as an operation: a PO or XLIFF file's translations brought into a language
// folder under the folder's lock (clsFolderTransaction), with what it did said line by line.
#include <QString>
#include <vector>

namespace tralyx {

struct udtImportRequest {
    QString File;      // .po, .xlf or .xliff
    QString Folder;
    QString Source;    // empty: the sibling English folder, when there is one
    QString CodePage;
    QString Language;  // empty: from the folder's name
    bool Force = false;
    bool DryRun = false;
    bool DiscardState = false;  // an unreadable state file may be replaced
    bool Theirs = false;        // a conflict takes the file's translation
};

// A line of a report, for stdout or (Error) stderr.
struct udtReportLine {
    bool Error = false;
    QString Text;
};

struct udtImportRun {
    std::vector<udtReportLine> Lines;
    bool AllWell = false;  // every translation applied, every changed file written, no error brought in
};

udtImportRun ImportIntoFolder(const udtImportRequest& pudtRequest);

}  // namespace tralyx
