// ztv_inet.dll: the online services of the product, an information check (news of the maker
// in the channels the user picked, shown in a small notice now and then) and a modal update
// check (offers the page of a newer version; never downloads or runs anything).
//
// Objects are named by ids (0 is none), never by pointers. Every call returns 0 on success and
// a negative value for an unknown id or a bad argument, unless said otherwise. The library
// reads and writes the values of the registry sub-key it is given (see InetSchedule.h); the
// value "Service" there replaces the built-in service address when it is an https address or
// a numeric loopback address. The texts come from "Lang\ztv_inet-<lang>.ztvlang" beside the
// library, English when that file is missing.
#pragma once

#include <windows.h>

#include <cstdint>

#ifdef ZTV_INET_BUILD
#define ZINET_API extern "C" __declspec(dllexport)
#else
#define ZINET_API extern "C" __declspec(dllimport)
#endif
#define ZINET_CALL __stdcall

// Update check flags.
constexpr uint32_t kZinetShowProgress = 0x001;    // a window while the check runs (cancellable)
constexpr uint32_t kZinetReportFailure = 0x008;   // say when the check failed
constexpr uint32_t kZinetReportUpToDate = 0x010;  // say when no newer version exists
constexpr uint32_t kZinetOfferSkip = 0x100;       // offer "skip this version"
constexpr uint32_t kZinetHonourSkipped = 0x200;   // a skipped version counts as up to date
constexpr uint32_t kZinetStampCheck = 0x400;      // note the time in "LastUpdateCheck"
constexpr uint32_t kZinetCloseOnOpen = 0x800;     // opening the page asks the program to end

// Update check results.
constexpr int32_t kZinetUpToDate = 0;
constexpr int32_t kZinetCheckFailed = 1;  // no network, a bad reply, cancelled
constexpr int32_t kZinetPageOpened = 2;
constexpr int32_t kZinetPageOpenedClose = 3;  // with kZinetCloseOnOpen: end the program
constexpr int32_t kZinetSkipped = 4;
constexpr int32_t kZinetLater = 5;
constexpr int32_t kZinetBadHandle = -2;

// Start result that asks the program to end (never given by this library's checks).
constexpr int32_t kZinetStartClose = -1;

ZINET_API int32_t ZINET_CALL zinet_Init(void);

ZINET_API uint32_t ZINET_CALL zinet_InfoCheckCreate(void);
ZINET_API int32_t ZINET_CALL zinet_InfoCheckSetRegistryKey(uint32_t id, HKEY root,
                                                           const wchar_t* key);
ZINET_API int32_t ZINET_CALL zinet_InfoCheckSetProduct(uint32_t id, const char* text);
ZINET_API int32_t ZINET_CALL zinet_InfoCheckSetProductVersion(uint32_t id, const char* text);
ZINET_API int32_t ZINET_CALL zinet_InfoCheckSetProductEdition(uint32_t id, const char* text);
ZINET_API int32_t ZINET_CALL zinet_InfoCheckSetProductLang(uint32_t id, const char* text);
ZINET_API int32_t ZINET_CALL zinet_InfoCheckSetParentWindow(uint32_t id, HWND parent);
// Starts the background check (when enabled); its notice opens on the calling thread, which
// must run a message loop.
ZINET_API int32_t ZINET_CALL zinet_InfoCheckStartAllAuto(uint32_t id);
// The modal settings dialog (enabled, channels, interval).
ZINET_API int32_t ZINET_CALL zinet_InfoCheckDoConfig(uint32_t id, HWND owner);
// Cancels a running request and ends the worker; waits for it.
ZINET_API int32_t ZINET_CALL zinet_InfoCheckAbort(uint32_t id);
ZINET_API int32_t ZINET_CALL zinet_InfoCheckDestroy(uint32_t id);

ZINET_API uint32_t ZINET_CALL zinet_UpdateManagerCreate(void);
ZINET_API int32_t ZINET_CALL zinet_UpdateManagerSetRegistryKey(uint32_t id, HKEY root,
                                                               const wchar_t* key);
ZINET_API int32_t ZINET_CALL zinet_UpdateManagerSetProduct(uint32_t id, const char* text);
ZINET_API int32_t ZINET_CALL zinet_UpdateManagerSetProductVersion(uint32_t id, const char* text);
ZINET_API int32_t ZINET_CALL zinet_UpdateManagerSetProductEdition(uint32_t id, const char* text);
ZINET_API int32_t ZINET_CALL zinet_UpdateManagerSetProductLang(uint32_t id, const char* text);
// The modal check; one of the results above.
ZINET_API int32_t ZINET_CALL zinet_UpdateManagerDoModalCheck(uint32_t id, HWND owner,
                                                             uint32_t flags);
ZINET_API int32_t ZINET_CALL zinet_UpdateManagerDestroy(uint32_t id);
