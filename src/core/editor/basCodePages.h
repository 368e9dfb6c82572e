#pragma once
// The code pages that the main window offers for the files opened next, default first: those that
// this system knows and the language files can use.
#include <span>

namespace tralyx {

struct udtCodePageChoice {
    const char* Caption;  // English; translated in the context "basCodePages"
    const char* Name;  // as the store and Qt's converters know it
};

std::span<const udtCodePageChoice> CodePageChoices();

}  // namespace tralyx
