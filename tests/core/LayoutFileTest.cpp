// The layout file's reader: any JSON of the right shape is read, and anything else is refused with
// the line at fault, never read in part.
#include "store/basLayoutFile.h"

#include <gtest/gtest.h>

namespace tralyx {
namespace {

const QByteArray Head = "{\"format\": \"tralyx-layout 1\", \"forms\": [\n";
const QByteArray Form = "{\"form\": \"frmA\", \"width\": 800, \"height\": 600, \"dpi\": 96, \"controls\": [\n";
const QByteArray Control = "{\"entry\": \"cmdOK.0\", \"kind\": \"button\", \"x\": 1, \"y\": 2, \"width\": 75, \"height\": 23, "
                           "\"font\": {\"family\": \"Liberation Sans\", \"size\": 9, \"weight\": 400}, \"room\": [63, 17]}";

TEST(LayoutFile, ReadsAnyJsonOfItsShapeAndNamesTheLineOfAnythingElse)
{
    const struct {
        const char* Name;
        QByteArray Content;
        const char* Reason;  // empty: read
    } udtCases[] = {
        {"as written", Head + Form + Control + "\n]}\n]}\n", ""},
        {"members in another order, unknown ones, white space",
         "\t{ \"forms\" : [ { \"controls\":[ {\"room\":[63,17],\"font\":{\"weight\":400,\"size\":9,\"family\":\"Liberation Sans\",\"x\":[1]},"
         "\"height\":23,\"width\":75,\"y\":2,\"x\":1,\"kind\":\"button\",\"entry\":\"cmdOK.0\",\"later\":{\"a\":[null,true,-1.5e3]}} ],"
         "\"dpi\":96,\"height\":600,\"width\":800,\"form\":\"frmA\"} ], \"format\":\"tralyx-layout 1\" }\r\n",
         ""},
        {"an escaped entry", Head + Form + QByteArray(Control).replace("cmdOK", "cmd\\u00c4\\ud83d\\ude00\\/") + "]}]}", ""},
        {"empty", "", "line 1: an object was expected"},
        {"not closed", Head + Form + Control, "line 3: a ',' or ']' was expected"},
        {"a string not closed", Head + Form + "{\"entry\": \"cmdOK.0\n", "line 3: a control character in a string"},
        {"something after it", Head + Form + Control + "]}]} x", "line 3: something after the end of the layout"},
        {"another version", "{\"format\": \"tralyx-layout 2\", \"forms\": [{\"form\": 3}]}", "line 1: not a layout file of this version"},
        {"a control without its room", Head + Form + QByteArray(Control).replace(", \"room\": [63, 17]", "") + "]}]}",
         "line 3: frmA.cmdOK.0: a size, its room or its font is missing or out of range"},
        {"a size as text", Head + Form + QByteArray(Control).replace("\"x\": 1", "\"x\": \"1\"") + "]}]}", "line 3: frmA.cmdOK.0: a size"},
        {"a kind of its own", Head + Form + QByteArray(Control).replace("button", "knob") + "]}]}", "line 3: frmA.cmdOK.0: unknown kind \"knob\""},
        {"a form without its DPI", Head + QByteArray(Form).replace("\"dpi\": 96, ", "") + "]}]}", "line 2: a form without its name, size or DPI"},
        {"bytes that are not UTF-8", Head + Form + QByteArray(Control).replace("cmdOK", "cmd\xC3") + "]}]}", "line 3: a string that is not UTF-8"},
        {"half a surrogate", Head + Form + QByteArray(Control).replace("cmdOK", "cmd\\ud83d") + "]}]}", "line 3: half of a surrogate pair"},
        {"nested past any layout", Head + QByteArray(100000, '[') , "line 2: objects and arrays nested more than 64 deep"},
        {"a number cut off", Head + Form + QByteArray(Control).replace("\"x\": 1", "\"x\": 1.") + "]}]}", "line 3: a digit was expected"},
    };
    for (const auto& udtCase : udtCases) {
        SCOPED_TRACE(udtCase.Name);
        QVector<udtFormLayout> udtForms;
        QString strReason;
        const bool booRead = ParseLayoutFile(udtCase.Content, udtForms, strReason);
        if (*udtCase.Reason) {
            EXPECT_FALSE(booRead);
            EXPECT_TRUE(udtForms.isEmpty());
            EXPECT_TRUE(strReason.startsWith(QString::fromUtf8(udtCase.Reason))) << strReason.toStdString();
            continue;
        }
        ASSERT_TRUE(booRead) << strReason.toStdString();
        ASSERT_EQ(udtForms.size(), 1);
        ASSERT_EQ(udtForms[0].Controls.size(), 1);
        const udtControlLayout& c = udtForms[0].Controls[0];
        EXPECT_EQ(udtForms[0].Form, QStringLiteral("frmA"));
        EXPECT_EQ(udtForms[0].Dpi, 96);
        EXPECT_EQ(std::tuple(c.Kind, c.X, c.Y, c.Width, c.Height, c.RoomWidth, c.RoomHeight, c.Font.Weight, c.Font.PointSize),
                  std::tuple(enuLayoutKind::Button, 1, 2, 75, 23, 63, 17, 400, 9.0));
        EXPECT_EQ(c.Font.Family, QStringLiteral("Liberation Sans"));
        EXPECT_TRUE(c.Entry.endsWith(QStringLiteral(".0")));
        // Read back as it is written.
        QVector<udtFormLayout> udtAgain;
        ASSERT_TRUE(ParseLayoutFile(LayoutFileContent(udtForms), udtAgain, strReason));
        EXPECT_EQ(udtAgain[0].Controls[0].Entry, c.Entry);
    }
}

}  // namespace
}  // namespace tralyx
