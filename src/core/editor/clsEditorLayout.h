#pragma once
// Where the text editor window's controls stand, in twips. The design is for a client area of
// 7935 x 5865; the resize rule keeps the right and bottom margins of that design.
#include <cstdint>
#include <vector>

namespace tralyx {

struct udtTwipsBox {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Width = 0;
    int32_t Height = 0;
    bool operator==(const udtTwipsBox&) const = default;
};

struct udtListColumn {
    const char* Header;
    int32_t Width;  // twips
};

class clsEditorLayout {
public:
    static constexpr int32_t DesignClientWidth = 7935;
    static constexpr int32_t DesignClientHeight = 5865;
    // The outer window's borders and caption as designed: the resize rule measures the outer size,
    // while a window here knows its client area.
    static constexpr int32_t BorderWidth = 80;
    static constexpr int32_t BorderHeight = 405;

    // Positions of the frame's four controls are inside the frame.
    udtTwipsBox fraMessage{120, 120, 7695, 1455};
    udtTwipsBox lblTitle{120, 240, 780, 285};
    udtTwipsBox txtTitle{960, 240, 6615, 285};
    udtTwipsBox lblMessage{120, 600, 780, 285};
    udtTwipsBox txtMessage{960, 600, 6615, 735};
    udtTwipsBox lvwMessages{120, 1680, 7695, 3615};
    udtTwipsBox cmdPreview{120, 5400, 1335, 375};

    // The list's columns for an edit type (0 messages, 1 procedural text, 2 control text).
    static std::vector<udtListColumn> Columns(int32_t plngEditType);

    // The one-box form of procedural text: the lower box moves up and grows.
    void UseSingleBox();

    // Applies the resize rule for an outer size of W x H. Returns false, changing nothing, when the
    // rule would give a control no room (W - 1440 or H - 2655 not positive).
    bool Resize(int32_t plngOuterWidth, int32_t plngOuterHeight);
};

}  // namespace tralyx
