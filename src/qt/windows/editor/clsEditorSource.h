#pragma once
// The source-language table beside an editor window's translation: the same file of a source
// folder, read in the translation's code page, and what it says about each row (clsWorkbenchRows).
#include "editor/clsWorkbenchRows.h"

#include <QList>
#include <QPair>
#include <memory>

namespace tralyx {

class clsEditorSource {
public:
    // Reads the file named like pstrFileName from pstrFolder; an empty folder: no source. Without
    // a source, Note() says why (empty when no folder was given).
    void Load(const QString& pstrFolder, const QString& pstrFileName, enuFileKind penuKind, const QString& pstrCodePage);
    void Set(enuFileKind penuKind, std::unique_ptr<clsTralyx> pobjSource);  // a source table already read

    const clsWorkbenchRows* Rows() const { return mobjRows.get(); }
    clsWorkbenchRows* Rows() { return mobjRows.get(); }
    const QString& Folder() const { return mstrFolder; }
    const QString& Note() const { return mstrNote; }

    // A row's source texts labelled like the editor's boxes, the one-line box's first.
    QList<QPair<QString, QString>> Boxes(const clsTralyx& pobjTranslation, int32_t plngEntry) const;
    // The label of a kind of text's box, and every such label (the dock sizes its column for all).
    static QString BoxLabel(enuTextKind penuKind);
    static QStringList BoxLabels();

private:
    std::unique_ptr<clsWorkbenchRows> mobjRows;
    QString mstrFolder;
    QString mstrNote;
};

}  // namespace tralyx
