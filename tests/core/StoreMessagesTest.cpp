// messages.lrc and secondary.lrc: reading, writing, and what survives a round trip.
#include "StoreFiles.h"
#include "TempDir.h"

#include <gtest/gtest.h>

using namespace tralyx;
using namespace tralyx::test;

namespace {

MessageItem Msg(uint8_t id, const char* message, const char* title)
{
    return {id, QString::fromUtf8(message), QString::fromUtf8(title)};
}

template <typename Table>
struct udtRead {
    bool success;
    udtFileIssue error;
    Table table;
};

udtRead<QVector<MessageItem>> ReadMessages(const QByteArray& file)
{
    clsTempDir dir;
    clsTralyx store;
    const udtLoadResult r = LoadBytes(store, enuKind::Messages, file, dir.Path());
    return {r.Success, r.Error, store.MessageTable()};
}

udtRead<QStringList> ReadSecondary(const QByteArray& file)
{
    clsTempDir dir;
    clsTralyx store;
    const udtLoadResult r = LoadBytes(store, enuKind::Secondary, file, dir.Path());
    return {r.Success, r.Error, store.SecondaryTable()};
}

QByteArray WriteMessages(const QVector<MessageItem>& table)
{
    clsTempDir dir;
    clsTralyx store;
    store.SetMessageTable(table);
    EXPECT_TRUE(SaveTo(store, enuKind::Messages, dir.Path("m.lrc"))) << store.LastError().Text().toStdString();
    return clsTempDir::Read(dir.Path("m.lrc"));
}

QByteArray WriteSecondary(const QStringList& table)
{
    clsTempDir dir;
    clsTralyx store;
    store.SetSecondaryTable(table);
    EXPECT_TRUE(SaveTo(store, enuKind::Secondary, dir.Path("s.lrc"))) << store.LastError().Text().toStdString();
    return clsTempDir::Read(dir.Path("s.lrc"));
}

}  // namespace

TEST(MessagesRead, Records)
{
    struct {
        const char* name;
        QByteArray file;
        QVector<MessageItem> records;
    } cases[] = {
        {"empty file", "", {Msg(0, "", "")}},
        {"numbers in any order", "MSG005:a\r\nMST005:A\r\nMSG009:b\r\nMST009:B\r\nMSG002:c\r\nMST002:C\r\n",
         {Msg(5, "a", "A"), Msg(9, "b", "B"), Msg(2, "c", "C")}},
        {"title first", "MST001:T\r\nMSG001:m\r\n", {Msg(1, "m", "T")}},
        {"second title wins", "MSG001:m\r\nMST001:one\r\nMST001:two\r\n", {Msg(1, "m", "two")}},
        {"empty line in the middle", "MSG001:a\rMSG001:\rMSG001:b\r\nMST001:t\r\n", {Msg(1, "a\r\n\r\nb", "t")}},
        {"other tag with the current number ignored", "MSG001:a\r\nXYZ001:zzz\r\nMST001:t\r\n", {Msg(1, "a", "t")}},
        {"other tag with a new number starts an empty record", "MSG001:a\r\nXYZ002:zzz\r\nMSG003:b\r\n",
         {Msg(1, "a", ""), Msg(2, "", ""), Msg(3, "b", "")}},
        {"line without a number belongs to the record before", "MSG001:a\r\nMSGxx1:b\r\n", {Msg(1, "a\r\nb", "")}},
        {"LF-only file", "MSG001:a\nMSG001:b\nMST001:t\n", {Msg(1, "a\r\nb", "t")}},
        {"tags compare exactly", "MSG001:a\r\nmst001:t\r\n", {Msg(1, "a", "")}},
    };
    for (const auto& c : cases) {
        const auto r = ReadMessages(c.file);
        EXPECT_TRUE(r.success) << c.name << ": " << r.error.Text().toStdString();
        EXPECT_EQ(r.table, c.records) << c.name;
    }
}

TEST(MessagesRead, Failures)
{
    QByteArray tooMany;
    for (int i = 1; i <= 256; ++i) tooMany += "MSG" + QByteArray::number(i % 2 ? 1 : 2).rightJustified(3, '0') + ":x\r\n";
    struct {
        const char* name;
        QByteArray file;
        int line;
        const char* reason;
    } cases[] = {
        {"blank line", "MSG001:a\r\n\r\nMST001:t\r\n", 2, "blank"},
        {"short line", "MSG001:a\r\nMSG01\r\n", 2, "shorter than its 7-character head"},
        {"number above 255", "MSG256:a\r\n", 1, "record number 256 is above 255"},
        {"first number 000", "MSG000:a\r\n", 1, "before the first record"},
        {"256th record", tooMany, 256, "more than 255 messages"},
    };
    for (const auto& c : cases) {
        const auto r = ReadMessages(c.file);
        EXPECT_FALSE(r.success) << c.name;
        EXPECT_EQ(r.error.Line, c.line) << c.name;
        EXPECT_TRUE(r.error.Reason.contains(c.reason)) << c.name << ": " << r.error.Reason.toStdString();
        EXPECT_GE(r.table.size(), 1) << c.name;
    }
}

TEST(MessagesWrite, LinesAndRoundTrip)
{
    EXPECT_EQ(WriteMessages({Msg(7, "Line one\r\nLine two", "Warning")}),
              "MSG001:Line one\rMSG001:Line two\r\nMST001:Warning\r\n");
    // Empty messages and ones that end with a line break keep every line, so they read back;
    // identifiers become positions and lone CR or LF become CR LF.
    const QByteArray bytes = WriteMessages({Msg(5, "", ""), Msg(9, "ends\r\n", "t"), Msg(2, "a\r\n\r\nb  ", " x "),
                                            Msg(0, "\r\n", "[#!n!#]"), Msg(1, "lf\nand cr\rx", "")});
    EXPECT_TRUE(bytes.startsWith("MSG001:\r\nMST001:\r\nMSG002:ends\rMSG002:\r\nMST002:t\r\n"));
    const auto r = ReadMessages(bytes);
    ASSERT_TRUE(r.success);
    EXPECT_EQ(r.table, (QVector<MessageItem>{Msg(1, "", ""), Msg(2, "ends\r\n", "t"), Msg(3, "a\r\n\r\nb  ", " x "),
                                             Msg(4, "\r\n", "[#!n!#]"), Msg(5, "lf\r\nand cr\r\nx", "")}));
    EXPECT_EQ(WriteMessages(r.table), bytes);
}

TEST(MessagesWrite, Refusals)
{
    for (const auto& table : {QVector<MessageItem>{Msg(1, "m", "two\r\nlines")}, QVector<MessageItem>(256)}) {
        clsTempDir dir;
        const QString path = dir.Write("messages.lrc", "MSG001:old\r\nMST001:old\r\n");
        clsTralyx store;
        store.SetMessageTable(table);
        EXPECT_FALSE(SaveTo(store, enuKind::Messages, path));
        EXPECT_FALSE(store.LastError().Reason.isEmpty());
        EXPECT_EQ(clsTempDir::Read(path), "MSG001:old\r\nMST001:old\r\n");
    }
    EXPECT_EQ(ReadMessages(WriteMessages(QVector<MessageItem>(255))).table.size(), 255);
}

TEST(SecondaryRead, Entries)
{
    struct {
        const char* name;
        QByteArray file;
        QStringList entries;
    } cases[] = {
        {"empty file", "", {""}},
        {"blank and unnumbered lines skipped", "Heading\r\n\r\nTXT001:a\r\n\r\n-- x --\r\nTXT002:b\r\n", {"a", "b"}},
        {"the tag plays no part", "ABC001:a\r\nTXT001:b\r\n", {"a\r\nb"}},
        {"numbers only have to change", "TXT010:a\r\nTXT020:b\r\nTXT030:c\r\n", {"a", "b", "c"}},
        {"same number across unnumbered lines", "TXT001:a\r\nnote\r\nTXT001:b\r\n", {"a\r\nb"}},
        {"short unnumbered line", "TX\r\nTXT001:a\r\n", {"a"}},
        {"colon not looked at", "TXT001-a\r\n", {"a"}},
    };
    for (const auto& c : cases) {
        const auto r = ReadSecondary(c.file);
        EXPECT_TRUE(r.success) << c.name;
        EXPECT_EQ(r.table, c.entries) << c.name;
    }
}

TEST(SecondaryRead, Failures)
{
    struct {
        QByteArray file;
        int line;
        const char* reason;
    } cases[] = {
        {"TXT000:a\r\n", 1, "number 000"},
        {"TXT001:a\r\nTXT002\r\n", 2, "shorter than its 7-character head"},
    };
    for (const auto& c : cases) {
        const auto r = ReadSecondary(c.file);
        EXPECT_FALSE(r.success);
        EXPECT_EQ(r.error.Line, c.line);
        EXPECT_TRUE(r.error.Reason.contains(c.reason)) << r.error.Reason.toStdString();
    }
}

TEST(SecondaryWrite, LinesAndRoundTrip)
{
    EXPECT_EQ(WriteSecondary({"", "", "Ready\r\nWaiting"}), "TXT001:\r\nTXT002:\r\nTXT003:Ready\rTXT003:Waiting\r\n");
    // Past 999 the numbers wrap to 000, and the entries still read back in order.
    QStringList table = {"", "ends\r\n", "  blanks  ", "\r\n\r\n"};
    for (int i = 4; i < 2500; ++i) table << QString::number(i) + (i % 7 ? "" : "\r\nsecond line");
    const QByteArray bytes = WriteSecondary(table);
    EXPECT_TRUE(bytes.contains("\r\nTXT999:998\r\nTXT000:999\r\nTXT001:1000\r\n"));
    const auto r = ReadSecondary(bytes);
    ASSERT_TRUE(r.success);
    EXPECT_EQ(r.table, table);
    EXPECT_EQ(WriteSecondary(r.table), bytes);
}
