// The formats on bytes: decoding checks of multi-byte code pages, the UTF-8 byte-order mark, skipped
// lines as warnings, usable code pages, and save errors that name the entry as the file numbers it.
#include "store/basControlTextFormat.h"
#include "store/basMessagesFormat.h"
#include "store/basSecondaryFormat.h"

#include <gtest/gtest.h>

using namespace tralyx;

struct DecodeCase {
    const char* CodePage;
    QByteArray Bytes;
    int32_t Line;  // 0: reads
    const char* Reason;
};

TEST(FormatBytes, InvalidBytesFailWithLineColumnAndHex)
{
    const DecodeCase cases[] = {
        {"UTF-8", "TXT001:A\xD6x\r\n", 1, "byte 0xD6 at column 9 is not valid UTF-8 (is the code page right?)"},
        {"UTF-8", "TXT001:ok\r\nTXT002:\xE2\x82\r\n", 2, "bytes 0xE2 0x82 at column 8 are not valid UTF-8"},
        {"UTF-8", "TXT001:\xED\xA0\x80\r\n", 1, "byte 0xED at column 8"},
        {"UTF-8", "TXT001:\xEF\xBF\xBD\xC3\xB6\r\n", 0, ""},
        {"windows-932", "TXT001:\x81\x20x\r\n", 1, "byte 0x81 at column 8 is not valid windows-932"},
        {"windows-932", "TXT001:a\xA0\r\n", 1, "byte 0xA0 at column 9"},
        {"windows-932", "TXT001:a\x81\r\nTXT002:b\r\n", 1, "byte 0x81 at column 9"},
        {"windows-932", "TXT001:\x93\xFA\x96\x7B\r\n", 0, ""},
        {"windows-1252", "TXT001:\x81\x8D\xFF\r\n", 0, ""},
    };
    for (const DecodeCase& c : cases) {
        udtSecondaryRead read;
        ReadSecondary(c.Bytes, clsCodePage(c.CodePage), read);
        SCOPED_TRACE(c.Bytes.toHex(' ').toStdString() + " in " + c.CodePage);
        EXPECT_EQ(read.Success, c.Line == 0);
        EXPECT_EQ(read.Error.Line, c.Line);
        EXPECT_TRUE(read.Error.Reason.contains(QLatin1String(c.Reason))) << read.Error.Reason.toStdString();
        for (const QString& text : read.Table) EXPECT_FALSE(text.contains(QChar(0xFFFD)) && c.Line != 0);
    }
}

TEST(FormatBytes, Utf8ByteOrderMarkIsKept)
{
    const clsCodePage utf8("UTF-8");
    const QByteArray file("\xEF\xBB\xBFMSG001:\xC3\xA9t\xC3\xA9\r\nMST001:T\r\n");
    udtMessagesRead read;
    ReadMessages(file, utf8, read);
    ASSERT_TRUE(read.Success);
    EXPECT_TRUE(read.ByteOrderMark);
    EXPECT_EQ(read.Table[0].Message, QString::fromUtf8("\xC3\xA9t\xC3\xA9"));
    QByteArray bytes;
    udtFileIssue error;
    ASSERT_TRUE(WriteMessages(read.Table, utf8, read.ByteOrderMark, bytes, error));
    EXPECT_EQ(bytes, file);

    // A first name that starts with U+FEFF is not taken for the mark.
    const QVector<ControlTextItem> table{{QString(QChar(0xFEFF)) + "frm", "cmd", 0, "c", "t"}};
    ASSERT_TRUE(WriteControlText(table, utf8, false, bytes, error));
    udtControlTextRead back;
    ReadControlText(bytes, utf8, back);
    EXPECT_EQ(back.Table, table);
}

TEST(FormatBytes, SkippedLinesAreWarnings)
{
    udtMessagesRead messages;
    ReadMessages("MSG001:a\r\nMsg001:Hello\r\nMST001:t\r\n", clsCodePage(), messages);
    ASSERT_TRUE(messages.Success);
    ASSERT_EQ(messages.Warnings.size(), 1);
    EXPECT_EQ(messages.Warnings[0].Line, 2);
    EXPECT_TRUE(messages.Warnings[0].Reason.contains("Msg001:"));

    udtSecondaryRead secondary;
    ReadSecondary("TXT001:a\r\nhello\r\n\r\n   \r\nTXT002:b\r\n", clsCodePage(), secondary);
    ASSERT_TRUE(secondary.Success);
    ASSERT_EQ(secondary.Warnings.size(), 1);  // blank lines need no word
    EXPECT_EQ(secondary.Warnings[0].Line, 2);
    EXPECT_EQ(secondary.Lines, (QVector<int32_t>{1, 5}));
}

TEST(FormatBytes, OnlyCodePagesWithAsciiLineEndsAndHeads)
{
    const std::pair<const char*, bool> cases[] = {
        {"windows-1252", true}, {"windows-932", true}, {"UTF-8", true},     {"windows-1251", true},
        {"UTF-16", false},      {"UTF-16LE", false},   {"UTF-32", false},   {"IBM037", false},
        {"ibm-1047", false},    {"no-such-page", false}, {"Shift_JIS", true}, {"GB18030", true},
        // Pages that shift between states: the bytes of a character depend on what came before it.
        {"UTF-7", false},       {"SCSU", false},       {"ISO-2022-JP", false}, {"ISO-2022-CN", false}, {"HZ-GB-2312", false},
    };
    for (const auto& [name, usable] : cases) {
        clsTralyx store;
        EXPECT_EQ(store.SetCodePage(name), usable) << name;
        EXPECT_EQ(store.CodePage(), usable ? QString(name) : QString("windows-1252"));
        const QString problem = clsCodePage(name).Problem();
        EXPECT_EQ(problem.isEmpty(), usable) << name;
        EXPECT_TRUE(usable || problem.contains(name)) << problem.toStdString();
    }
}

TEST(FormatBytes, WriteErrorsNameTheEntryAsTheFileNumbersIt)
{
    const clsCodePage cp1252;
    QByteArray bytes;
    udtFileIssue error;
    QVector<MessageItem> messages(6);
    messages[5].Title = "a\r\nb";
    EXPECT_FALSE(WriteMessages(messages, cp1252, false, bytes, error));
    EXPECT_TRUE(error.Reason.startsWith("MST006: ")) << error.Reason.toStdString();
    messages[5] = {0, QString(QChar(0x65E5)), ""};
    EXPECT_FALSE(WriteMessages(messages, cp1252, false, bytes, error));
    EXPECT_TRUE(error.Reason.startsWith("MSG006: ")) << error.Reason.toStdString();

    QStringList texts(1002);
    texts[6] = QChar(0x65E5);
    EXPECT_FALSE(WriteSecondary(texts, cp1252, false, bytes, error));
    EXPECT_TRUE(error.Reason.startsWith("TXT007: ")) << error.Reason.toStdString();
    texts[6].clear();
    texts[1000] = QChar(0x65E5);
    EXPECT_FALSE(WriteSecondary(texts, cp1252, false, bytes, error));
    EXPECT_TRUE(error.Reason.startsWith("TXT001 (entry 1001): ")) << error.Reason.toStdString();

    EXPECT_FALSE(WriteControlText({{"frm", "a", 0, "", ""}, {"frm", "b.c", 2, "", ""}}, cp1252, false, bytes, error));
    EXPECT_TRUE(error.Reason.startsWith("frm.b.c.2: ")) << error.Reason.toStdString();
}
