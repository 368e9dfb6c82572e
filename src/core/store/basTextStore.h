#pragma once
// The editor's one text store, created when the main window loads and kept for the program's life.
#include "store/clsTralyx.h"

#include <memory>

namespace tralyx {

extern std::unique_ptr<clsTralyx> gobjTextStore;

}  // namespace tralyx
