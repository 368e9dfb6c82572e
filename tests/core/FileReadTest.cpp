// Reading whole files of the sizes where the read buffer changes shape (huge pages from 2 MiB on).
#include "common/basFileSystem.h"
#include "TempDir.h"

#include <gtest/gtest.h>

using namespace tralyx;
using tralyx::test::clsTempDir;

TEST(FileReadTest, EverySizeReadsBackByteForByte)
{
    constexpr qsizetype HugePage = qsizetype(2) * 1024 * 1024;
    for (const qsizetype lngSize : {qsizetype(0), qsizetype(1), HugePage - 2, HugePage - 1, HugePage, 3 * HugePage + 17}) {
        QByteArray bytWritten(lngSize, Qt::Uninitialized);
        for (qsizetype i = 0; i < lngSize; ++i) bytWritten[i] = static_cast<char>((i * 7 + i / 4099) & 0xFF);
        clsTempDir objDir;
        const QString strPath = objDir.Write(QStringLiteral("core.lrc"), bytWritten);
        QByteArray bytRead;
        QString strReason;
        ASSERT_TRUE(fs::ReadRegularFile(strPath, bytRead, strReason)) << lngSize << ": " << strReason.toStdString();
        EXPECT_TRUE(bytRead == bytWritten) << lngSize;
        EXPECT_EQ(bytRead.constData()[lngSize], '\0') << lngSize;  // still a terminated QByteArray
    }
}
