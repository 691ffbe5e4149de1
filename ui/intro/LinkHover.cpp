#include "ui/intro/LinkHover.h"

namespace zentrova {

LinkStep LinkHover::OnMouseMove(bool inside) {
    if (inside && !m_hot) {
        m_hot = true;
        m_leaving = false;
        return LinkStep::Enter;
    }
    if (!inside && m_hot && !m_leaving) {
        m_leaving = true;
        return LinkStep::Leave;
    }
    return LinkStep::None;
}

LinkStep LinkHover::OnCaptureLost() {
    if (!m_hot) {
        return LinkStep::None;
    }
    m_hot = false;
    m_leaving = false;
    return LinkStep::Restore;
}

bool IsInsideClient(int x, int y, int width, int height) {
    return x >= 0 && y >= 0 && x < width && y < height;
}

}  // namespace zentrova
