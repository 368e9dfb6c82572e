#include "frmFolderSelector.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeView>

#include <algorithm>
#include <cmath>

namespace tralyx {
namespace {

// Pixels of the original layout (15 twips to the pixel at 96 dpi): the tree at the top left, the
// two buttons at the right edge.
constexpr int Margin = 8;
constexpr int ButtonWidth = 97;
constexpr int ButtonHeight = 25;
constexpr int CancelTop = 40;
constexpr int TreeToButtons = 7;
constexpr int ClientWidth = 385;
constexpr int ClientHeight = 321;

// Centres a window over the main window: the position rounded to the nearest pixel (halves to
// even), never beyond the left or top edge of the screen.
// TODO(shared): switch to basGeneralItems' CentreForm once it is there.
void CentreForm(QWidget& pfrmForm)
{
    const QWidget* pfrmMain = pfrmForm.parentWidget() ? pfrmForm.parentWidget()->window() : nullptr;
    if (!pfrmMain) return;
    const QRect objMain = pfrmMain->frameGeometry();
    const QSize objForm = pfrmForm.frameGeometry().size();
    const auto Place = [](int plngStart, int plngOuter, int plngInner) {
        const auto lngPosition = static_cast<int32_t>(std::nearbyint(plngStart + (plngOuter - plngInner) / 2.0));
        return std::max(0, lngPosition);
    };
    pfrmForm.move(Place(objMain.left(), objMain.width(), objForm.width()),
                  Place(objMain.top(), objMain.height(), objForm.height()));
}

}  // namespace

frmFolderSelector::frmFolderSelector(QWidget* pobjParent) : QDialog(pobjParent)
{
    setObjectName(QStringLiteral("frmFolderSelector"));
    setWindowTitle(QStringLiteral("Select a folder"));

    mcmdOK = new QPushButton(QStringLiteral("&OK"), this);
    mcmdOK->setObjectName(QStringLiteral("cmdOK"));
    mcmdOK->setDefault(true);
    mcmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
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

    resize(ClientWidth, ClientHeight);
    Form_Resize();
    Form_Load();
}

void frmFolderSelector::Form_Load()
{
    CentreForm(*this);
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
    const int lngButtonLeft = width() - Margin - ButtonWidth;
    mftvFolderSelector->setGeometry(Margin, Margin, std::max(0, lngButtonLeft - TreeToButtons - Margin),
                                    std::max(0, height() - 2 * Margin));
    mcmdOK->setGeometry(lngButtonLeft, Margin, ButtonWidth, ButtonHeight);
    mcmdCancel->setGeometry(lngButtonLeft, CancelTop, ButtonWidth, ButtonHeight);
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
