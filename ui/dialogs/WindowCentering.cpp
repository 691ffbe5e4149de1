#include "ui/dialogs/WindowCentering.h"

namespace zentrova {

ButtonPoint CenteredPosition(int width, int height, const ZRect& reference,
                             const ZRect& workArea) {
    ButtonPoint p{reference.left + (reference.Width() - width) / 2,
                  reference.top + (reference.Height() - height) / 2};
    if (p.x + width > workArea.right) {
        p.x = workArea.right - width;
    }
    if (p.y + height > workArea.bottom) {
        p.y = workArea.bottom - height;
    }
    if (p.x < workArea.left) {
        p.x = workArea.left;
    }
    if (p.y < workArea.top) {
        p.y = workArea.top;
    }
    return p;
}

}  // namespace zentrova
