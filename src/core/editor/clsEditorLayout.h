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
    const char* Header;  // English; translated in the context "clsEditorLayout"
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

    // The handle between the frame and the list fills the gap the design leaves between them.
    static constexpr int32_t SplitterHeight = 105;
    // Dragging the handle so that the frame ends at plngFrameBottom: the boxes grow or shrink by
    // as much (the frame never gets smaller than designed, the list keeps MinListHeight), and later
    // resizes keep the frame's share of the height of frame and list. Returns whether it changed.
    bool DragSplitter(int32_t plngFrameBottom);
    double FrameShare() const { return mdblFrameShare; }  // 0 while the handle is untouched

    static constexpr int32_t MinListHeight = 600;

private:
    void ApplyShare();
    double mdblFrameShare = 0;
    int32_t mlngExtra = 0;  // twips the frame and its lower box have above the design
};

}  // namespace tralyx
