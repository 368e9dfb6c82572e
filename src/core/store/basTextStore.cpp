#include "store/basTextStore.h"

namespace tralyx {

std::unique_ptr<clsTralyx> gobjTextStore;

}  // namespace tralyx
