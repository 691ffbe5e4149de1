#include "core/win/CaptureHotkeys.h"

#include "config/Hotkeys.h"
#include "core/win/CommandIds.h"

namespace zentrova {

std::array<CaptureHotkey, 6> GetCaptureHotkeys(const SettingsRecord& r) {
    return {{
        {kHotkeyIdScrollingWindowText, r.GeneralHotkeyScrollingWindowText,
         r.GeneralHotkeyScrollingWindowTextMod, CaptureMode::ScrollingText},
        {kHotkeyIdScrollingWindowWebsite, r.GeneralHotkeyScrollingWindowWebsite,
         r.GeneralHotkeyScrollingWindowWebsiteMod, CaptureMode::ScrollingWebsite},
        {kHotkeyIdSingleWindow, r.GeneralHotkeySingleWindow, r.GeneralHotkeySingleWindowMod,
         CaptureMode::SingleWindow},
        {kHotkeyIdFreeRectRegion, r.GeneralHotkeyFreeRectRegion, r.GeneralHotkeyFreeRectRegionMod,
         CaptureMode::FreeRectangle},
        {kHotkeyIdFixedRegion, r.GeneralHotkeyFixedRegion, r.GeneralHotkeyFixedRegionMod,
         CaptureMode::FixedRegion},
        {kHotkeyIdFreeStyleRegion, r.GeneralHotkeyFreeStyleRegion,
         r.GeneralHotkeyFreeStyleRegionMod, CaptureMode::FreeStyle},
    }};
}

std::vector<HotkeyRegistration> GetHotkeyRegistrations(const SettingsRecord& record) {
    std::vector<HotkeyRegistration> out;
    for (const CaptureHotkey& hotkey : GetCaptureHotkeys(record)) {
        if (hotkey.keyCode != 0) {
            out.push_back({hotkey.id,
                           ToSystemHotkeyModifiers(hotkey.storedModifiers) | kSystemModNoRepeat,
                           hotkey.keyCode});
        }
    }
    if (record.GeneralMonitorWindowsCaptureKey != 0) {
        out.push_back({kHotkeyIdPrintScreen, kSystemModNoRepeat, kVirtualKeyPrintScreen});
        out.push_back(
            {kHotkeyIdAltPrintScreen, kSystemModAlt | kSystemModNoRepeat, kVirtualKeyPrintScreen});
    }
    return out;
}

std::vector<HotkeyClash> FindHotkeyClashes(const SettingsRecord& record) {
    const std::vector<HotkeyRegistration> registrations = GetHotkeyRegistrations(record);
    std::vector<HotkeyClash> clashes;
    for (size_t later = 0; later < registrations.size(); ++later) {
        for (size_t earlier = 0; earlier < later; ++earlier) {
            if (registrations[earlier].virtualKey == registrations[later].virtualKey &&
                registrations[earlier].systemModifiers == registrations[later].systemModifiers) {
                clashes.push_back({registrations[earlier].id, registrations[later].id});
                break;
            }
        }
    }
    return clashes;
}

int FindHotkeyHolder(const SettingsRecord& record, int refusedId) {
    for (const HotkeyClash& clash : FindHotkeyClashes(record)) {
        if (clash.refused == refusedId) {
            return clash.holder;
        }
    }
    return 0;
}

HotkeyDecision DecideHotkey(const SettingsRecord& record, const HotkeyEvent& event,
                            bool captureActive, const std::function<bool()>& isFullScreen) {
    const bool printScreenId =
        event.id == kHotkeyIdPrintScreen || event.id == kHotkeyIdAltPrintScreen;
    if (printScreenId && record.GeneralMonitorWindowsCaptureKey != 0) {
        const bool activeWindow =
            event.id == kHotkeyIdAltPrintScreen || (isFullScreen && isFullScreen());
        return {true, activeWindow ? CaptureMode::ActiveWindow : CaptureMode::FullDesktop};
    }
    for (const CaptureHotkey& hotkey : GetCaptureHotkeys(record)) {
        const uint32_t wanted = ToSystemHotkeyModifiers(hotkey.storedModifiers);
        if (hotkey.keyCode != 0 && hotkey.keyCode == event.virtualKey &&
            (event.systemModifiers & wanted) == wanted) {
            return {!captureActive, hotkey.mode};
        }
    }
    return {};
}

bool GetCaptureCommand(uint32_t command, CaptureCommand& out) {
    switch (command) {
        case kCmdCaptureWindow:
            out = {CaptureMode::SingleWindow, false, IntroGroup::Capture};
            return true;
        case kCmdCaptureFreeRectRegion:
            out = {CaptureMode::FreeRectangle, true, IntroGroup::Capture};
            return true;
        case kCmdCaptureArea:
            out = {CaptureMode::FixedRegion, false, IntroGroup::Capture};
            return true;
        case kCmdCaptureFreeStyleRegion:
            out = {CaptureMode::FreeStyle, true, IntroGroup::Capture};
            return true;
        case kCmdCaptureScrollingWebsite:
            out = {CaptureMode::ScrollingWebsite, false, IntroGroup::CaptureScroll};
            return true;
        case kCmdCaptureScrollingText:
            out = {CaptureMode::ScrollingText, false, IntroGroup::CaptureScroll};
            return true;
        default:
            return false;
    }
}

bool IsIntroDue(const SettingsRecord& record, IntroGroup group) {
    return group == IntroGroup::Capture ? record.IntroWindowCaptureShow != 0
                                        : record.IntroWindowCaptureScrollShow != 0;
}

bool IntroStartsMode(IntroGroup group, CaptureMode mode) {
    if (group == IntroGroup::CaptureScroll) {
        return mode == CaptureMode::ScrollingWebsite || mode == CaptureMode::ScrollingText;
    }
    return mode == CaptureMode::SingleWindow || mode == CaptureMode::FreeRectangle ||
           mode == CaptureMode::FreeStyle || mode == CaptureMode::FixedRegion;
}

}  // namespace zentrova
