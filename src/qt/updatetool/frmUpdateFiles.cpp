#include "updatetool/frmUpdateFiles.h"

#include "binding/QtTwips.h"
#include "common/basApplication.h"
#include "common/basDesktop.h"
#include "common/basGeneralItems.h"
#include "store/basSourceFolder.h"
#include "store/basTextStore.h"
#include "store/clsTralyx.h"
#include "update/basFolderUpdate.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

namespace tralyx {
namespace {

// Sizes of the original layout in twips; labels and boxes grow with the font, and the layout
// keeps the three rows in the frame and the two buttons below it at the right.
constexpr int32_t TextBoxWidth = 4815;
constexpr int32_t BrowseWidth = 375;
constexpr int32_t ButtonWidth = 1335;
constexpr int32_t ButtonHeight = 375;
constexpr int32_t Margin = 120;
// The new release's folder, chosen once for the updates of every language.
constexpr const char* KeyNewFolder = "Update/NewFolder";

}  // namespace

frmUpdateFiles::frmUpdateFiles(QWidget* pobjParent) : QWidget(pobjParent)
{
    setObjectName(QStringLiteral("frmUpdateFiles"));
    setWindowTitle(tr("Update Files"));

    mfraDetails = new QGroupBox(tr("File Details"), this);
    mfraDetails->setObjectName(QStringLiteral("fraDetails"));
    auto* objRows = new QGridLayout(mfraDetails);
    objRows->setHorizontalSpacing(TwipsToPixelsX(*this, Margin));
    objRows->setColumnMinimumWidth(1, TwipsToPixelsX(*this, TextBoxWidth));

    // By index; the old source's row (index 3) stands second, under the old folder it belongs to.
    const std::array<const char*, 4> strLabelNames{"lblOldFile", "lblNew", "lblDestination", "lblOldSource"};
    const std::array<QString, 4> strCaptions{tr("O&ld file folder:"), tr("&New file folder:"), tr("&Destination folder:"),
                                             tr("Old &source folder:")};
    const std::array<const char*, 4> strBoxNames{"txtOldFile", "txtNewFile", "txtDestination", "txtOldSource"};
    const std::array<int, 4> lngGridRows{0, 2, 3, 1};
    std::array<QLabel*, 4> lblRows{};
    for (int i = 0; i < 4; ++i) {
        lblRows[i] = new QLabel(strCaptions[i], mfraDetails);
        lblRows[i]->setObjectName(QLatin1StringView(strLabelNames[i]));
        mtxtRows[i] = new QLineEdit(mfraDetails);
        mtxtRows[i]->setObjectName(QLatin1StringView(strBoxNames[i]));
        lblRows[i]->setBuddy(mtxtRows[i]);  // the access key moves the focus to the box
        mcmdBrowse[i] = new QPushButton(QStringLiteral("..."), mfraDetails);
        mcmdBrowse[i]->setObjectName(QStringLiteral("cmdBrowse"));
        mcmdBrowse[i]->setProperty("Index", i);
        mcmdBrowse[i]->setFixedWidth(TwipsToPixelsX(*this, BrowseWidth));
        mcmdBrowse[i]->setToolTip(tr("Browse for the folder"));
        mcmdBrowse[i]->setAutoDefault(false);
        objRows->addWidget(lblRows[i], lngGridRows[i], 0);
        objRows->addWidget(mtxtRows[i], lngGridRows[i], 1);
        objRows->addWidget(mcmdBrowse[i], lngGridRows[i], 2);
        connect(mcmdBrowse[i], &QPushButton::clicked, this, [this, i] { cmdBrowse_Click(static_cast<int16_t>(i)); });
    }
    mlblOldFile = lblRows[0];
    mlblNew = lblRows[1];
    mlblDestination = lblRows[2];
    mtxtOldFile = mtxtRows[0];
    mtxtNewFile = mtxtRows[1];
    mtxtDestination = mtxtRows[2];
    mlblOldSource = lblRows[3];
    mtxtOldSource = mtxtRows[3];
    mtxtOldSource->setPlaceholderText(tr("optional"));
    mtxtOldSource->setToolTip(tr(
        "The source folder the old folder was translated from (its English). With it, a text whose source\n"
        "changed keeps its translation for review, texts follow their source to a new number, and a renamed\n"
        "control keeps its translation. Empty: entries are matched by id and position only."));

    mcmdUpdate = new QPushButton(tr("&Update"), this);
    mcmdUpdate->setObjectName(QStringLiteral("cmdUpdate"));
    mcmdUpdate->setEnabled(false);
    mcmdCancel = new QPushButton(tr("&Cancel"), this);
    mcmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    // The last update's report window again, once it was closed.
    mcmdShowReport = new QPushButton(tr("Show &Report"), this);
    mcmdShowReport->setObjectName(QStringLiteral("cmdShowReport"));
    mcmdShowReport->setEnabled(false);
    for (QPushButton* pcmdButton : {mcmdUpdate, mcmdCancel, mcmdShowReport}) {
        pcmdButton->setMinimumSize(TwipsToPixelsX(*this, ButtonWidth), TwipsToPixelsY(*this, ButtonHeight));
        pcmdButton->setAutoDefault(false);
    }

    auto* objButtons = new QHBoxLayout;
    objButtons->addWidget(mcmdShowReport);
    objButtons->addStretch();
    objButtons->addWidget(mcmdUpdate);
    objButtons->addWidget(mcmdCancel);
    auto* objForm = new QVBoxLayout(this);
    const int lngMargin = TwipsToPixelsX(*this, Margin);
    objForm->setContentsMargins(lngMargin, lngMargin, lngMargin, lngMargin);
    objForm->setSpacing(lngMargin);
    objForm->addWidget(mfraDetails);
    objForm->addLayout(objButtons);
    objForm->setSizeConstraint(QLayout::SetFixedSize);  // a fixed border

    // Tab order: each row's box then its browse button, then Update and Cancel.
    setTabOrder(mtxtOldFile, mcmdBrowse[0]);
    setTabOrder(mcmdBrowse[0], mtxtOldSource);
    setTabOrder(mtxtOldSource, mcmdBrowse[3]);
    setTabOrder(mcmdBrowse[3], mtxtNewFile);
    setTabOrder(mtxtNewFile, mcmdBrowse[1]);
    setTabOrder(mcmdBrowse[1], mtxtDestination);
    setTabOrder(mtxtDestination, mcmdBrowse[2]);
    setTabOrder(mcmdBrowse[2], mcmdUpdate);
    setTabOrder(mcmdUpdate, mcmdCancel);
    setTabOrder(mcmdCancel, mcmdShowReport);

    connect(mtxtOldFile, &QLineEdit::textChanged, this, &frmUpdateFiles::txtOldFile_Change);
    connect(mtxtOldSource, &QLineEdit::textChanged, this, &frmUpdateFiles::txtOldSource_Change);
    connect(mtxtNewFile, &QLineEdit::textChanged, this, &frmUpdateFiles::txtNewFile_Change);
    connect(mtxtDestination, &QLineEdit::textChanged, this, &frmUpdateFiles::txtDestination_Change);
    connect(mcmdUpdate, &QPushButton::clicked, this, &frmUpdateFiles::cmdUpdate_Click);
    connect(mcmdCancel, &QPushButton::clicked, this, &frmUpdateFiles::cmdCancel_Click);
    connect(mcmdShowReport, &QPushButton::clicked, this, &frmUpdateFiles::cmdShowReport_Click);
}

frmUpdateFiles* frmUpdateFiles::ShowIn(QMdiArea* pobjArea, const OpenResultHandler& pfnOpenResult, const QString& pstrOpenFolder)
{
    for (QMdiSubWindow* pobjWindow : pobjArea->subWindowList()) {
        if (auto* pfrmOpen = qobject_cast<frmUpdateFiles*>(pobjWindow->widget())) {
            pfrmOpen->mfnOpenResult = pfnOpenResult;
            pobjWindow->showNormal();
            pobjArea->setActiveSubWindow(pobjWindow);
            return pfrmOpen;
        }
    }
    auto* pfrmNew = new frmUpdateFiles;
    pfrmNew->mfnOpenResult = pfnOpenResult;
    // A fixed single border: a title with a close box, no minimise or maximise.
    QMdiSubWindow* pobjWindow =
        pobjArea->addSubWindow(pfrmNew, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    pobjWindow->setAttribute(Qt::WA_DeleteOnClose);  // the next opening starts with empty boxes
    pobjWindow->show();
    pobjWindow->setFixedSize(pobjWindow->sizeHint());
    pobjArea->setActiveSubWindow(pobjWindow);
    pfrmNew->mtxtOldFile->setFocus();
    if (!pstrOpenFolder.isEmpty()) {
        pfrmNew->mtxtOldFile->setText(QDir::toNativeSeparators(pstrOpenFolder));
        const QString strNew = QSettings().value(QLatin1StringView(KeyNewFolder)).toString();
        if (!strNew.isEmpty() && QFileInfo(strNew).isDir() && QFileInfo(strNew) != QFileInfo(pstrOpenFolder))
            pfrmNew->mtxtNewFile->setText(strNew);
        pfrmNew->mtxtDestination->setFocus();  // what is left to say
    }
    return pfrmNew;
}

void frmUpdateFiles::keyPressEvent(QKeyEvent* pobjEvent)
{
    if (pobjEvent->key() == Qt::Key_Escape && pobjEvent->modifiers() == Qt::NoModifier) {
        mcmdCancel->click();
        return;
    }
    QWidget::keyPressEvent(pobjEvent);
}

void frmUpdateFiles::SetUpdateButtonState()
{
    // Only that each box holds something: the folders are not looked at before the update.
    mcmdUpdate->setEnabled(!mtxtOldFile->text().isEmpty() && !mtxtNewFile->text().isEmpty() &&
                           !mtxtDestination->text().isEmpty());
}

void frmUpdateFiles::txtOldFile_Change()
{
    // The old folder's English, while the box holds what the window put there (not what was typed
    // or cleared).
    if (mtxtOldSource->text() == mstrOldSourceFilled) {
        const QString strOld = mtxtOldFile->text();
        const QString strSibling = strOld.trimmed().isEmpty() ? QString() : FindSourceFolder(strOld);
        mtxtOldSource->setText(strSibling);
        mstrOldSourceFilled = strSibling;
    }
    SetUpdateButtonState();
}

void frmUpdateFiles::txtOldSource_Change() { SetUpdateButtonState(); }
void frmUpdateFiles::txtNewFile_Change() { SetUpdateButtonState(); }
void frmUpdateFiles::txtDestination_Change() { SetUpdateButtonState(); }

void frmUpdateFiles::cmdBrowse_Click(int16_t Index)
{
    QLineEdit* ptxtRow = mtxtRows[Index];
    const QString strStart = ptxtRow->text().isEmpty() ? App::Path() : ptxtRow->text();
    QString strFolder;
    if (Desktop().ChooseFolder(strStart, strFolder)) ptxtRow->setText(strFolder);
    SetUpdateButtonState();
}

void frmUpdateFiles::cmdUpdate_Click()
{
    const QString strOldSource = mtxtOldSource->text();
    if (!strOldSource.isEmpty() && !QFileInfo(strOldSource).isDir()) {
        MsgBox(tr("The old source folder %1 does not exist.\r\n\r\nChoose the folder the old folder was "
                              "translated from, or clear the box to update without it.")
                   .arg(strOldSource),
               vbExclamation);
        return;
    }
    // The update reads the files in the code page the editor was set to, so that the report shows
    // their texts right; its store is its own, the editor's tables are never touched.
    mudtLastFolders = {mtxtOldFile->text(), mtxtNewFile->text(), mtxtDestination->text(), strOldSource};
    QSettings().setValue(QLatin1StringView(KeyNewFolder), mtxtNewFile->text());
    mudtLastUpdate = UpdateLanguageFolder(
        mudtLastFolders, gobjTextStore ? gobjTextStore->CodePage() : QString::fromLatin1(clsCodePage::DefaultName), true);
    const udtUpdateMessage udtMessage = UpdateMessage(mudtLastUpdate);
    mcmdShowReport->setEnabled(true);
    MsgBox(udtMessage.Prompt, udtMessage.Style, QString(), udtMessage.Details);
    // Then the whole report, where the work starts.
    cmdShowReport_Click();
}

void frmUpdateFiles::cmdShowReport_Click()
{
    // Owned by the main window, not by this one: the report stays open when the update window closes.
    frmUpdateReport::ShowReport(window(), mudtLastUpdate, mudtLastFolders, mfnOpenResult);
}

void frmUpdateFiles::cmdCancel_Click()
{
    if (auto* pobjWindow = qobject_cast<QMdiSubWindow*>(parentWidget())) pobjWindow->close();
    else close();
}

}  // namespace tralyx
