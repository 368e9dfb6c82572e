#pragma once
// The editor's translation memory: the open folder with its source, plus the folder pairs and TMX
// files the user listed (File > Translation Memory..., remembered in the settings). Built once per
// open folder and kept until the list changes: the folder's own texts are those it was opened with.
#include "memory/clsTranslationMemory.h"

#include <QObject>
#include <QStringList>
#include <memory>

namespace tralyx {

class clsWorkbenchMemory : public QObject {
    Q_OBJECT
public:
    explicit clsWorkbenchMemory(QObject* pobjParent);

    // Translated folders (each with its sibling English folder) and .tmx files, as remembered.
    QStringList Paths() const;
    void SetPaths(const QStringList& pstrPaths);

    // The memory for a file of pstrFolder whose source is in pstrSourceFolder; pstrProblems says
    // which of the listed ones could not be read (they are left out).
    std::shared_ptr<const clsTranslationMemory> For(const QString& pstrSourceFolder, const QString& pstrFolder,
                                                    const QString& pstrCodePage, QString& pstrProblems);
    void Forget() { mobjMemory.reset(); }  // built again on the next For

private:
    std::shared_ptr<const clsTranslationMemory> mobjMemory;
    QString mstrKey;
    QString mstrProblems;
};

}  // namespace tralyx
