// TextGeometry: the arithmetic of the Text and Callout tools: the callout's bubble, tail and the
// snapping of its base to the bubble, the handle drags, the font height at a zoom, the shadow
// offset allowed for small text, and where the text controls sit under the frame.
// Portable.
#pragma once

#include <cstdint>

#include "core/ZRect.h"
#include "editmode/tools/ToolShape.h"
#include "editmode/view/EditView.h"

namespace zentrova {

// The most characters the commit takes; the editor refuses to hold more.
constexpr int32_t kTextMaxChars = 8192;

// The bubble is the frame grown by this on every side, with corners of kCalloutCorner and a
// frame of kCalloutPenWidth.
constexpr int32_t kCalloutMargin = 12;
constexpr int32_t kCalloutCorner = 15;
constexpr int32_t kCalloutPenWidth = 4;
// The tip and base are shown as squares of this size; a press closer than this (in screen
// pixels, in both directions) grabs one.
constexpr int32_t kCalloutHandle = 4;

// The tail's base relative to the frame's top-left when the tool is chosen, and the tip of a
// new callout relative to the press.
constexpr ZPoint kCalloutStartBase{100, -kCalloutMargin};
constexpr ZPoint kCalloutNewTip{100, -100};

// The bubble around the frame (picture pixels).
ZRect CalloutBubble(const ZRect& frame);

// The base (relative to the frame's top-left) kept on the bubble of a frame width x height: an x
// between 0 and width puts it on the top or bottom edge (whichever half its y is in), else a y
// between 0 and height puts it on the left or right edge; it never leaves -margin ... size +
// margin.
ZPoint SnapCalloutBase(ZPoint base, int32_t width, int32_t height);
// The base on the picture: the frame's top-left plus the snapped base.
ZPoint CalloutBasePoint(const ZRect& frame, ZPoint base);

// The callout's figures in picture pixels. Filled: the bubble filled and framed and the tail,
// all in one colour (the fill and the shadow). Otherwise the bubble's frame alone (hollow).
ToolShape MakeCalloutBubble(const ZRect& frame, int32_t lineStyle, bool filled);
// The tail: an arrow of the default style with its head on the tip, from the base.
ToolShape MakeCalloutTail(const ZRect& frame, ZPoint tip, ZPoint base, int32_t lineStyle);
// The tip and base squares, centred on the points (picture pixels mapped by the caller).
ToolShape MakeHandleSquares(ZPoint a, ZPoint b);

// True when the press at window point `press` grabs the handle shown at window point `handle`.
bool GrabsHandle(ZPoint press, ZPoint handle);

// Window motions divided by the zoom (thousandths), gathered until whole picture pixels come.
class PixelAccumulator {
  public:
    // The whole pixels that the motion completes; the remainder is kept.
    ZPoint Add(int32_t dx, int32_t dy, int32_t zoom);
    void Reset() { m_x = m_y = 0; }

  private:
    int64_t m_x = 0;
    int64_t m_y = 0;
};

// The font height of the commit: the height on the screen divided by the zoom, so that the text
// keeps the size it had on the screen; never 0 (at least 1 in size, the sign kept: negative
// heights are character heights).
int32_t TextFontHeight(int32_t screenHeight, int32_t zoom);
// The largest shadow offset (per direction) for a font of this height on a screen of dpiY dots
// per inch: point size |height * 72 / dpiY| below 20 allows 1, below 28 allows 2, else no limit.
int32_t TextShadowLimit(int32_t fontHeight, int32_t dpiY);

// Where the text controls sit for a frame on the screen.
struct TextControlsLayout {
    ZRect editor;      // over the frame
    ZRect chooseFont;  // first row, centred under the frame
    ZRect textColour;
    ZRect alignment;   // the combo box (its closed height)
    ZRect drawShadow;  // second row
    ZRect shadowColour;
    ZRect yes;  // third row: 70 x 22 each, left of and right of the centre
    ZRect no;
};
constexpr int32_t kTextControlHeight = 24;
constexpr int32_t kCalloutControlsDrop = 24;
// minColumn: the width the widest control text needs (the columns never get narrower).
TextControlsLayout LayOutTextControls(const ZRect& frameOnScreen, bool callout, int32_t minColumn);

}  // namespace zentrova
