#pragma once
// The translation state of a language folder: per text of its three files, review (with the source
// the translation was made for), done and a note, kept in translation-state.json beside the files.
// The .lrc files hold texts only; this file holds what the translator's work needs beyond them.
// Losing or breaking it never costs a byte of the .lrc files: a state file that cannot be read is
// reported, and never replaced without leave. It is written only by clsFolderTransaction, under the
// folder's lock, with the .lrc files it goes with.
//
// The editor's use: Load the folder's state when a file opens; Get/Set per text id (basStateIds.h:
// the checks' ids); at a save, TakeChanges onto the state as the file now holds it, Prune that kind
// against the table saved, and commit it with the file.
#include "state/basStateIds.h"
#include "state/udtTextState.h"
#include "store/clsTralyx.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <array>
#include <vector>

namespace tralyx {

class clsTranslationState {
public:
    static QString FileName();                          // "translation-state.json"
    static QString PathIn(const QString& pstrFolder);   // that file in the folder

    // Reads the state beside a folder's files. True for a state that was read or a folder without
    // one (an empty state); false, with the state empty and the reason ("translation-state.json,
    // line 3: ..."), for a file that cannot be read or is not a state file; *pbooConflict then says
    // whether it holds an unfinished merge, which the commands refuse rather than ignore.
    // A file larger than MaxFileSize is refused unread: far beyond what the texts of any folder carry
    // (two states a record for 32,767 records in each file, with notes), and its parse would take many
    // times its size. pbytRead, when given, receives the bytes read.
    static constexpr qint64 MaxFileSize = qint64(64) * 1024 * 1024;
    bool Load(const QString& pstrFolder, QString& pstrReason, QByteArray* pbytRead = nullptr, bool* pbooConflict = nullptr);
    bool Parse(const QByteArray& pbytJson, QString& pstrReason);
    // The same with the line apart (Line 3, "why"), for a caller that names the file and line itself.
    bool Parse(const QByteArray& pbytJson, udtFileIssue& pudtProblem);
    // The file's bytes: UTF-8 JSON, one text a line, sorted by id within each file.
    QByteArray ToJson() const;

    // ---- Per text ----------------------------------------------------------------------------------
    udtTextState Get(enuFileKind penuFile, const QString& pstrId) const;  // an empty state when none
    const udtTextState* Find(enuFileKind penuFile, const QString& pstrId) const;  // null when none
    // An empty state removes the id.
    void Set(enuFileKind penuFile, const QString& pstrId, const udtTextState& pudtState);
    // Review: the source changed since pstrPreviousSource was translated (a review already recorded
    // keeps its older source, the one the translation was made for). Clears done.
    void MarkReview(enuFileKind penuFile, const QString& pstrId, const QString& pstrPreviousSource);
    void ClearReview(enuFileKind penuFile, const QString& pstrId);
    void SetDone(enuFileKind penuFile, const QString& pstrId, bool pbooDone);  // done clears review
    void SetNote(enuFileKind penuFile, const QString& pstrId, const QString& pstrNote);

    const QHash<QString, udtTextState>& Texts(enuFileKind penuFile) const { return mudtFiles[Slot(penuFile)]; }
    void SetTexts(enuFileKind penuFile, QHash<QString, udtTextState> pudtTexts) { mudtFiles[Slot(penuFile)] = std::move(pudtTexts); }
    void ClearFile(enuFileKind penuFile) { mudtFiles[Slot(penuFile)].clear(); }
    void Reserve(enuFileKind penuFile, qsizetype plngTexts) { mudtFiles[Slot(penuFile)].reserve(plngTexts); }
    bool IsEmpty() const;
    bool operator==(const clsTranslationState&) const = default;
    // The same marks and notes, whatever texts they were checked against or stamped with.
    bool SameMarks(const clsTranslationState& pobjOther) const;

    // ---- Tied to the texts ----------------------------------------------------------------------
    // A record holds marks given for one text. Whatever combined the files (a merge, a copy, a hand
    // edit) may have put it beside another: Verify checks each record of that file against the texts
    // the tables hold now (the source's where it is known). A record that matches, or says nothing of
    // its texts (a file of an older Tralyx), is taken, to be stamped anew when saved. One that does
    // not loses its done mark (done was said of another text), ends its review when the translation
    // is not the one reviewed, and keeps its note, flagged (NoteForEarlierText); each such record is named in
    // pudtOut. Stamp then gives every taken record the fingerprints of the texts it is saved with.
    struct udtMismatch {
        enuFileKind File = enuFileKind::ControlText;
        QString Id;
        int32_t Record = -1;  // the translation's record that holds the text
        bool DoneDropped = false, ReviewEnded = false, NoteKept = false;
        QString Text() const;  // "the state was given for another text than the entry has now: its done mark ..."
        // The line commands print: "FOLDER/translation-state.json: warning: TXT002: " and Text().
        QString Warning(const QString& pstrFolder) const;
    };
    void Verify(enuFileKind penuFile, const clsTralyx& pobjTranslation, const clsTralyx* pobjSource,
                std::vector<udtMismatch>* pudtOut = nullptr);
    void Stamp(enuFileKind penuFile, const clsTralyx& pobjTranslation, const clsTralyx* pobjSource);
    // The fingerprints of a text pair as a record keeps them.
    static QString StampOf(const QString* pstrSource, QStringView pstrTranslation);

    // ---- When the table changes ------------------------------------------------------------------
    // messages.lrc, secondary.lrc: the record at position i moved to plngNewPosition[i] (-1: gone).
    // Ids of positions beyond the list are dropped.
    void Renumber(enuFileKind penuFile, const std::vector<int32_t>& plngNewPosition);
    // Into this state (as its file now holds it), the changes pobjMine made to pobjBase in that file's
    // section: a text whose state differs between the two takes pobjMine's, every other text keeps
    // this one's (what another program changed meanwhile). A text neither changed whose marks are
    // still those pobjBase had when it was checked against the texts is taken as checked.
    void TakeChanges(enuFileKind penuFile, const clsTranslationState& pobjBase, const clsTranslationState& pobjMine);
    // Drops the ids of that file that its table (as the store holds it) does not have.
    void Prune(enuFileKind penuFile, const clsTralyx& pobjStore);

private:
    static size_t Slot(enuFileKind penuFile) { return static_cast<size_t>(penuFile); }
    std::array<QHash<QString, udtTextState>, 3> mudtFiles;  // by enuFileKind
};

}  // namespace tralyx
