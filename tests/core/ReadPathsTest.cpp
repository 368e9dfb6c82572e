// The readers parse the bytes of a code page that keeps ASCII (windows-1252) without decoding whole
// lines, and decode every line first elsewhere (UTF-8). On ASCII files both must say the same: the
// table, the record lines, the warnings and the failure with its reason; a scan as the full read.
#include "store/basControlTextFormat.h"

#include <gtest/gtest.h>

using namespace tralyx;

TEST(ReadPaths, BytesAndDecodedLinesReadAlike)
{
    const QByteArray files[] = {
        "frmA.cmdOK.0.T:tip\r\nfrmA.cmdOK.0.C:  OK\r\nfrmA.cmdNo.1.C:No\r\n",
        "frmA.cmdOK.0.T:one\rfrmA.cmdOK.0.T:  two\r\nfrmA.cmdOK.0.C:c\rfrmA.cmdOK.0.C:d\n",
        "frmA.cmdOK.0.C:c\r\nfrmA.cmdOK.0.T:t\r\nfrmA.cmdOK.0.C:c2\r\n.x.0.C:\r\n..0.T:\r\n",
        "frmA.cmdOK.0.X:skipped\r\nfrmA.cmdOK.0.TT:also\r\nfrmA.mnuF.007.C:x.y:z\r\n",
        "frmA.cmdOK.0.T:t\r\n\r\nfrmA.cmdOK.0.C:c\r\n",
        "frmA.cmdOK.0.T:t\r\nfrmA.cmdOK:c\r\n",
        "frmA.cmdOK.256.T:t\r\n",
        "frmA.cmdOK..T:t\r\n",
        "frmA.cmdOK.1x2345678901234567890123.T:t\r\n",
        "frmA.cmdOK.0.T-no-colon\r\n",
        "frmA.cmdOK.0.T:t\r\nfrmA.cmdOK.0.T:again\r\n",
    };
    const clsCodePage objBytes("windows-1252"), objDecoded("UTF-8");
    ASSERT_TRUE(objBytes.KeepsAscii());
    ASSERT_FALSE(objDecoded.KeepsAscii());
    for (const QByteArray& bytFile : files) {
        SCOPED_TRACE(bytFile.toStdString());
        udtControlTextRead udtBytes, udtDecoded, udtScan;
        ReadControlText(bytFile, objBytes, udtBytes);
        ReadControlText(bytFile, objDecoded, udtDecoded);
        ScanControlText(bytFile, objBytes, udtScan);
        EXPECT_EQ(udtBytes.Table, udtDecoded.Table);
        EXPECT_EQ(udtBytes.Lines, udtDecoded.Lines);
        EXPECT_EQ(udtBytes.Warnings, udtDecoded.Warnings);
        EXPECT_EQ(udtBytes.Error, udtDecoded.Error);
        EXPECT_EQ(udtBytes.Success, udtDecoded.Success);
        EXPECT_EQ(udtScan.Lines, udtBytes.Lines);
        EXPECT_EQ(udtScan.Warnings, udtBytes.Warnings);
        EXPECT_EQ(udtScan.Error, udtBytes.Error);
        EXPECT_EQ(udtScan.Success, udtBytes.Success);
    }
}

TEST(ReadPaths, AsciiRunsDecodeAndEncodeAsEachByteAlone)
{
    const clsCodePage objCodePage("windows-1252");
    QByteArray bytText;
    for (int i = 0; i < 70; ++i) bytText += i == 20 || i == 55 ? static_cast<char>(0x80 + i) : static_cast<char>('a' + i % 26);
    for (qsizetype n = 0; n <= bytText.size(); ++n) {
        QString strEach;
        for (qsizetype k = 0; k < n; ++k) strEach += objCodePage.Decode(bytText.constData() + k, 1);
        EXPECT_EQ(objCodePage.Decode(bytText.constData(), n), strEach) << n;
        QString strAppended = QStringLiteral("x");
        objCodePage.DecodeAppend(bytText.constData(), n, strAppended);
        EXPECT_EQ(strAppended, u'x' + strEach) << n;
        QByteArray bytBack("x");
        EXPECT_TRUE(objCodePage.Encode(strEach, bytBack)) << n;
        EXPECT_EQ(bytBack, 'x' + bytText.left(n)) << n;
    }
    // A character the code page lacks, after a block of ASCII, appends nothing.
    QByteArray bytBack("x");
    EXPECT_FALSE(objCodePage.Encode(QString(40, u'a') + QChar(0x4E00) + QString(20, u'b'), bytBack));
    EXPECT_EQ(bytBack, "x");
}
