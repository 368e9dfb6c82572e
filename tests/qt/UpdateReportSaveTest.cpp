// The update window saves the full report: every entry taken new and dropped, where the closing
// box's details stop after the first ones.
#include "ScriptedDesktop.h"
#include "TempDir.h"
#include "TestTexts.h"
#include "basApplication.h"
#include "frmUpdateFiles.h"

#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace tralyx;
using namespace tralyx::test;

TEST(UpdateReportSaveTest, SavesEveryEntryOnlyAfterAnUpdate)
{
    clsTempDir objDir;
    QByteArray bytOld, bytNew;
    for (int i = 1; i <= 30; ++i) {
        bytOld += QStringLiteral("TXT%1:Alt %2\r\n").arg(i, 3, 10, QChar(u'0')).arg(i).toLatin1();
        bytNew += QStringLiteral("TXT%1:New %2\r\n").arg(i, 3, 10, QChar(u'0')).arg(i).toLatin1();
    }
    for (int i = 31; i <= 60; ++i) bytNew += QStringLiteral("TXT%1:New %2\r\n").arg(i, 3, 10, QChar(u'0')).arg(i).toLatin1();
    objDir.Write(Q("old/secondary.lrc"), bytOld);
    objDir.Write(Q("new/secondary.lrc"), bytNew);
    QDir().mkpath(objDir.Path(Q("dest")));

    QMdiArea objArea;
    objArea.show();
    frmUpdateFiles* pfrmForm = frmUpdateFiles::ShowIn(&objArea);
    auto* pcmdSave = pfrmForm->findChild<QPushButton*>(Q("cmdSaveReport"));
    ASSERT_NE(pcmdSave, nullptr);
    EXPECT_FALSE(pcmdSave->isEnabled());
    for (const auto& [pstrBox, strFolder] : {std::pair{"txtOldFile", Q("old")}, {"txtNewFile", Q("new")}, {"txtDestination", Q("dest")}})
        pfrmForm->findChild<QLineEdit*>(QLatin1StringView(pstrBox))->setText(objDir.Path(strFolder));

    const QString strReport = objDir.Path(Q("report.txt"));
    {
        clsScriptedDesktop objDesktop;
        objDesktop.Expect(Q("Not every file was updated.\r\n\r\n") + Q("core.lrc was not merged: ") + objDir.Path(Q("old/core.lrc")) +
                              Q(" does not exist\r\nmessages.lrc was not merged: ") + objDir.Path(Q("old/messages.lrc")) +
                              Q(" does not exist"),
                          vbExclamation, App::Title());
        QTest::mouseClick(pfrmForm->findChild<QPushButton*>(Q("cmdUpdate")), Qt::LeftButton);
        ASSERT_EQ(objDesktop.Shown().size(), 1u);
        const QString& strDetails = objDesktop.Shown()[0].Details;
        EXPECT_TRUE(strDetails.contains(Q("TXT031 \"New 31\""))) << strDetails.toStdString();
        EXPECT_FALSE(strDetails.contains(Q("TXT060"))) << strDetails.toStdString();
        EXPECT_TRUE(strDetails.contains(Q("... and 10 more"))) << strDetails.toStdString();

        objDesktop.NextFile(strReport);
        ASSERT_TRUE(pcmdSave->isEnabled());
        QTest::mouseClick(pcmdSave, Qt::LeftButton);
    }
    const QString strSaved = QString::fromUtf8(clsTempDir::Read(strReport));
    for (int i = 31; i <= 60; ++i) EXPECT_TRUE(strSaved.contains(QStringLiteral("TXT0%1 \"New %1\"").arg(i))) << i;
    EXPECT_FALSE(strSaved.contains(Q("more")));
}
