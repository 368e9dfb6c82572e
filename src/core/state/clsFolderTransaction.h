#pragma once
// One read-modify-write of a language folder: its .lrc files and its translation-state.json, read,
// checked and written under the folder's one lock. Import, update, the memory fill and the editor's
// Save all go through it, so two of them at once wait for each other instead of writing over the
// other's texts or marks.
//
//   clsFolderTransaction objChange;
//   objChange.Begin(folder, reason);      // the lock, then the state as it is now
//   ... read the .lrc files, work out the new texts and state from State() ...
//   objChange.Commit(newState, writes);   // the state and the texts, in a crash-safe order
#include "common/clsFileLock.h"
#include "state/clsTranslationState.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <vector>

namespace tralyx {

// One .lrc file of the change: Write writes it (under the lock, checking itself that the file is
// still what was read) and says why not; without Write only the state of that file changes.
// Table (and Source, where known) are the texts the file's state is saved with: its records get
// their fingerprints (clsTranslationState::Stamp); without a Table they keep the ones they have.
struct udtFolderWrite {
    enuFileKind File = enuFileKind::ControlText;
    std::function<bool(QString& pstrReason)> Write;
    const clsTralyx* Table = nullptr;
    const clsTralyx* Source = nullptr;
};

struct udtWrittenFile {
    enuFileKind File = enuFileKind::ControlText;
    bool Written = false;
    QString Reason;  // when not written
};

struct udtFolderCommit {
    std::vector<udtWrittenFile> Files;  // one per udtFolderWrite with a Write, in their order
    bool StateWritten = false;          // the state file's bytes changed
    QString StateReason;                // why the state was not written; empty when it was or had no change
    bool AllWritten() const;
};

class clsFolderTransaction {
public:
    // Takes the folder's lock, waiting up to plngWaitMs, clears what a killed writer of ours left in
    // the folder, and reads the state file. False with the reason only when another writer held the
    // lock all that time; a folder that does not exist has nothing to lock or read.
    bool Begin(const QString& pstrFolder, QString& pstrReason, int32_t plngWaitMs = clsFileLock::DefaultWaitMs);
    const QString& Folder() const { return mstrFolder; }

    // The state as the file holds it now; empty when there is none or it may not be written.
    const clsTranslationState& State() const { return mobjState; }
    // Why the state file may not be written, naming it: a link (never written through), or a file
    // that cannot be read (never replaced unless DiscardState). Empty when it may.
    QString StateProblem() const;
    // Whether the state file was there but could not be read: DiscardState then lets it be replaced.
    bool StateUnreadable() const { return !mstrUnreadable.isEmpty(); }
    void DiscardState() { mbooDiscard = true; }

    // Writes the texts and the state: the sections of the files named in pudtWrites become those of
    // pobjState, for a file with a Write only once it is written (a file that fails keeps the state
    // it has). Nothing is written while StateProblem() says why not.
    udtFolderCommit Commit(const clsTranslationState& pobjState, const std::vector<udtFolderWrite>& pudtWrites);

private:
    bool WriteState(const clsTranslationState& pobjState, QString& pstrReason, bool pbooKeepFile = false);

    QString mstrFolder;
    clsFileLock mobjLock;
    clsTranslationState mobjState;  // as the file holds it (after the last write of ours)
    QByteArray mbytState;           // the file's bytes, which a write checks it still holds
    bool mbooExists = false;
    bool mbooCreated = false;       // the file was not there at Begin: this transaction made it
    QString mstrLink;        // the state file is a link: why it is not written
    QString mstrUnreadable;  // the state file could not be read: why
    bool mbooDiscard = false;
};

}  // namespace tralyx
