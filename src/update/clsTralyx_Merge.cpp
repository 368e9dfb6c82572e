// Placeholder until the update merge is built.
#include "clsTralyx.h"
#include "udtUpdateReport.h"

namespace tralyx {
udtUpdateReport clsTralyx::UpdateControlText(const QString&, const QString&, const QString&, bool) { return {}; }
udtUpdateReport clsTralyx::UpdateMessages(const QString&, const QString&, const QString&, bool) { return {}; }
udtUpdateReport clsTralyx::UpdateSecondaryText(const QString&, const QString&, const QString&, bool) { return {}; }
}  // namespace tralyx
