#include "ui/intro/LinkHover.h"

namespace zentrova {

LinkStep LinkHover::OnMouseMove(bool inside) {
    if (inside == m_hot) {
        return LinkStep::None;
    }
    m_hot = inside;
    return inside ? LinkStep::Enter : LinkStep::Leave;
}

LinkStep LinkHover::OnCaptureLost() {
    if (!m_hot) {
        return LinkStep::None;
    }
    m_hot = false;
    return LinkStep::Restore;
}

bool IsInsideClient(int x, int y, int width, int height) {
    return x >= 0 && y >= 0 && x < width && y < height;
}

}  // namespace zentrova
