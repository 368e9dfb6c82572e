// The update report names the work by the files' own ids: the text names the first entries and
// counts the rest, `update --json` names them all.
#include "TempDir.h"
#include "TestTexts.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

using namespace tralyx::test;

TEST(UpdateReportTest, JsonNamesEveryEntryTheTextTheFirstOnes)
{
    clsTempDir objDir;
    QByteArray bytNew;
    for (int i = 1; i <= 1200; ++i) bytNew += QStringLiteral("TXT%1:Text %2\r\n").arg(i % 1000, 3, 10, QChar(u'0')).arg(i).toLatin1();
    objDir.Write(Q("old/secondary.lrc"), "TXT001:Eins\r\nTXT002:Zwei\r\n");
    objDir.Write(Q("new/secondary.lrc"), bytNew);
    objDir.Write(Q("old/messages.lrc"), "MSG001:Eins\r\nMST001:\r\nMSG002:Zwei\r\nMST002:\r\n");
    objDir.Write(Q("new/messages.lrc"), "MSG001:One\r\nMST001:\r\n");
    QDir().mkpath(objDir.Path(Q("dest")));
    const auto Run = [&](const QStringList& pstrOptions) {
        QProcess objProcess;
        objProcess.start(Q(TRALYX_LRC_EXE), QStringList{Q("update"), Q("--dry-run")} + pstrOptions +
                                                QStringList{objDir.Path(Q("old")), objDir.Path(Q("new")), objDir.Path(Q("dest"))});
        objProcess.waitForFinished(30000);
        return objProcess.readAllStandardOutput();
    };

    const QJsonArray udtFiles = QJsonDocument::fromJson(Run({Q("--json")})).object()[Q("files")].toArray();
    ASSERT_EQ(udtFiles.size(), 3);
    const QJsonArray udtNew = udtFiles[2].toObject()[Q("new")].toArray();
    ASSERT_EQ(udtNew.size(), 1198);
    EXPECT_EQ(udtNew[0].toObject()[Q("entry")].toString(), Q("TXT003"));
    EXPECT_EQ(udtNew[996].toObject()[Q("entry")].toString(), Q("TXT999"));
    EXPECT_EQ(udtNew[997].toObject()[Q("entry")].toString(), Q("TXT000#1000"));  // the file's number wraps
    EXPECT_EQ(udtFiles[1].toObject()[Q("dropped")].toArray()[0].toObject()[Q("entry")].toString(), Q("MSG002"));

    const QString strText = QString::fromUtf8(Run({}));
    EXPECT_TRUE(strText.contains(Q("    TXT022 \"Text 22\"\n    ... and 1,178 more"))) << strText.toStdString();
    EXPECT_TRUE(strText.contains(Q("    MSG002 \"Zwei\""))) << strText.toStdString();
}
