// Placeholder until applying text to forms is built.
#include "clsRuntimeError.h"
#include "clsTralyx.h"

namespace tralyx {
void clsTralyx::SetFormText(clsForm&) const {}
void clsTralyx::SetControlText(clsForm&, clsControl&, uint8_t, bool) const { throw clsPropertyNotSupported("not built yet"); }
void clsTralyx::GetFormDimensions(clsForm&) const {}
void clsTralyx::BuildFormTextList(clsForm&) const { throw clsPropertyNotSupported("not built yet"); }
}  // namespace tralyx
