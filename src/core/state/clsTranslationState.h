#pragma once
// The translation state of a language folder: per text of its three files, review (with the source
// the translation was made for), done and a note, kept in translation-state.json beside the files.
// The .lrc files hold texts only; this file holds what the translator's work needs beyond them.
// Losing or breaking it never costs a byte of the .lrc files: a state file that cannot be read is
// reported and ignored, and a failed write leaves the old one.
//
// The editor's use: Load the folder's state when a file opens; Get/Set per text id (basStateIds.h:
// the checks' ids); after a save of a .lrc file, Prune that kind against the table just saved and
// Save with that one kind, which leaves the other files' sections as the file on disk has them.
#include "state/basStateIds.h"
#include "state/udtTextState.h"
#include "store/clsTralyx.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <array>
#include <span>
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
    bool Load(const QString& pstrFolder, QString& pstrReason, bool* pbooConflict = nullptr);
    bool Parse(const QByteArray& pbytJson, QString& pstrReason);
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

    // ---- When the table changes ------------------------------------------------------------------
    // messages.lrc, secondary.lrc: the record at position i moved to plngNewPosition[i] (-1: gone).
    // Ids of positions beyond the list are dropped.
    void Renumber(enuFileKind penuFile, const std::vector<int32_t>& plngNewPosition);
    // Drops the ids of that file that its table (as the store holds it) does not have.
    void Prune(enuFileKind penuFile, const clsTralyx& pobjStore);

    // Writes the sections of the files named into the folder's state file atomically; the sections
    // of the other files stay as the file holds them (or are none, when it cannot be read). Writes
    // nothing when that changes no byte, or when there is no state and no file; *pbooWritten says
    // whether it wrote. False with the reason when the write failed (the old file is untouched).
    bool Save(const QString& pstrFolder, std::span<const enuFileKind> penuFiles, QString& pstrReason,
              bool* pbooWritten = nullptr) const;

private:
    static size_t Slot(enuFileKind penuFile) { return static_cast<size_t>(penuFile); }
    std::array<QHash<QString, udtTextState>, 3> mudtFiles;  // by enuFileKind
};

}  // namespace tralyx
