#include "core/win/IntroChain.h"

#include "lang/LanguageKeys.h"

namespace zentrova {

namespace {

// Distance of a chain arrow's point from the screen edge.
constexpr int32_t kEdgeGap = 15;

const IntroStep kSteps[kIntroCount] = {
    // Welcome
    {&SettingsRecord::IntroWindowWelcomeShow, false, IntroGroup::Capture, true, false, false,
     IntroId::Welcome, IntroArrowSpot::None},
    // Capture
    {&SettingsRecord::IntroWindowCaptureShow, true, IntroGroup::Capture, false, false, false,
     IntroId::Welcome, IntroArrowSpot::None},
    // CaptureScroll
    {&SettingsRecord::IntroWindowCaptureScrollShow, true, IntroGroup::CaptureScroll, false, false,
     false, IntroId::Welcome, IntroArrowSpot::None},
    // EditModeWelcome
    {&SettingsRecord::IntroWindowEditModeWelcomeShow, false, IntroGroup::Capture, false, false,
     true, IntroId::EditModeActionBar, IntroArrowSpot::RightEdge},
    // EditModeActionBar
    {nullptr, false, IntroGroup::Capture, false, true, true, IntroId::EditModeMToolsBar,
     IntroArrowSpot::LeftEdge},
    // EditModeImageBar: the end of the chain
    {nullptr, false, IntroGroup::Capture, false, true, false, IntroId::Welcome,
     IntroArrowSpot::None},
    // EditModeMToolsBar
    {nullptr, false, IntroGroup::Capture, false, true, true, IntroId::EditModeImageBar,
     IntroArrowSpot::TopEdge},
};

}  // namespace

const wchar_t* IntroName(IntroId id) {
    return lang::IntroWindowNames().at(static_cast<size_t>(id)).c_str();
}

ArrowTarget ArrowTargetOf(IntroArrowSpot spot, int32_t screenWidth, int32_t screenHeight) {
    switch (spot) {
        case IntroArrowSpot::RightEdge:
            return {ArrowDirection::Right, screenWidth - kEdgeGap, screenHeight / 2};
        case IntroArrowSpot::LeftEdge:
            return {ArrowDirection::Left, kEdgeGap, screenHeight / 2};
        case IntroArrowSpot::TopEdge:
            return {ArrowDirection::Up, screenWidth / 2, kEdgeGap};
        case IntroArrowSpot::None:
            break;
    }
    return {};
}

void StartUpArrowTargets(int32_t screenWidth, int32_t screenHeight, ArrowTarget out[2]) {
    out[0] = {ArrowDirection::Up, screenWidth / 2, kEdgeGap};
    out[1] = {ArrowDirection::Down, screenWidth, screenHeight - kEdgeGap};
}

const IntroStep& IntroStepOf(IntroId id) {
    return kSteps[static_cast<size_t>(id)];
}

bool DecodeIntroClosed(uint64_t wParam, int64_t lParam, bool hasOpen, IntroId open,
                       IntroClosed& out) {
    if (!hasOpen || lParam < 0 || lParam >= static_cast<int64_t>(kIntroCount) || wParam > 1) {
        return false;
    }
    const auto id = static_cast<IntroId>(lParam);
    if (id != open) {
        return false;
    }
    out.id = id;
    out.showAgain = static_cast<uint32_t>(wParam);
    return true;
}

}  // namespace zentrova
