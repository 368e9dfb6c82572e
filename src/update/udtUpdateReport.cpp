#include "udtUpdateReport.h"

namespace tralyx {
QString udtUpdateReport::Summary() const { return QString(); }
QString udtUpdateReport::Text(int32_t) const { return QString(); }
udtUpdateMessage UpdateMessage(const QVector<udtUpdateReport>&) { return {}; }
}  // namespace tralyx
