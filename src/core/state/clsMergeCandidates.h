#pragma once
// What a merge of a language folder's files could not decide: each text that both sides changed
// differently, with ours (left in the file, so that the file stays one the checks accept) and theirs.
// Kept in translation-candidates.json beside the files, apart from the state, because the merge
// driver writes it while Git is still merging the state; the translator chooses in the editor (or
// edits the file), and a text whose entry no longer holds the kept text is decided.
#include "store/basFileKind.h"
#include "store/clsTralyx.h"

#include <QString>
#include <QVector>
#include <array>

namespace tralyx {

struct udtMergeCandidate {
    QString Id;     // the text's id in the merged file (frmMain.cmdNew.0.C, MSG004, MST004, TXT002)
    QString Kept;   // ours, in the file
    QString Other;  // theirs
    QString Base;   // what both started from (empty for an entry both sides added)
    bool operator==(const udtMergeCandidate&) const = default;
};

class clsMergeCandidates {
public:
    static QString FileName();                         // "translation-candidates.json"
    static QString PathIn(const QString& pstrFolder);
    // True for a file read, or none (nothing to choose); false with the reason for one that cannot be read.
    bool Load(const QString& pstrFolder, QString& pstrReason);
    // Writes the file atomically, or removes it when nothing is left to choose.
    bool Save(const QString& pstrFolder, QString& pstrReason) const;

    const QVector<udtMergeCandidate>& Of(enuFileKind penuFile) const { return mudtFiles[Slot(penuFile)]; }
    void Add(enuFileKind penuFile, const udtMergeCandidate& pudtCandidate);  // replaces one of the same id
    void Remove(enuFileKind penuFile, const QString& pstrId);
    bool IsEmpty() const;
    // The candidate of that text, null when none.
    const udtMergeCandidate* Find(enuFileKind penuFile, const QString& pstrId) const;
    // Those still to choose: the entry holds the kept text yet.
    QVector<udtMergeCandidate> Open(enuFileKind penuFile, const clsTralyx& pobjTranslation) const;
    static bool IsOpen(enuFileKind penuFile, const clsTralyx& pobjTranslation, const udtMergeCandidate& pudtCandidate);

    // The text of that id in the table, and the record that holds it; false when the table has no such text.
    static bool TextOfId(enuFileKind penuFile, const clsTralyx& pobjTable, const QString& pstrId, QString& pstrText,
                         qsizetype* plngRecord = nullptr);

private:
    static size_t Slot(enuFileKind penuFile) { return static_cast<size_t>(penuFile); }
    std::array<QVector<udtMergeCandidate>, 3> mudtFiles;
};

}  // namespace tralyx
