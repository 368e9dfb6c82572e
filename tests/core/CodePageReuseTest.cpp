// One code page object serves many reads and writes (a folder's files, an import's entries): a
// failure must not leave its converters broken for the next text.
#include "store/basMessagesFormat.h"
#include "store/basSecondaryFormat.h"

#include <gtest/gtest.h>

using namespace tralyx;

TEST(CodePageReuse, AFailureDoesNotSpoilTheNextReadOrWrite)
{
    for (const char* name : {"windows-932", "windows-936", "UTF-8"}) {
        SCOPED_TRACE(name);
        const clsCodePage objCodePage{QString::fromLatin1(name)};
        udtSecondaryRead udtRead;
        ReadSecondary("TXT001:a\xE0", objCodePage, udtRead);  // cut inside a character
        EXPECT_FALSE(udtRead.Success);
        ReadSecondary("TXT001:ind\r\n", objCodePage, udtRead);
        EXPECT_TRUE(udtRead.Success) << udtRead.Error.Text().toStdString();

        // A lone surrogate followed by text, then one at the very end: only the surrogate is named.
        const QString strLone(QChar(0xD800));
        for (const QString& strBad : {strLone + QStringLiteral("ab"), QStringLiteral("ab") + strLone}) {
            QByteArray bytOut;
            udtFileIssue udtError;
            EXPECT_FALSE(WriteMessages({{1, strBad, QString()}}, objCodePage, false, bytOut, udtError));
            EXPECT_TRUE(udtError.Reason.endsWith(QStringLiteral("the characters '") + strLone + u'\''))
                << udtError.Reason.toStdString();
            EXPECT_TRUE(WriteMessages({{1, QStringLiteral("ok"), QStringLiteral("t")}}, objCodePage, false, bytOut, udtError));
        }
    }
}
