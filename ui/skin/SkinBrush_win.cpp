// Solid brushes with GDI.
#include <windows.h>

#include "ui/skin/SkinBrush.h"

namespace zentrova {

HBRUSH__* CreateSkinBrush(ZColor colour) {
    return CreateSolidBrush(colour);
}

void DeleteSkinBrush(HBRUSH__* brush) {
    if (brush != nullptr) {
        DeleteObject(brush);
    }
}

}  // namespace zentrova
