// The native build draws no windows: no brushes.
#include "ui/skin/SkinBrush.h"

namespace zentrova {

HBRUSH__* CreateSkinBrush(ZColor) {
    return nullptr;
}

void DeleteSkinBrush(HBRUSH__*) {}

}  // namespace zentrova
