#pragma once
// Program-wide helpers of the windows, and the editor's one text store.
#include <memory>

namespace tralyx {

class clsTralyx;

// The editor's text store, created when the main window loads and kept for the program's life.
extern std::unique_ptr<clsTralyx> gobjTextStore;

}  // namespace tralyx
