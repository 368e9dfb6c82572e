#pragma once
// File > Translation Memory...: the folder pairs and TMX files the suggestions and Fill from Memory
// draw on besides the open folder, which is always part of the memory.
#include <QDialog>

class QListWidget;
class QPushButton;

namespace tralyx {

class frmTranslationMemory : public QDialog {
    Q_OBJECT
public:
    // pstrOpenFolder: the active window's folder, listed first and never removed; may be empty.
    frmTranslationMemory(const QStringList& pstrPaths, const QString& pstrOpenFolder, QWidget* pobjParent);
    QStringList Paths() const;

private:
    void cmdAddFolder_Click();
    void cmdAddTmx_Click();
    void cmdRemove_Click();
    void Add(const QString& pstrPath);

    QListWidget* lstPaths;
    QPushButton* cmdRemove;
    QString mstrOpenFolder;
    bool mbooOpenFolderListed = false;
};

}  // namespace tralyx
