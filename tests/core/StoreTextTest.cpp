// Line breaks between the store and the screen: what widgets, rows and the clipboard receive.
#include "TestTexts.h"
#include "basStoreText.h"

#include <gtest/gtest.h>

namespace tralyx::test {
namespace {

TEST(StoreTextTest, BoxesShowEveryStoredTextSoThatItComesBackExactly)
{
    struct udtCase {
        QString Stored, Several, One;
    };
    const udtCase udtCases[] = {
        {Q("a\r\nb"), Q("a\nb"), Q("a\u21B5b")},
        {Q("a\rb\nc"), Q("a\u240Db\u240Ac"), Q("a\u240Db\u240Ac")},
        {Q("\r\n\r\r\n"), Q("\n\u240D\n"), Q("\u21B5\u240D\u21B5")},
        {Q("\u240D\r\u21B5"), Q("\u240D\u240D\u240D\u21B5"), Q("\u240D\u240D\u240D\u21B5\u21B5")},
        {Q("\u240A\u240A\n"), Q("\u240A\u240A\u240A\u240A\u240A"), Q("\u240A\u240A\u240A\u240A\u240A")},
        {Q("caf\u00E9\u00A0!\t"), Q("caf\u00E9\u00A0!\t"), Q("caf\u00E9\u00A0!\t")},
    };
    for (const udtCase& c : udtCases) {
        SCOPED_TRACE(c.Stored.toStdString());
        EXPECT_EQ(StoreToBox(c.Stored, enuBoxLines::Several), c.Several);
        EXPECT_EQ(StoreToBox(c.Stored, enuBoxLines::One), c.One);
        EXPECT_EQ(BoxToStore(c.Several, enuBoxLines::Several), c.Stored);
        EXPECT_EQ(BoxToStore(c.One, enuBoxLines::One), c.Stored);
    }
}

TEST(StoreTextTest, BreaksTypedOrPastedIntoABoxBecomeCrLf)
{
    struct udtCase {
        QString Box;
        enuBoxLines Kind;
        QString Stored;
    };
    const udtCase udtCases[] = {
        {Q("a\r\nb\rc\nd"), enuBoxLines::One, Q("a\r\nb\r\nc\r\nd")},  // pasted raw: never CR CR LF
        {Q("a\u2029b\u2028c"), enuBoxLines::Several, Q("a\r\nb\r\nc")},
        {Q("a\u21B5b"), enuBoxLines::Several, Q("a\u21B5b")},  // no mark in a several-line box
        {Q("\u240D"), enuBoxLines::Several, Q("\r")},
    };
    for (const udtCase& c : udtCases) EXPECT_EQ(BoxToStore(c.Box, c.Kind), c.Stored) << c.Box.toStdString();
}

TEST(StoreTextTest, LinesRowsAndClipboard)
{
    struct udtCase {
        QString Stored, Lines, Row;
    };
    const udtCase udtCases[] = {
        {Q("a\r\nb\rc\nd"), Q("a\nb\nc\nd"), Q("a \u21B5 b \u21B5 c \u21B5 d")},
        {Q("one\u00A0line"), Q("one\u00A0line"), Q("one\u00A0line")},
    };
    for (const udtCase& c : udtCases) {
        EXPECT_EQ(StoreToLines(c.Stored), c.Lines);
        EXPECT_EQ(StoreToRow(c.Stored), c.Row);
    }
    EXPECT_EQ(LinesToStore(Q("a\nb\r\nc\rd")), Q("a\r\nb\r\nc\r\nd"));
    EXPECT_FALSE(BoxCanHold(Q("a\u2029b"), enuBoxLines::Several));
    EXPECT_TRUE(BoxCanHold(Q("a\u2029b"), enuBoxLines::One));
}

}  // namespace
}  // namespace tralyx::test
