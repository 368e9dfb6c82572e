#include "windows/memory/frmTranslationMemory.h"

#include "common/basDesktop.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace tralyx {

frmTranslationMemory::frmTranslationMemory(const QStringList& pstrPaths, const QString& pstrOpenFolder, QWidget* pobjParent)
    : QDialog(pobjParent), lstPaths(new QListWidget(this)), cmdRemove(new QPushButton(tr("&Remove"), this))
{
    setObjectName(QStringLiteral("frmTranslationMemory"));
    setWindowTitle(tr("Translation Memory"));
    lstPaths->setObjectName(QStringLiteral("lstPaths"));
    cmdRemove->setObjectName(QStringLiteral("cmdRemove"));
    auto* lblPaths = new QLabel(tr("The suggestions and Fill from Memory draw on these translated language folders "
                                   "(each beside its English folder) and TMX files, first to last:"), this);
    lblPaths->setWordWrap(true);
    auto* cmdAddFolder = new QPushButton(tr("Add &Folder..."), this);
    cmdAddFolder->setObjectName(QStringLiteral("cmdAddFolder"));
    auto* cmdAddTmx = new QPushButton(tr("Add &TMX File..."), this);
    cmdAddTmx->setObjectName(QStringLiteral("cmdAddTmx"));
    auto* objButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    if (!pstrOpenFolder.isEmpty()) {
        auto* objOpen = new QListWidgetItem(tr("%1  (the open folder, always)").arg(QDir::toNativeSeparators(pstrOpenFolder)), lstPaths);
        objOpen->setFlags(Qt::ItemIsEnabled);
        mbooOpenFolderListed = true;
        mstrOpenFolder = pstrOpenFolder;
    }
    for (const QString& strPath : pstrPaths) Add(strPath);

    auto* objGrid = new QGridLayout(this);
    objGrid->addWidget(lblPaths, 0, 0, 1, 2);
    objGrid->addWidget(lstPaths, 1, 0, 4, 1);
    objGrid->addWidget(cmdAddFolder, 1, 1);
    objGrid->addWidget(cmdAddTmx, 2, 1);
    objGrid->addWidget(cmdRemove, 3, 1);
    objGrid->addWidget(objButtons, 5, 0, 1, 2);
    connect(cmdAddFolder, &QPushButton::clicked, this, &frmTranslationMemory::cmdAddFolder_Click);
    connect(cmdAddTmx, &QPushButton::clicked, this, &frmTranslationMemory::cmdAddTmx_Click);
    connect(cmdRemove, &QPushButton::clicked, this, &frmTranslationMemory::cmdRemove_Click);
    connect(objButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(objButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(640, 320);
}

void frmTranslationMemory::Add(const QString& pstrPath)
{
    if (Paths().contains(pstrPath)) return;
    auto* objItem = new QListWidgetItem(QDir::toNativeSeparators(pstrPath), lstPaths);
    objItem->setData(Qt::UserRole, pstrPath);
}

QStringList frmTranslationMemory::Paths() const
{
    QStringList strPaths;
    for (int i = mbooOpenFolderListed ? 1 : 0; i < lstPaths->count(); ++i) strPaths << lstPaths->item(i)->data(Qt::UserRole).toString();
    return strPaths;
}

void frmTranslationMemory::cmdAddFolder_Click()
{
    // Beside the folder added last, or the open one: a release's languages stand side by side.
    const QStringList strPaths = Paths();
    const QString strBeside = strPaths.isEmpty() ? mstrOpenFolder : strPaths.last();
    const QString strStart = strBeside.isEmpty() ? QString() : QFileInfo(strBeside).absolutePath();
    QString strFolder;
    if (Desktop().ChooseFolder(strStart, strFolder) && !strFolder.isEmpty()) Add(strFolder);
}

void frmTranslationMemory::cmdAddTmx_Click()
{
    QString strFile;
    if (Desktop().FileDialog(false, tr("Translation memory (*.tmx);;All Files (*)"), strFile) && !strFile.isEmpty())
        Add(strFile);
}

void frmTranslationMemory::cmdRemove_Click()
{
    const int intRow = lstPaths->currentRow();
    if (intRow >= (mbooOpenFolderListed ? 1 : 0)) delete lstPaths->takeItem(intRow);
}

}  // namespace tralyx
