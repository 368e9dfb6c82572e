#include "windows/editor/clsEditorSource.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tralyx {
namespace {

// A file of the folder by name, in any letter case, as the folders of a language are named.
QString FileInFolder(const QString& pstrFolder, const QString& pstrName)
{
    const QDir objFolder(pstrFolder);
    if (objFolder.exists(pstrName)) return objFolder.filePath(pstrName);
    for (const QString& strEntry : objFolder.entryList(QDir::Files))
        if (strEntry.compare(pstrName, Qt::CaseInsensitive) == 0) return objFolder.filePath(strEntry);
    return QString();
}

}  // namespace

void clsEditorSource::Load(const QString& pstrFolder, const QString& pstrFileName, enuFileKind penuKind,
                           const QString& pstrCodePage)
{
    mobjRows.reset();
    mstrFolder = pstrFolder;
    mstrNote.clear();
    if (pstrFolder.isEmpty()) return;
    const QString strName = QFileInfo(pstrFileName).fileName();
    const QString strPath = FileInFolder(pstrFolder, strName);
    if (strPath.isEmpty()) {
        mstrNote = QCoreApplication::translate("clsEditorSource", "No source: %1 has no %2").arg(QDir::toNativeSeparators(pstrFolder), strName);
    } else if (QFileInfo(strPath).canonicalFilePath() == QFileInfo(pstrFileName).canonicalFilePath()) {
        mstrNote = QCoreApplication::translate("clsEditorSource", "No source: the source folder is this file's own folder");
    } else {
        // Read in the code page of the translation: both come from the same program.
        auto objSource = std::make_unique<clsTralyx>();
        objSource->SetCodePage(pstrCodePage);
        bool booSuccess = false;
        LoadFile(*objSource, penuKind, strPath, booSuccess);
        if (booSuccess) Set(penuKind, std::move(objSource));
        else
            mstrNote = QCoreApplication::translate("clsEditorSource", "No source: %1: %2").arg(strPath, objSource->LastError().Text());
    }
}

void clsEditorSource::Set(enuFileKind penuKind, std::unique_ptr<clsTralyx> pobjSource)
{
    mobjRows = std::make_unique<clsWorkbenchRows>(penuKind, std::move(pobjSource));
    mstrNote.clear();
}

QString clsEditorSource::BoxLabel(enuTextKind penuKind)
{
    switch (penuKind) {
    case enuTextKind::Caption: return QCoreApplication::translate("clsEditorSource", "Caption:");
    case enuTextKind::ToolTip: return QCoreApplication::translate("clsEditorSource", "Tool-Tip:");
    case enuTextKind::MessageTitle: return QCoreApplication::translate("clsEditorSource", "Title:");
    case enuTextKind::MessageText: return QCoreApplication::translate("clsEditorSource", "Message:");
    case enuTextKind::Secondary: return QCoreApplication::translate("clsEditorSource", "Text:");
    }
    return QString();
}

QStringList clsEditorSource::BoxLabels()
{
    QStringList strLabels;
    for (const enuTextKind enuKind : {enuTextKind::Caption, enuTextKind::ToolTip, enuTextKind::MessageTitle, enuTextKind::MessageText,
                                      enuTextKind::Secondary})
        strLabels << BoxLabel(enuKind);
    return strLabels;
}

QList<QPair<QString, QString>> clsEditorSource::Boxes(const clsTralyx& pobjTranslation, int32_t plngEntry) const
{
    QList<QPair<QString, QString>> udtBoxes;
    if (!mobjRows || plngEntry < 0) return udtBoxes;
    for (const udtEntryText& udtText : mobjRows->Texts(pobjTranslation, plngEntry)) {
        const QString strLabel = BoxLabel(udtText.Kind);
        // In the order of the boxes: the one-line box (title, tool-tip) first.
        const bool booUpper = udtText.Kind == enuTextKind::ToolTip || udtText.Kind == enuTextKind::MessageTitle;
        const QPair<QString, QString> udtBox{strLabel, udtText.Obsolete() ? QString() : udtText.Source};
        if (booUpper) udtBoxes.prepend(udtBox);
        else udtBoxes.append(udtBox);
    }
    return udtBoxes;
}

}  // namespace tralyx
