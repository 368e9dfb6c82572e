#include "basCodePages.h"

namespace tralyx {

std::span<const udtCodePageChoice> CodePageChoices()
{
    static constexpr udtCodePageChoice udtChoices[] = {
        {"Western European", "windows-1252"}, {"Central European", "windows-1250"},
        {"Cyrillic", "windows-1251"},         {"Greek", "windows-1253"},
        {"Turkish", "windows-1254"},          {"Hebrew", "windows-1255"},
        {"Arabic", "windows-1256"},           {"Baltic", "windows-1257"},
        {"Vietnamese", "windows-1258"},       {"Thai", "windows-874"},
        {"Japanese", "windows-932"},          {"Simplified Chinese", "windows-936"},
        {"Korean", "windows-949"},            {"Traditional Chinese", "windows-950"},
        {"Unicode", "UTF-8"},
    };
    return udtChoices;
}

}  // namespace tralyx
