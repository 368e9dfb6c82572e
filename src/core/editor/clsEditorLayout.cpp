#include "editor/clsEditorLayout.h"

#include <QtGlobal>
#include <algorithm>
#include <cmath>

namespace tralyx {

std::vector<udtListColumn> clsEditorLayout::Columns(int32_t plngEditType)
{
    switch (plngEditType) {
    case 1: return {{QT_TRANSLATE_NOOP("clsEditorLayout", "Procedural text"), 9500}};
    case 2:
        return {{QT_TRANSLATE_NOOP("clsEditorLayout", "Object Path"), 2500},
                {QT_TRANSLATE_NOOP("clsEditorLayout", "Text/Caption"), 5000},
                {QT_TRANSLATE_NOOP("clsEditorLayout", "Tool-Tip"), 2500}};
    default: return {{QT_TRANSLATE_NOOP("clsEditorLayout", "Title"), 2500}, {QT_TRANSLATE_NOOP("clsEditorLayout", "Message"), 7000}};
    }
}

void clsEditorLayout::UseSingleBox()
{
    txtMessage.Top = 285;
    txtMessage.Height = 1095 + mlngExtra;
}

namespace {
constexpr int32_t DesignFrameHeight = 1455;
}  // namespace

bool clsEditorLayout::DragSplitter(int32_t plngFrameBottom)
{
    const int32_t lngTotal = fraMessage.Height + lvwMessages.Height;
    const int32_t lngFrame =
        std::clamp(plngFrameBottom - fraMessage.Top, DesignFrameHeight, std::max(DesignFrameHeight, lngTotal - MinListHeight));
    if (lngFrame == fraMessage.Height || lngTotal <= 0) return false;
    mdblFrameShare = double(lngFrame) / lngTotal;
    ApplyShare();
    return true;
}

void clsEditorLayout::ApplyShare()
{
    if (mdblFrameShare <= 0) return;
    const int32_t lngTotal = fraMessage.Height + lvwMessages.Height;
    const int32_t lngFrame = std::clamp(int32_t(std::lround(lngTotal * mdblFrameShare)), DesignFrameHeight,
                                        std::max(DesignFrameHeight, lngTotal - MinListHeight));
    const int32_t lngDelta = lngFrame - fraMessage.Height;
    mlngExtra += lngDelta;
    fraMessage.Height += lngDelta;
    txtMessage.Height += lngDelta;
    lvwMessages.Top += lngDelta;
    lvwMessages.Height -= lngDelta;
}

bool clsEditorLayout::Resize(int32_t plngOuterWidth, int32_t plngOuterHeight)
{
    const int64_t W = plngOuterWidth;
    const int64_t H = plngOuterHeight;
    if (W - 1440 <= 0 || H - 2655 <= 0) return false;
    lvwMessages.Width = static_cast<int32_t>(W - 320);
    lvwMessages.Height = static_cast<int32_t>(H - 2655 - mlngExtra);
    fraMessage.Width = static_cast<int32_t>(W - 320);
    txtMessage.Width = static_cast<int32_t>(W - 1440);
    txtTitle.Width = static_cast<int32_t>(W - 1440);
    cmdPreview.Top = static_cast<int32_t>(H - 870);
    ApplyShare();
    return true;
}

}  // namespace tralyx
