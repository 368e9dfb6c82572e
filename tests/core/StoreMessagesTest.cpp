// messages.lrc and secondary.lrc: reading, writing, and what survives a round trip.
#include "StoreFiles.h"
#include "TempDir.h"

#include <gtest/gtest.h>

using namespace tralyx;
using namespace tralyx::test;

namespace {

MessageItem Msg(uint8_t id, const char* message, const char* title) { return {id, message, title}; }

struct udtRead {
    udtLoadResult result;
    QVector<MessageItem> messages;
    QStringList secondary;
};

udtRead Read(enuFileKind kind, const QByteArray& file)
{
    clsTempDir dir;
    clsTralyx store;
    const udtLoadResult result = LoadBytes(store, kind, file, dir.Path());
    return {result, store.MessageTable(), store.SecondaryTable()};
}

QByteArray Write(const QVector<MessageItem>& messages, const QStringList& secondary = {})
{
    clsTempDir dir;
    clsTralyx store;
    store.SetMessageTable(messages);
    store.SetSecondaryTable(secondary);
    const enuFileKind kind = secondary.isEmpty() ? enuFileKind::Messages : enuFileKind::Secondary;
    EXPECT_TRUE(SaveTo(store, kind, dir.Path("out.lrc"))) << store.LastError().Text().toStdString();
    return clsTempDir::Read(dir.Path("out.lrc"));
}

}  // namespace

TEST(MessagesRead, Records)
{
    const std::pair<QByteArray, QVector<MessageItem>> cases[] = {
        {"", {Msg(0, "", "")}},
        {"MSG005:a\r\nMST005:A\r\nMSG009:b\r\nMST009:B\r\nMSG002:c\r\nMST002:C\r\n", {Msg(5, "a", "A"), Msg(9, "b", "B"), Msg(2, "c", "C")}},
        {"MST001:T\r\nMSG001:m\r\n", {Msg(1, "m", "T")}},                           // title first
        {"MSG001:m\r\nMST001:one\r\nMST001:two\r\n", {Msg(1, "m", "two")}},        // the second title wins
        {"MSG001:a\rMSG001:\rMSG001:b\r\nMST001:t\r\n", {Msg(1, "a\r\n\r\nb", "t")}},
        {"MSG001:a\r\nXYZ001:zzz\r\nMST001:t\r\n", {Msg(1, "a", "t")}},             // another tag, same number: ignored
        {"MSG001:a\r\nXYZ002:zzz\r\nMSG003:b\r\n", {Msg(1, "a", ""), Msg(2, "", ""), Msg(3, "b", "")}},
        {"MSG001:a\r\nMSGxx1:b\r\n", {Msg(1, "a\r\nb", "")}},                       // no number: the record before
        {"MSG001:a\nMSG001:b\nMST001:t\n", {Msg(1, "a\r\nb", "t")}},
        {"MSG001:a\r\nmst001:t\r\n", {Msg(1, "a", "")}},                            // tags compare exactly
    };
    for (const auto& [file, records] : cases) {
        const udtRead r = Read(enuFileKind::Messages, file);
        EXPECT_TRUE(r.result.Success) << file.toStdString() << ": " << r.result.Error.Text().toStdString();
        EXPECT_EQ(r.messages, records) << file.toStdString();
    }
}

TEST(SecondaryRead, Entries)
{
    const std::pair<QByteArray, QStringList> cases[] = {
        {"", {""}},
        {"Heading\r\n\r\nTXT001:a\r\n\r\n-- x --\r\nTXT002:b\r\n", {"a", "b"}},  // blank and unnumbered lines skipped
        {"ABC001:a\r\nTXT001:b\r\n", {"a\r\nb"}},                                // the tag plays no part
        {"TXT010:a\r\nTXT020:b\r\nTXT030:c\r\n", {"a", "b", "c"}},               // numbers only have to change
        {"TXT001:a\r\nnote\r\nTXT001:b\r\n", {"a\r\nb"}},
        {"TX\r\nTXT001:a\r\n", {"a"}},
        {"TXT001-a\r\n", {"a"}},  // the colon is not looked at
    };
    for (const auto& [file, entries] : cases) {
        const udtRead r = Read(enuFileKind::Secondary, file);
        EXPECT_TRUE(r.result.Success) << file.toStdString();
        EXPECT_EQ(r.secondary, entries) << file.toStdString();
    }
}

TEST(MessagesAndSecondaryRead, FailuresNameTheLineAndKeepTheRecordsBeforeIt)
{
    QByteArray tooMany;
    for (int i = 1; i <= 256; ++i) tooMany += i % 2 ? "MSG001:a\r\n" : "MSG002:a\r\n";
    const struct {
        enuFileKind kind;
        QByteArray file;
        int line;
        const char* reason;
        qsizetype kept;  // records in the table afterwards
    } cases[] = {
        {enuFileKind::Messages, "MSG001:a\r\nMST001:t\r\n\r\n", 3, "blank", 1},
        {enuFileKind::Messages, "MSG001:a\r\nMSG002:b\r\nMSG01\r\n", 3, "shorter than its 7-character head", 2},
        {enuFileKind::Messages, "MSG001:a\r\nMSG256:a\r\n", 2, "record number 256 is above 255", 1},
        {enuFileKind::Messages, "MSG000:a\r\n", 1, "before the first record", 1},
        {enuFileKind::Messages, tooMany, 256, "more than 255 messages", 255},
        {enuFileKind::Secondary, "TXT000:a\r\n", 1, "number 000", 1},
        {enuFileKind::Secondary, "TXT001:a\r\nTXT002:b\r\nTXT003\r\n", 3, "shorter than its 7-character head", 2},
    };
    for (const auto& c : cases) {
        const udtRead r = Read(c.kind, c.file);
        EXPECT_FALSE(r.result.Success) << c.reason;
        EXPECT_EQ(r.result.Error.Line, c.line) << c.reason;
        EXPECT_TRUE(r.result.Error.Reason.contains(c.reason)) << r.result.Error.Reason.toStdString();
        EXPECT_EQ(c.kind == enuFileKind::Messages ? r.messages.size() : r.secondary.size(), c.kept) << c.reason;
        if (c.kind == enuFileKind::Messages) {
            EXPECT_EQ(r.messages.value(0).Message, c.line > 1 ? "a" : "") << c.reason;
        }
    }
}

TEST(MessagesWrite, LinesAndRoundTrip)
{
    EXPECT_EQ(Write({Msg(7, "Line one\r\nLine two", "Warning")}), "MSG001:Line one\rMSG001:Line two\r\nMST001:Warning\r\n");
    // Empty messages and ones that end with a line break keep every line, so they read back;
    // identifiers become positions and lone CR or LF become CR LF.
    const QByteArray bytes = Write({Msg(5, "", ""), Msg(9, "ends\r\n", "t"), Msg(2, "a\r\n\r\nb  ", " x "), Msg(0, "\r\n", "[#!n!#]"),
                                    Msg(1, "lf\nand cr\rx", "")});
    EXPECT_TRUE(bytes.startsWith("MSG001:\r\nMST001:\r\nMSG002:ends\rMSG002:\r\nMST002:t\r\n"));
    const udtRead r = Read(enuFileKind::Messages, bytes);
    ASSERT_TRUE(r.result.Success);
    EXPECT_EQ(r.messages, (QVector<MessageItem>{Msg(1, "", ""), Msg(2, "ends\r\n", "t"), Msg(3, "a\r\n\r\nb  ", " x "),
                                                Msg(4, "\r\n", "[#!n!#]"), Msg(5, "lf\r\nand cr\r\nx", "")}));
    EXPECT_EQ(Write(r.messages), bytes);
    EXPECT_EQ(Read(enuFileKind::Messages, Write(QVector<MessageItem>(255))).messages.size(), 255);
}

TEST(SecondaryWrite, LinesAndRoundTrip)
{
    EXPECT_EQ(Write({}, {"", "", "Ready\r\nWaiting"}), "TXT001:\r\nTXT002:\r\nTXT003:Ready\rTXT003:Waiting\r\n");
    // Past 999 the numbers wrap to 000, and the entries still read back in order.
    QStringList table = {"", "ends\r\n", "  blanks  ", "\r\n\r\n"};
    for (int i = 4; i < 2500; ++i) table << QString::number(i) + (i % 7 ? "" : "\r\nsecond line");
    const QByteArray bytes = Write({}, table);
    EXPECT_TRUE(bytes.contains("\r\nTXT999:998\r\nTXT000:999\r\nTXT001:1000\r\n"));
    const udtRead r = Read(enuFileKind::Secondary, bytes);
    ASSERT_TRUE(r.result.Success);
    EXPECT_EQ(r.secondary, table);
    EXPECT_EQ(Write({}, r.secondary), bytes);
}
