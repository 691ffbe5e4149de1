// The cursor position last seen by the hover refresh of the skinned dialogs. One tracker is
// shared by all dialogs of the program (SkinnedUi), so that a cursor standing still repaints
// nothing, whichever dialog's timer fires.
#pragma once

namespace zentrova {

class HoverTracker {
  public:
    // True when (x, y) differs from the position seen last (always on the first call); the
    // position is remembered.
    bool Moved(int x, int y) {
        if (m_seen && x == m_x && y == m_y) {
            return false;
        }
        m_seen = true;
        m_x = x;
        m_y = y;
        return true;
    }

  private:
    bool m_seen = false;
    int m_x = 0;
    int m_y = 0;
};

}  // namespace zentrova
