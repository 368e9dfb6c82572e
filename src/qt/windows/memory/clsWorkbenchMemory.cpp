#include "windows/memory/clsWorkbenchMemory.h"

#include <QDir>
#include <QSettings>

namespace tralyx {
namespace {

const QString KeyPaths = QStringLiteral("TranslationMemory/Paths");

}  // namespace

clsWorkbenchMemory::clsWorkbenchMemory(QObject* pobjParent) : QObject(pobjParent)
{
    setObjectName(QStringLiteral("objMemory"));
}

QStringList clsWorkbenchMemory::Paths() const { return QSettings().value(KeyPaths).toStringList(); }

void clsWorkbenchMemory::SetPaths(const QStringList& pstrPaths)
{
    QSettings().setValue(KeyPaths, pstrPaths);
    Forget();
}

std::shared_ptr<const clsTranslationMemory> clsWorkbenchMemory::For(const QString& pstrSourceFolder, const QString& pstrFolder,
                                                                    const QString& pstrCodePage, QString& pstrProblems)
{
    const QStringList strPaths = Paths();
    const QString strKey = QStringList{pstrSourceFolder, pstrFolder, pstrCodePage, strPaths.join(u'\n')}.join(u'\n');
    if (!mobjMemory || strKey != mstrKey) {
        auto objMemory = std::make_shared<clsTranslationMemory>();
        QStringList strProblems;
        QString strError;
        // The open folder first: its own translations are the ones to stay consistent with.
        if (!pstrSourceFolder.isEmpty() && !objMemory->AddFolderPair(pstrSourceFolder, pstrFolder, pstrCodePage, strError))
            strProblems << strError;
        for (const QString& strPath : strPaths) {
            if (QDir(strPath) == QDir(pstrFolder)) continue;
            strError.clear();
            if (!objMemory->AddPath(strPath, pstrCodePage, strError)) strProblems << strError;
        }
        objMemory->Build();
        mobjMemory = std::move(objMemory);
        mstrKey = strKey;
        mstrProblems = strProblems.join(u'\n');
    }
    pstrProblems = mstrProblems;
    return mobjMemory;
}

}  // namespace tralyx
