#include "basGeneralItems.h"

#include "clsTralyx.h"

namespace tralyx {
std::unique_ptr<clsTralyx> gobjTextStore;
}  // namespace tralyx
