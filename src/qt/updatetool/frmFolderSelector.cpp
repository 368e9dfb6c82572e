#include "updatetool/frmFolderSelector.h"

#include "binding/QtGeneralItems.h"
#include "binding/QtTwips.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeView>

#include <algorithm>

namespace tralyx {
namespace {

// The layout in twips, within the client area: the tree at the top left, the two buttons at the
// right edge; the tree takes what the buttons leave.
constexpr int32_t DesignClientWidth = 5775;
constexpr int32_t DesignClientHeight = 4815;
constexpr int32_t Margin = 120;
constexpr int32_t ButtonsFromRight = 1575;  // the buttons' left edge, from the right edge
constexpr int32_t ButtonWidth = 1455;
constexpr int32_t ButtonHeight = 375;
constexpr int32_t CancelTop = 600;
constexpr int32_t TreeToButtons = 105;

}  // namespace

frmFolderSelector::frmFolderSelector(QWidget* pobjParent) : QDialog(pobjParent)
{
    setObjectName(QStringLiteral("frmFolderSelector"));
    setWindowTitle(tr("Select a folder"));

    mcmdOK = new QPushButton(tr("&OK"), this);
    mcmdOK->setObjectName(QStringLiteral("cmdOK"));
    mcmdOK->setDefault(true);
    mcmdCancel = new QPushButton(tr("&Cancel"), this);
    mcmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    mobjFolders = new QFileSystemModel(this);
    mobjFolders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    mobjFolders->setReadOnly(true);
    mobjFolders->setRootPath(QDir::rootPath());
    mftvFolderSelector = new QTreeView(this);
    mftvFolderSelector->setObjectName(QStringLiteral("ftvFolderSelector"));
    mftvFolderSelector->setModel(mobjFolders);
    mftvFolderSelector->setHeaderHidden(true);
    for (int lngColumn = 1; lngColumn < mobjFolders->columnCount(); ++lngColumn) mftvFolderSelector->hideColumn(lngColumn);
    mftvFolderSelector->setUniformRowHeights(true);

    setTabOrder(mcmdOK, mcmdCancel);
    setTabOrder(mcmdCancel, mftvFolderSelector);

    connect(mcmdOK, &QPushButton::clicked, this, &frmFolderSelector::cmdOK_Click);
    connect(mcmdCancel, &QPushButton::clicked, this, &frmFolderSelector::cmdCancel_Click);
    connect(mobjFolders, &QFileSystemModel::directoryLoaded, this, &frmFolderSelector::ftvFolderSelector_KeepInView);
    connect(mobjFolders, &QFileSystemModel::layoutChanged, this, &frmFolderSelector::ftvFolderSelector_KeepInView);
    connect(mobjFolders, &QFileSystemModel::rowsInserted, this, &frmFolderSelector::ftvFolderSelector_KeepInView);
    connect(mftvFolderSelector, &QTreeView::pressed, this, [this] { mbooKeepInView = false; });
    connect(mftvFolderSelector->verticalScrollBar(), &QScrollBar::actionTriggered, this, [this] { mbooKeepInView = false; });

    resize(TwipsToPixelsX(*this, DesignClientWidth), TwipsToPixelsY(*this, DesignClientHeight));
    Form_Resize();
    Form_Load();
}

void frmFolderSelector::Form_Load()
{
    CentreForm(*this, false);
    mbooCancelled = true;
}

void frmFolderSelector::resizeEvent(QResizeEvent* pobjEvent)
{
    QDialog::resizeEvent(pobjEvent);
    Form_Resize();
}

void frmFolderSelector::Form_Resize()
{
    // The tree grows and shrinks with the window, the buttons keep to its right edge; a window
    // too small for the tree leaves it empty.
    const int32_t lngWidth = PixelsToTwipsX(*this, width()), lngHeight = PixelsToTwipsY(*this, height());
    const int32_t lngButtonLeft = lngWidth - ButtonsFromRight;
    mftvFolderSelector->setGeometry(TwipsRectToPixels(*this, Margin, Margin,
                                                      std::max(0, lngButtonLeft - TreeToButtons - Margin),
                                                      std::max(0, lngHeight - 2 * Margin)));
    mcmdOK->setGeometry(TwipsRectToPixels(*this, lngButtonLeft, Margin, ButtonWidth, ButtonHeight));
    mcmdCancel->setGeometry(TwipsRectToPixels(*this, lngButtonLeft, CancelTop, ButtonWidth, ButtonHeight));
}

QString frmFolderSelector::SelectedFolder() const
{
    if (mbooCancelled) return QString();
    const QModelIndex objCurrent = mftvFolderSelector->currentIndex();
    return objCurrent.isValid() ? mobjFolders->filePath(objCurrent) : QString();
}

void frmFolderSelector::SetSelectedFolder(const QString& pstrFolder)
{
    QString strFolder = QDir::cleanPath(QFileInfo(pstrFolder.isEmpty() ? QDir::currentPath() : pstrFolder).absoluteFilePath());
    while (!QFileInfo(strFolder).isDir()) {
        const QString strAbove = QFileInfo(strFolder).path();
        if (strAbove == strFolder) return;
        strFolder = strAbove;
    }
    const QModelIndex objFolder = mobjFolders->index(strFolder);
    if (!objFolder.isValid()) return;
    mftvFolderSelector->setCurrentIndex(objFolder);
    mftvFolderSelector->scrollTo(objFolder, QAbstractItemView::PositionAtCenter);
    mbooKeepInView = true;
}

void frmFolderSelector::ftvFolderSelector_KeepInView()
{
    // The tree loads and sorts the folders around the selected one after it was selected, which
    // pushes it out of view: bring it back each time, until the user takes over.
    if (mbooKeepInView) mftvFolderSelector->scrollTo(mftvFolderSelector->currentIndex(), QAbstractItemView::PositionAtCenter);
}

void frmFolderSelector::cmdOK_Click()
{
    mbooCancelled = false;
    accept();
}

void frmFolderSelector::cmdCancel_Click() { reject(); }

void frmFolderSelector::reject()
{
    mbooCancelled = true;
    QDialog::reject();
}

bool frmFolderSelector::Choose(QWidget* pobjParent, const QString& pstrStart, QString& pstrFolder)
{
    frmFolderSelector objSelector(pobjParent);
    objSelector.SetSelectedFolder(pstrStart);
    objSelector.exec();
    const QString strChosen = objSelector.SelectedFolder();
    if (objSelector.Cancelled() || strChosen.isEmpty()) return false;
    pstrFolder = strChosen;
    return true;
}

}  // namespace tralyx
