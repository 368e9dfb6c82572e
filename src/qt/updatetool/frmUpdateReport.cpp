#include "updatetool/frmUpdateReport.h"

#include "common/basDesktop.h"
#include "store/basSafeFile.h"
#include "updatetool/clsUpdateReportModel.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>

namespace tralyx {
namespace {

QString OutcomeText(const udtUpdateReport& pudtReport)
{
    switch (pudtReport.Outcome) {
    case enuUpdateOutcome::Written: return frmUpdateReport::tr("written");
    case enuUpdateOutcome::Merged: return frmUpdateReport::tr("merged, not written (dry run)");
    case enuUpdateOutcome::NotMerged:
    case enuUpdateOutcome::NotWritten: break;
    }
    // The summary's reason, without the file's name it starts with.
    return pudtReport.Summary().mid(pudtReport.FileName.size() + 1);
}

}  // namespace

frmUpdateReport::frmUpdateReport(QWidget* pobjOwner) : QWidget(pobjOwner, Qt::Window)
{
    setObjectName(QStringLiteral("frmUpdateReport"));
    setWindowTitle(tr("Update Report"));
    setAttribute(Qt::WA_QuitOnClose, false);  // the program ends with its main window, open report or not

    mlblSummary = new QLabel(this);
    mlblSummary->setObjectName(QStringLiteral("lblSummary"));
    mlblSummary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    mlblSummary->setWordWrap(true);

    mgrdCounts = new QTableWidget(0, 2 + clsUpdateReportModel::KindCount, this);
    mgrdCounts->setObjectName(QStringLiteral("grdCounts"));
    QStringList strHeaders{tr("File"), tr("Result")};
    for (int k = 0; k < clsUpdateReportModel::KindCount; ++k) strHeaders.append(clsUpdateReportModel::KindName(k));
    mgrdCounts->setHorizontalHeaderLabels(strHeaders);
    mgrdCounts->verticalHeader()->hide();
    mgrdCounts->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mgrdCounts->setSelectionMode(QAbstractItemView::NoSelection);
    mgrdCounts->setFocusPolicy(Qt::NoFocus);
    mgrdCounts->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);

    auto* lblKind = new QLabel(tr("&Show:"), this);
    mcboKind = new QComboBox(this);
    mcboKind->setObjectName(QStringLiteral("cboKind"));
    lblKind->setBuddy(mcboKind);
    mcboKind->addItem(tr("All entries"), clsUpdateReportModel::AllKinds);
    for (int k = 0; k < clsUpdateReportModel::KindCount; ++k) mcboKind->addItem(clsUpdateReportModel::KindName(k), k);
    mlblShown = new QLabel(this);
    mlblShown->setObjectName(QStringLiteral("lblShown"));

    mobjEntries = new clsUpdateReportModel(this);
    mlvwEntries = new QTableView(this);
    mlvwEntries->setObjectName(QStringLiteral("lvwEntries"));
    mlvwEntries->setModel(mobjEntries);
    mlvwEntries->setSelectionBehavior(QAbstractItemView::SelectRows);
    mlvwEntries->setWordWrap(false);
    mlvwEntries->verticalHeader()->hide();
    mlvwEntries->verticalHeader()->setDefaultSectionSize(mlvwEntries->fontMetrics().height() + 6);
    mlvwEntries->horizontalHeader()->setStretchLastSection(true);
    mlvwEntries->setColumnWidth(clsUpdateReportModel::ColFile, 110);
    mlvwEntries->setColumnWidth(clsUpdateReportModel::ColKind, 70);
    mlvwEntries->setColumnWidth(clsUpdateReportModel::ColId, 220);
    mlvwEntries->setColumnWidth(clsUpdateReportModel::ColText, 330);

    mcmdSaveReport = new QPushButton(tr("Save &Report..."), this);
    mcmdSaveReport->setObjectName(QStringLiteral("cmdSaveReport"));
    mcmdOpenResult = new QPushButton(tr("&Open Result"), this);
    mcmdOpenResult->setObjectName(QStringLiteral("cmdOpenResult"));
    mcmdOpenResult->setToolTip(tr("Opens the files written in the editor, with the new release's folder as their source"));
    mcmdClose = new QPushButton(tr("&Close"), this);
    mcmdClose->setObjectName(QStringLiteral("cmdClose"));
    for (QPushButton* pcmdButton : {mcmdSaveReport, mcmdOpenResult, mcmdClose}) pcmdButton->setAutoDefault(false);

    auto* objFilter = new QHBoxLayout;
    objFilter->addWidget(lblKind);
    objFilter->addWidget(mcboKind);
    objFilter->addWidget(mlblShown, 1);
    auto* objButtons = new QHBoxLayout;
    objButtons->addWidget(mcmdSaveReport);
    objButtons->addStretch();
    objButtons->addWidget(mcmdOpenResult);
    objButtons->addWidget(mcmdClose);
    auto* objForm = new QVBoxLayout(this);
    objForm->addWidget(mlblSummary);
    objForm->addWidget(mgrdCounts);
    objForm->addLayout(objFilter);
    objForm->addWidget(mlvwEntries, 1);
    objForm->addLayout(objButtons);
    resize(1120, 660);

    connect(mcboKind, &QComboBox::currentIndexChanged, this, &frmUpdateReport::cboKind_Change);
    connect(mcmdSaveReport, &QPushButton::clicked, this, &frmUpdateReport::cmdSaveReport_Click);
    connect(mcmdOpenResult, &QPushButton::clicked, this, &frmUpdateReport::cmdOpenResult_Click);
    connect(mcmdClose, &QPushButton::clicked, this, &QWidget::close);
}

frmUpdateReport* frmUpdateReport::ShowReport(QWidget* pobjOwner, const udtFolderUpdate& pudtUpdate,
                                             const udtUpdateFolders& pudtFolders, const OpenResultHandler& pfnOpenResult)
{
    auto* pfrmReport = pobjOwner->findChild<frmUpdateReport*>(QString(), Qt::FindDirectChildrenOnly);
    const bool booNew = !pfrmReport;
    if (booNew) pfrmReport = new frmUpdateReport(pobjOwner);
    pfrmReport->SetReport(pudtUpdate, pudtFolders, pfnOpenResult);
    if (booNew) {
        // Over the middle of the main window, on its screen.
        QRect objPlace(QPoint(), pfrmReport->size());
        objPlace.moveCenter(pobjOwner->frameGeometry().center());
        if (const QScreen* pobjScreen = pobjOwner->screen()) {
            const QRect objScreen = pobjScreen->availableGeometry();
            objPlace.moveLeft(std::clamp(objPlace.left(), objScreen.left(), std::max(objScreen.left(), objScreen.right() - objPlace.width())));
            objPlace.moveTop(std::clamp(objPlace.top(), objScreen.top(), std::max(objScreen.top(), objScreen.bottom() - objPlace.height())));
        }
        pfrmReport->move(objPlace.topLeft());
    }
    pfrmReport->show();
    // Owned by the main window, but not kept above it: the editor windows opened from it come in front.
    if (QWindow* pobjWindow = pfrmReport->windowHandle()) pobjWindow->setTransientParent(nullptr);
    pfrmReport->raise();
    pfrmReport->activateWindow();
    return pfrmReport;
}

void frmUpdateReport::SetReport(const udtFolderUpdate& pudtUpdate, const udtUpdateFolders& pudtFolders,
                                const OpenResultHandler& pfnOpenResult)
{
    mudtUpdate = pudtUpdate;
    mstrSourceFolder = QFileInfo(pudtFolders.New).absoluteFilePath();
    mfnOpenResult = pfnOpenResult;
    mstrWritten.clear();
    for (const udtUpdateReport& r : pudtUpdate.Files)
        if (r.Written()) mstrWritten.append(QFileInfo(r.DestinationFile).absoluteFilePath());

    QStringList strLines{tr("From %1 and %2 into %3")
                             .arg(QDir::toNativeSeparators(pudtFolders.Old), QDir::toNativeSeparators(pudtFolders.New),
                                  QDir::toNativeSeparators(pudtFolders.Destination))};
    if (!pudtFolders.OldSource.isEmpty())
        strLines.append(tr("Compared with the old source %1").arg(QDir::toNativeSeparators(pudtFolders.OldSource)));
    if (!pudtUpdate.DestinationLine.isEmpty()) strLines.append(pudtUpdate.DestinationLine);
    if (!pudtUpdate.StateLine.isEmpty()) strLines.append(pudtUpdate.StateLine);
    // What the readers skipped or did without (lines, an old source file) may be missing from the
    // result: never only in the saved report.
    for (const udtUpdateReport& r : pudtUpdate.Files)
        if (!r.Warnings.isEmpty())
            strLines.append(tr("%1: %L2 warning(s) while reading, the first: %3")
                                .arg(r.FileName)
                                .arg(r.Warnings.size())
                                .arg(r.Warnings.first()));
    mlblSummary->setText(strLines.join(u'\n'));

    mobjEntries->SetReports(pudtUpdate.Files);
    mgrdCounts->setRowCount(static_cast<int>(pudtUpdate.Files.size()));
    for (int f = 0; f < mgrdCounts->rowCount(); ++f) {
        const udtUpdateReport& r = pudtUpdate.Files[f];
        mgrdCounts->setItem(f, 0, new QTableWidgetItem(r.FileName));
        auto* objResult = new QTableWidgetItem(OutcomeText(r));
        objResult->setToolTip(r.Summary());
        mgrdCounts->setItem(f, 1, objResult);
        for (int k = 0; k < clsUpdateReportModel::KindCount; ++k) {
            // A file not written has no entries to count: its cells stay empty, not 0.
            auto* objCount = new QTableWidgetItem(r.HasEntries() ? QStringLiteral("%L1").arg(mobjEntries->Count(f, k)) : QString());
            objCount->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            mgrdCounts->setItem(f, 2 + k, objCount);
        }
    }
    mgrdCounts->resizeColumnToContents(0);
    int lngHeight = mgrdCounts->horizontalHeader()->height() + 2 * mgrdCounts->frameWidth();
    for (int f = 0; f < mgrdCounts->rowCount(); ++f) lngHeight += mgrdCounts->rowHeight(f);
    mgrdCounts->setFixedHeight(lngHeight);

    mcmdOpenResult->setVisible(static_cast<bool>(mfnOpenResult));
    mcmdOpenResult->setEnabled(!mstrWritten.isEmpty());
    ShowCount();
}

void frmUpdateReport::keyPressEvent(QKeyEvent* pobjEvent)
{
    if (pobjEvent->key() == Qt::Key_Escape && pobjEvent->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(pobjEvent);
}

void frmUpdateReport::cboKind_Change(int plngIndex)
{
    mobjEntries->SetKind(mcboKind->itemData(plngIndex).toInt());
    ShowCount();
}

void frmUpdateReport::ShowCount()
{
    mlblShown->setText(tr("%L1 of %L2 entries").arg(mobjEntries->rowCount()).arg(mobjEntries->TotalRows()));
}

void frmUpdateReport::cmdSaveReport_Click()
{
    QString strFile = QStringLiteral("update-report.txt");
    if (!Desktop().FileDialog(true, tr("Text files (*.txt);;All Files (*)"), strFile)) return;
    QString strReason;
    if (!WriteFileAtomically(strFile, FullUpdateReport(mudtUpdate).toUtf8(), strReason))
        MsgBox(tr("The report was not saved.\r\n\r\n%1").arg(strReason), vbExclamation);
}

void frmUpdateReport::cmdOpenResult_Click()
{
    if (mfnOpenResult && !mstrWritten.isEmpty()) mfnOpenResult(mstrWritten, mstrSourceFolder);
}

}  // namespace tralyx
