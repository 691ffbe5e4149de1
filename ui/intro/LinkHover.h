// The mouse states of a hyperlink control, apart from the window that shows them: the link is
// underlined while the cursor is over it. The control captures the mouse when the cursor comes
// in, so that it sees the cursor leave; leaving, or losing the capture for any reason (also
// without being told: the control finds another window or none holding it), ends the underline.
#pragma once

namespace zentrova {

enum class LinkStep {
    None,
    Enter,    // set the underlined font, repaint, capture the mouse
    Leave,    // set the normal font, repaint, release the capture
    Restore,  // set the normal font, repaint
};

class LinkHover {
  public:
    // The cursor moved; inside: whether it lies in the control's client rectangle.
    LinkStep OnMouseMove(bool inside);
    // The control lost the mouse capture (released by itself or taken by another window).
    LinkStep OnCaptureLost();
    bool IsHot() const { return m_hot; }

  private:
    bool m_hot = false;
};

// The link's text colour (COLORREF 0x00BBGGRR): blue, or purple once it has been opened.
constexpr unsigned long kLinkColor = 0x00FF0000;
constexpr unsigned long kLinkVisitedColor = 0x00800080;

// True when (x, y) lies in the rectangle [0, width) x [0, height) of a client area.
bool IsInsideClient(int x, int y, int width, int height);

}  // namespace zentrova
