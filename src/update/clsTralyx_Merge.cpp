// Placeholder until the update merge is built.
#include "clsTralyx.h"

namespace tralyx {
void clsTralyx::UpdateControlText(const QString&, const QString&, const QString&) {}
void clsTralyx::UpdateMessages(const QString&, const QString&, const QString&) {}
void clsTralyx::UpdateSecondaryText(const QString&, const QString&, const QString&) {}
}  // namespace tralyx
