// Putting a picture on the clipboard: a bitmap compatible with the screen (CF_BITMAP), the packed
// bitmap with a version 5 header (CF_DIBV5) and the registered format "PNG", so that a program
// pasting it gets every pixel. Windows build only.
#pragma once

#include <windows.h>

#include "image/ZImage.h"

namespace zentrova {

// With owner as the clipboard's owner. A clipboard that another program holds open is tried
// again for about half a second. False when the clipboard could not be opened or a format could
// not be put on it.
bool PutPictureOnClipboard(HWND owner, const ZImage& picture);

}  // namespace zentrova
