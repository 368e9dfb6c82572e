#include "editor/basCodePages.h"

#include "common/clsCodePage.h"

#include <QString>
#include <vector>

namespace tralyx {

std::span<const udtCodePageChoice> CodePageChoices()
{
    static constexpr udtCodePageChoice udtAll[] = {
        {QT_TRANSLATE_NOOP("basCodePages", "Western European"), "windows-1252"},
        {QT_TRANSLATE_NOOP("basCodePages", "Central European"), "windows-1250"},
        {QT_TRANSLATE_NOOP("basCodePages", "Cyrillic"), "windows-1251"},
        {QT_TRANSLATE_NOOP("basCodePages", "Greek"), "windows-1253"},
        {QT_TRANSLATE_NOOP("basCodePages", "Turkish"), "windows-1254"},
        {QT_TRANSLATE_NOOP("basCodePages", "Hebrew"), "windows-1255"},
        {QT_TRANSLATE_NOOP("basCodePages", "Arabic"), "windows-1256"},
        {QT_TRANSLATE_NOOP("basCodePages", "Baltic"), "windows-1257"},
        {QT_TRANSLATE_NOOP("basCodePages", "Vietnamese"), "windows-1258"},
        {QT_TRANSLATE_NOOP("basCodePages", "Thai"), "windows-874"},
        {QT_TRANSLATE_NOOP("basCodePages", "Japanese"), "windows-932"},
        {QT_TRANSLATE_NOOP("basCodePages", "Simplified Chinese"), "windows-936"},
        {QT_TRANSLATE_NOOP("basCodePages", "Korean"), "windows-949"},
        {QT_TRANSLATE_NOOP("basCodePages", "Traditional Chinese"), "windows-950"},
        {QT_TRANSLATE_NOOP("basCodePages", "Unicode"), "UTF-8"},
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
