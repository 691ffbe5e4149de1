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

// Reads the clipboard's picture as 24 bits, preferring CF_DIBV5, then CF_DIB, "PNG" and last
// CF_BITMAP. A busy clipboard is tried again as above. False when it holds no readable picture,
// busy then telling whether it could not be opened at all.
bool TakePictureFromClipboard(HWND owner, ZImage& picture, bool& busy);
// True when the clipboard holds a picture in one of those forms.
bool ClipboardHasPicture();

}  // namespace zentrova
