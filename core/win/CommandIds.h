// Command numbers of the program. Every command, whether it comes from the tray menu, an
// accelerator, a hot key or a button bar, reaches the main window as one of these numbers.
// Portable: plain numbers, also used by corvix.rc.
#pragma once

#include <cstdint>

namespace zentrova {

// The range the main window dispatches; numbers outside it get the default handling.
constexpr uint32_t kFirstCommand = 40006;
constexpr uint32_t kLastCommand = 40155;

constexpr uint32_t kCmdConfigure = 40006;
constexpr uint32_t kCmdOnlineUpdate = 40015;
constexpr uint32_t kCmdStopCaptureEnterEditMode = 40026;
constexpr uint32_t kCmdEnterEditMode = 40028;
constexpr uint32_t kCmdLeaveEditMode = 40029;
constexpr uint32_t kCmdHelpTopicCapture = 40084;
constexpr uint32_t kCmdExit = 40106;
constexpr uint32_t kCmdCaptureWindow = 40107;
constexpr uint32_t kCmdChooseLanguage = 40110;
constexpr uint32_t kCmdConfigureCapture = 40114;
constexpr uint32_t kCmdSettings = 40115;
constexpr uint32_t kCmdCaptureFreeRectRegion = 40108;
constexpr uint32_t kCmdCaptureArea = 40109;
constexpr uint32_t kCmdConfigureOnlineServices = 40116;
constexpr uint32_t kCmdAbout = 40117;
constexpr uint32_t kCmdHelp = 40118;
constexpr uint32_t kCmdCaptureScrollingWebsite = 40127;
constexpr uint32_t kCmdCaptureScrollingText = 40128;
constexpr uint32_t kCmdStartEditMode = 40151;
constexpr uint32_t kCmdShowCaptureBar = 40152;
constexpr uint32_t kCmdCaptureFreeStyleRegion = 40155;

// Resources of corvix.exe named by number.
constexpr uint32_t kAcceleratorTableId = 101;
constexpr uint32_t kTrayMenuId = 103;
constexpr uint32_t kTrayIconResourceId = 125;

}  // namespace zentrova
