// Placeholder until the run-time face is built.
#include "clsTralyx.h"
#include "clsRuntimeError.h"

namespace tralyx {
void clsTralyx::SetFormText(clsForm&) const {}
void clsTralyx::SetControlText(clsForm&, clsControl&, uint8_t, bool) const { throw clsPropertyNotSupported("not built yet"); }
void clsTralyx::GetFormDimensions(clsForm&) const {}
void clsTralyx::BuildFormTextList(clsForm&) const { throw clsPropertyNotSupported("not built yet"); }
int32_t clsTralyx::DisplayMessage(uint8_t, const QString&, int32_t, const QString&, const QString&) const
{
    throw clsPropertyNotSupported("not built yet");
}
}  // namespace tralyx
