// The finishing pipeline's settings, data file names, cursor position and shadow flag.
#include <cstdlib>

#include "capture/finish/FinishPipeline.h"
#include "config/JoinPath.h"
#include "config/SettingsRecord.h"

namespace zentrova {

namespace {

constexpr const wchar_t* kSparkleFiles[] = {
    L"mouse-balls.png",     L"mouse-blob.png",     L"mouse-crosshair.png",
    L"mouse-explosive.png", L"mouse-asterisk.png", L"mouse-x.png",
};

constexpr const wchar_t* kShapeMaskFiles[] = {
    L"CaptureShapeEffect_cloudy.png", L"CaptureShapeEffect_concave.png",
    L"CaptureShapeEffect_convex.png", L"CaptureShapeEffect_saw.png",
    L"CaptureShapeEffect_torn.png",   L"CaptureShapeEffect_zigzag.png",
};

constexpr uint32_t kFirstMaskShape = 3;

std::wstring DataFilePath(const std::wstring& programFolder, const wchar_t* folder,
                          const wchar_t* name) {
    if (name == nullptr) {
        return std::wstring();
    }
    return JoinPath(JoinPath(programFolder, folder), name);
}

bool Good(StepOutcome outcome) {
    return outcome != StepOutcome::Failed && outcome != StepOutcome::Unavailable;
}

}  // namespace

FinishOptions FinishOptionsFromSettings(const SettingsRecord& s) {
    FinishOptions o;
    o.playSound = s.GeneralPlaySoundOnCapture != 0;
    o.cursor = s.CaptureCursorIsValid != 0;
    o.sparkle = s.CaptureCursorSparkle;
    o.shapeType = s.CaptureShapeType;
    o.shapeDirection = s.CaptureShapeTypeDirection;
    o.fader = s.CaptureShapeFader;
    o.background = s.CaptureBackgroundColor & 0xFFFFFF;
    o.shadow = s.CaptureShadowIsValid != 0;
    o.cursorShadow = s.CaptureShadowCursorIsValid != 0;
    o.shadowColour = s.CaptureShadowColor & 0xFFFFFF;
    o.shadowIntensity = s.CaptureShadowIntensity;
    o.shadowDirection = s.CaptureShadowDirection;
    o.shadowOffset = s.CaptureShadowOffset;
    o.shadowDither = s.CaptureShadowDither;
    return o;
}

void FillSettingNumberDefaults(SettingsRecord& settings) {
    for (const SettingDef& def : GetSettingsTable()) {
        if (IsTextKind(def.kind)) {
            continue;
        }
        uint32_t value = def.fallback.number;
        if (def.fallback.source == SettingDefault::Source::Computed &&
            def.fallback.computed == ComputedDefault::CaptureBackground) {
            value = settings.CaptureBackgroundColor;  // loaded earlier in table order
        }
        SetSettingNumber(settings, def, value);
    }
}

bool FinishReport::AllWorked() const {
    return Good(sound) && Good(sparkle) && Good(cursorShadow) && Good(cursor) && Good(shape) &&
           Good(shadow) && Good(fader);
}

void CursorPositionInCapture(CaptureMode mode, int32_t screenX, int32_t screenY, int32_t windowLeft,
                             int32_t windowTop, int32_t virtualLeft, int32_t virtualTop, int32_t dx,
                             int32_t dy, int32_t& x, int32_t& y) {
    int64_t px = 0;
    int64_t py = 0;
    switch (mode) {
        case CaptureMode::SingleWindow:
        case CaptureMode::ActiveWindow:
            px = int64_t{screenX} - windowLeft;
            py = int64_t{screenY} - windowTop;
            break;
        case CaptureMode::FreeRectangle:
        case CaptureMode::FreeStyle:
        case CaptureMode::FullDesktop:
            px = int64_t{screenX} + std::llabs(virtualLeft);
            py = int64_t{screenY} + std::llabs(virtualTop);
            break;
        default:
            break;
    }
    px += dx;
    py += dy;
    // Far outside any picture either way; keep the values representable.
    auto limit = [](int64_t v) {
        return static_cast<int32_t>(v < -(int64_t{1} << 30)  ? -(int64_t{1} << 30)
                                    : v > (int64_t{1} << 30) ? (int64_t{1} << 30)
                                                             : v);
    };
    x = limit(px);
    y = limit(py);
}

const wchar_t* SparkleFileName(uint32_t sparkle) {
    if (sparkle < 1 || sparkle > 6) {
        return nullptr;
    }
    return kSparkleFiles[sparkle - 1];
}

const wchar_t* ShapeMaskFileName(uint32_t shapeType) {
    if (shapeType < kFirstMaskShape || shapeType > 8) {
        return nullptr;
    }
    return kShapeMaskFiles[shapeType - kFirstMaskShape];
}

std::wstring SparklePath(const std::wstring& programFolder, uint32_t sparkle) {
    return DataFilePath(programFolder, L"Mouse", SparkleFileName(sparkle));
}

std::wstring ShapeMaskPath(const std::wstring& programFolder, uint32_t shapeType) {
    return DataFilePath(programFolder, L"Masks", ShapeMaskFileName(shapeType));
}

bool PlainRectangleFlag(CaptureMode mode, bool shaped) {
    if (shaped) {
        return false;
    }
    return mode == CaptureMode::ScrollingWebsite || mode == CaptureMode::ScrollingText ||
           mode == CaptureMode::FreeRectangle || mode == CaptureMode::FixedRegion;
}

}  // namespace zentrova
