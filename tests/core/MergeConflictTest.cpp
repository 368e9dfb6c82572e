// Git's conflict markers left in a language folder: every reader and command refuses the file and
// names the marker's line, and nothing is written from it.
#include "RunProgram.h"
#include "TempDir.h"
#include "store/basMergeConflict.h"

#include <cstring>

#include <gtest/gtest.h>

using namespace tralyx;
using namespace tralyx::test;

namespace {

TEST(MergeConflictTest, FindsTheFirstMarkerLine)
{
    const struct {
        QByteArray Content;
        int32_t Line;
    } udtCases[] = {
        {"TXT001:a\r\n<<<<<<< HEAD\r\nTXT001:b\r\n", 2},
        {"TXT001:a\n=======\n", 2},                   // the LF-only checkout Git makes
        {"TXT001:a\r=======  \r\nTXT001:b\r\n", 2},    // after a lone CR
        {"||||||| merged common ancestors\r\n", 1},
        {">>>>>>>\r\n", 1},
        {"TXT001:a\r\n==========\r\nTXT002:b\r\n", 0},  // a heading, which the reader skips
        {"TXT001:<<<<<<< x\r\nf.a.0.C:=======\r\n", 0},
        {"<<<<<<<x\r\n======= x\r\n<<<<<<\r\n", 0},
        {"<<<<<<<<<<<<<<\r\nTXT001:a<<<<<<< \r\n", 0},    // a longer run; a run inside a line
        {"TXT001:ab\r\nTXT002:cd\n\rTXT3:x\r\n=======", 5},
        {"TXT01:a\r\n>>>>>>> theirs\r\n", 2},
        {"TXT001:a\r\n|||||||\r\n", 2},
        {"TXT0001:a\r\n<<<<<<<\n", 2},
    };
    for (const auto& c : udtCases) EXPECT_EQ(MergeConflictLine(c.Content), c.Line) << c.Content.toStdString();
    // The marker at every offset, and markers of each kind that are one byte short or long.
    for (int i = 0; i < 14; ++i)
        for (const char* pstrMarker : {"<<<<<<< ours", ">>>>>>>", "|||||||", "=======", "<<<<<<", "========"}) {
            const QByteArray bytContent = QByteArray(i, 'x') + "\r\n" + pstrMarker + "\r\n";
            const size_t lngLength = std::strlen(pstrMarker);
            EXPECT_EQ(MergeConflictLine(bytContent), lngLength == 7 || (lngLength > 7 && pstrMarker[7] == ' ') ? 2 : 0) << bytContent.toStdString();
        }
}

TEST(MergeConflictTest, EveryCommandRefusesTheFolder)
{
    clsTempDir objDir;
    const QString strEnglish = objDir.Language("English", "f.cmdA.0.T:Tip\r\nf.cmdA.0.C:Go\r\n", "MSG001:One\r\nMST001:T\r\n",
                                               "TXT001:One\r\nTXT002:Two\r\nTXT003:Three\r\n");
    const QString strGerman = objDir.Language("German", "f.cmdA.0.T:Tipp\r\nf.cmdA.0.C:Los\r\n", "MSG001:Eins\r\nMST001:T\r\n",
                                              "TXT001:Eins\r\nTXT002:Zwei\r\nTXT003:Drei\r\n");
    ASSERT_EQ(RunLrc({"export", "--target-language", "de", strGerman, objDir.Path("de.po")}).ExitCode, 0);
    const QByteArray bytConflict = "TXT001:Eins\r\n<<<<<<< HEAD\r\nTXT002:Zwei\r\n=======\r\nTXT002:Zwo\r\n>>>>>>> B\r\nTXT003:Drei\r\n";
    const QByteArray bytState = "{\n  \"tralyx-translation-state\": 1,\n<<<<<<< HEAD\n  \"files\": {}\n=======\n  \"files\": {}\n>>>>>>> B\n}\n";
    const struct {
        const char* File;     // in German/
        QByteArray Content;
        int32_t Line;         // of the first marker
    } udtFiles[] = {
        {"secondary.lrc", bytConflict, 2},
        {"translation-state.json", bytState, 3},
    };
    for (const auto& f : udtFiles) {
        const QString strFile = objDir.Write(QStringLiteral("German/") + f.File, f.Content);
        const QString strOut = objDir.Path("out");
        const QStringList strCommands[] = {
            {"check", strFile},
            {"lint", strGerman},
            {"export", "--target-language", "de", strGerman, objDir.Path("out.po")},
            {"update", strGerman, strEnglish, strOut},
            {"import", "--force", objDir.Path("de.po"), strGerman},
        };
        for (const QStringList& strArgs : strCommands) {
            const udtRun udtResult = RunLrc(strArgs);
            EXPECT_EQ(udtResult.ExitCode, 1) << strArgs.join(u' ').toStdString();
            const QString strSaid = udtResult.Said();
            EXPECT_TRUE(strSaid.contains(strFile) && strSaid.contains("an unresolved merge conflict") &&
                        (strSaid.contains(QStringLiteral(":%1: ").arg(f.Line)) || strSaid.contains(QStringLiteral("line %1: ").arg(f.Line))))
                << strSaid.toStdString();
        }
        EXPECT_FALSE(QFileInfo::exists(objDir.Path("out.po")));
        EXPECT_FALSE(QFileInfo::exists(strOut + "/secondary.lrc"));
        EXPECT_EQ(clsTempDir::Read(strFile), f.Content);
        QFile::remove(strFile);
    }
    // The dump of such a file holds no text of either side.
    objDir.Write("German/secondary.lrc", bytConflict);
    const udtRun udtDump = RunLrc({"dump", objDir.Path("German/secondary.lrc")});
    EXPECT_EQ(udtDump.ExitCode, 1);
    EXPECT_FALSE(udtDump.Out.contains("Zw"));
}

}  // namespace
