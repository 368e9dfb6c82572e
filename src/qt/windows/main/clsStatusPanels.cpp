#include "windows/main/clsStatusPanels.h"

#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QStatusBar>
#include <QTimer>

namespace tralyx {
namespace {

QLabel* AddPanel(QStatusBar* psbStatusBar, const char* pstrName, const QString& pstrText, bool pbooStretch)
{
    auto* lblPanel = new QLabel(pstrText, psbStatusBar);
    lblPanel->setObjectName(QLatin1String(pstrName));
    lblPanel->setContentsMargins(6, 0, 6, 0);
    if (pbooStretch) psbStatusBar->addWidget(lblPanel, 1);
    else psbStatusBar->addPermanentWidget(lblPanel);
    return lblPanel;
}

// The locale's short time without seconds: the panel changes once a minute.
QString TimeFormat(const QLocale& pobjLocale)
{
    QString strFormat = pobjLocale.timeFormat(QLocale::ShortFormat);
    for (const QString& strSeconds : {QStringLiteral(":ss"), QStringLiteral(".ss"), QStringLiteral(":s")})
        strFormat.remove(strSeconds);
    return strFormat;
}

}  // namespace

clsStatusPanels::clsStatusPanels(QStatusBar* psbStatusBar) : QObject(psbStatusBar)
{
    psbStatusBar->setObjectName(QStringLiteral("sbStatusBar"));
    mlblStatus = AddPanel(psbStatusBar, "sbStatus", tr("Status"), true);
    mlblWork = AddPanel(psbStatusBar, "sbWork", QString(), false);
    mlblWork->setVisible(false);
    mlblModified = AddPanel(psbStatusBar, "sbModified", QString(), false);
    mlblNextCodePage = AddPanel(psbStatusBar, "sbNextCodePage", QString(), false);
    mlblNextCodePage->setToolTip(tr("Code page of the next Open"));
    mlblCodePage = AddPanel(psbStatusBar, "sbCodePage", QString(), false);
    mlblCodePage->setToolTip(tr("Code page of the active file"));
    mlblDate = AddPanel(psbStatusBar, "sbDate", QString(), false);
    mlblTime = AddPanel(psbStatusBar, "sbTime", QString(), false);
    tmrClock = new QTimer(this);
    tmrClock->setSingleShot(true);
    connect(tmrClock, &QTimer::timeout, this, &clsStatusPanels::tmrClock_Timer);
    tmrClock_Timer();
}

void clsStatusPanels::SetCodePage(const QString& pstrName) { mlblCodePage->setText(pstrName); }

void clsStatusPanels::SetNextCodePage(const QString& pstrName)
{
    mlblNextCodePage->setText(pstrName.isEmpty() ? QString() : tr("Next Open: %1").arg(pstrName));
}

void clsStatusPanels::SetModified(bool pbooModified)
{
    mlblModified->setText(pbooModified ? tr("Modified") : QString());
}

void clsStatusPanels::SetEntry(const QString& pstrEntryId)
{
    mlblStatus->setText(pstrEntryId.isEmpty() ? tr("Status") : pstrEntryId);
}

void clsStatusPanels::SetWork(const QString& pstrText)
{
    mlblWork->setText(pstrText);
    mlblWork->setToolTip(pstrText);  // whole, where the bar has to cut a long "No source: ..."
    mlblWork->setVisible(!pstrText.isEmpty());
}

void clsStatusPanels::tmrClock_Timer()
{
    const QDateTime objNow = QDateTime::currentDateTime();
    const QLocale objLocale = QLocale::system();
    mlblDate->setText(objLocale.toString(objNow.date(), QLocale::ShortFormat));
    mlblTime->setText(objLocale.toString(objNow.time(), TimeFormat(objLocale)));
    // Wake just after the next minute begins.
    tmrClock->start(60'000 - objNow.time().second() * 1000 - objNow.time().msec() + 50);
}

}  // namespace tralyx
