#include "editor/basCodePages.h"

#include "common/clsCodePage.h"

#include <QString>
#include <vector>

namespace tralyx {

std::span<const udtCodePageChoice> CodePageChoices()
{
    static constexpr udtCodePageChoice udtAll[] = {
        {"Western European", "windows-1252"}, {"Central European", "windows-1250"},
        {"Cyrillic", "windows-1251"},         {"Greek", "windows-1253"},
        {"Turkish", "windows-1254"},          {"Hebrew", "windows-1255"},
        {"Arabic", "windows-1256"},           {"Baltic", "windows-1257"},
        {"Vietnamese", "windows-1258"},       {"Thai", "windows-874"},
        {"Japanese", "windows-932"},          {"Simplified Chinese", "windows-936"},
        {"Korean", "windows-949"},            {"Traditional Chinese", "windows-950"},
        {"Unicode", "UTF-8"},
    };
    // Only what this system's converters offer and the files can carry.
    static const std::vector<udtCodePageChoice> udtUsable = [] {
        std::vector<udtCodePageChoice> udtOut;
        for (const udtCodePageChoice& udtChoice : udtAll)
            if (clsCodePage(QString::fromLatin1(udtChoice.Name)).IsValid()) udtOut.push_back(udtChoice);
        return udtOut;
    }();
    return udtUsable;
}

}  // namespace tralyx
