// The skin's solid background brush (Windows); the native build has no brushes and gets null.
#pragma once

#include "image/ZImage.h"

struct HBRUSH__;

namespace zentrova {

// A new solid brush of colour, or null when none can be made.
HBRUSH__* CreateSkinBrush(ZColor colour);
// Deletes a brush made by CreateSkinBrush; null is ignored.
void DeleteSkinBrush(HBRUSH__* brush);

}  // namespace zentrova
