// The modal update check: asks the service for the latest version (on a worker thread, while a
// small window waits with the user) and offers its page when it is newer.
#pragma once

#include <windows.h>

#include <cstdint>

#include "lang/ztv_inet/InetProduct_win.h"

namespace zentrova::inet {

// Runs the check with the flags of ztv_inet.h; returns one of its update check results.
int32_t RunUpdateCheck(const ProductInfo& info, HWND owner, uint32_t flags);

}  // namespace zentrova::inet
