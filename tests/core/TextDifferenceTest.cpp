// Where two versions of a source text differ, as the workbench marks them.
#include "editor/basTextDifference.h"
#include "TestTexts.h"

#include <gtest/gtest.h>

namespace tralyx::test {
namespace {

QString Joined(const std::vector<udtDifferencePart>& pudtParts, enuDifference penuLeftOut)
{
    QString strOut;
    for (const udtDifferencePart& udtPart : pudtParts)
        if (udtPart.Kind != penuLeftOut) strOut += udtPart.Text;
    return strOut;
}

TEST(TextDifferenceTest, PartsRebuildBothTextsAndMarkOnlyWhatChanged)
{
    using enum enuDifference;
    const struct {
        const char16_t* Old;
        const char16_t* New;
        std::vector<udtDifferencePart> Expected;
    } udtCases[] = {
        {u"&New", u"&New note", {{Same, Q("&New")}, {Added, Q(" note")}}},
        {u"Move the selected note away", u"Move the selected notes away",
         {{Same, Q("Move the selected ")}, {Removed, Q("note")}, {Added, Q("notes")}, {Same, Q(" away")}}},
        {u"Same", u"Same", {{Same, Q("Same")}}},
        {u"", u"All new", {{Added, Q("All new")}}},
        {u"Gone\r\nline", u"", {{Removed, Q("Gone\r\nline")}}},
        // A repeated word is paired once, not twice.
        {u"the the end", u"the end", {{Same, Q("the ")}, {Removed, Q("the ")}, {Same, Q("end")}}},
    };
    for (const auto& udtCase : udtCases) {
        const QString strOld = QString::fromUtf16(udtCase.Old), strNew = QString::fromUtf16(udtCase.New);
        const std::vector<udtDifferencePart> udtParts = TextDifference(strOld, strNew);
        EXPECT_EQ(udtParts, udtCase.Expected) << strOld.toStdString() << " -> " << strNew.toStdString();
        EXPECT_EQ(Joined(udtParts, Added), strOld);
        EXPECT_EQ(Joined(udtParts, Removed), strNew);
    }
}

TEST(TextDifferenceTest, LongTextsStayCheapAndWhole)
{
    QString strOld, strNew;
    for (int i = 0; i < 5000; ++i) {
        strOld += QStringLiteral("word%1 ").arg(i);
        strNew += QStringLiteral("word%1 ").arg(i == 2500 ? -1 : i);
    }
    const std::vector<udtDifferencePart> udtParts = TextDifference(strOld, strNew);
    EXPECT_EQ(Joined(udtParts, enuDifference::Added), strOld);
    EXPECT_EQ(Joined(udtParts, enuDifference::Removed), strNew);
    EXPECT_EQ(DifferenceHtml({{enuDifference::Same, Q("a<b")}, {enuDifference::Added, Q("\r\nc")}}, false),
              Q("a&lt;b<u style='background:#c6efce'><br>c</u>"));
}

}  // namespace
}  // namespace tralyx::test
