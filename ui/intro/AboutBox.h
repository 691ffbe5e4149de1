// The About box (Windows build): a skinned dialog (template 121, AboutBox.rc) with the product
// name, the version line, a link to the maker's web site and the credits, whose role titles come
// from the section "Dlg_About".
#pragma once

#include <windows.h>

#include "ui/dialogs/SkinnedDialog.h"
#include "ui/intro/HyperLink.h"

namespace zentrova {

// The target the About box's link hands to its opener: the maker's home page.
constexpr const wchar_t* kAboutLinkTarget = L"homepage";

// Shows the About box over owner until it is closed (OK, Enter, Escape or the close box).
// version: the product version of the version line; openLink opens kAboutLinkTarget; fade: blend
// the box in and out (older systems) instead of showing and hiding it at once. False when the
// dialog could not be shown.
bool ShowAboutBox(const SkinnedUi& ui, HWND owner, const wchar_t* version, LinkOpener openLink,
                  bool fade);

}  // namespace zentrova
