#include "clsEditorLayout.h"

namespace tralyx {

std::vector<udtListColumn> clsEditorLayout::Columns(int32_t plngEditType)
{
    switch (plngEditType) {
    case 1: return {{"Procedural text", 9500}};
    case 2: return {{"Object Path", 2500}, {"Text/Caption", 5000}, {"Tool-Tip", 2500}};
    default: return {{"Title", 2500}, {"Message", 7000}};
    }
}

void clsEditorLayout::UseSingleBox()
{
    txtMessage.Top = 285;
    txtMessage.Height = 1095;
}

bool clsEditorLayout::Resize(int32_t plngOuterWidth, int32_t plngOuterHeight)
{
    const int64_t W = plngOuterWidth;
    const int64_t H = plngOuterHeight;
    if (W - 1440 <= 0 || H - 2655 <= 0) return false;
    lvwMessages.Width = static_cast<int32_t>(W - 320);
    lvwMessages.Height = static_cast<int32_t>(H - 2655);
    fraMessage.Width = static_cast<int32_t>(W - 320);
    txtMessage.Width = static_cast<int32_t>(W - 1440);
    txtTitle.Width = static_cast<int32_t>(W - 1440);
    cmdPreview.Top = static_cast<int32_t>(H - 870);
    return true;
}

}  // namespace tralyx
