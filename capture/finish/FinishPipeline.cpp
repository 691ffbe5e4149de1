// The finishing pipeline: sound, cursor, shape, drop shadow, fader, in this order.
#include "capture/finish/FinishPipeline.h"

#include <climits>

#include "core/LoadImage.h"
#include "image/ZImageEffects.h"

namespace zentrova {

namespace {

StepOutcome Outcome(bool worked) {
    return worked ? StepOutcome::Done : StepOutcome::Failed;
}

int ToEffectInt(uint32_t value) {
    return value > static_cast<uint32_t>(INT_MAX) ? INT_MAX : static_cast<int>(value);
}

StepOutcome SoundStep(const FinishOptions& options, FinishPlatform& platform) {
    if (!options.playSound) {
        return StepOutcome::Off;
    }
    if (!platform.IsAvailable()) {
        return StepOutcome::Unavailable;
    }
    return Outcome(platform.PlayCaptureSound());
}

StepOutcome SparkleStep(ZImage& capture, const FinishOptions& options,
                        const FinishRequest& request) {
    const std::wstring path = SparklePath(request.programFolder, options.sparkle);
    if (path.empty()) {
        return StepOutcome::Off;
    }
    ZImage sparkle;
    if (!LoadImageFromFile(sparkle, path.c_str())) {
        return StepOutcome::Skipped;  // the loader has logged why
    }
    if (!PrepareSparkle(sparkle)) {
        return StepOutcome::Failed;
    }
    return Outcome(DrawSparkle(capture, sparkle, request.cursorX, request.cursorY));
}

StepOutcome CursorShadowStep(ZImage& capture, const FinishOptions& options,
                             const FinishRequest& request, FinishPlatform& platform) {
    if (!options.cursorShadow) {
        return StepOutcome::Off;
    }
    int32_t iconWidth = 0, iconHeight = 0;
    if (!platform.IsAvailable()) {
        return StepOutcome::Unavailable;
    }
    if (!platform.GetIconSize(iconWidth, iconHeight) || iconWidth < 1 || iconHeight < 1 ||
        iconWidth > 1024 || iconHeight > 1024) {
        return StepOutcome::Failed;
    }
    ZImage mask;
    if (!mask.Create(static_cast<uint32_t>(iconWidth) * 2, static_cast<uint32_t>(iconHeight) * 2,
                     24, kFinishKeyColour, nullptr) ||
        !platform.DrawArrowCursor(mask, kCursorShadowInset / 2, kCursorShadowInset / 2) ||
        !MakeCursorShadowMask(mask)) {
        return StepOutcome::Failed;
    }
    const ZColor colour =
        CursorShadowColour(options.shadowColour, options.background, options.shadowIntensity);
    int32_t ox = 0, oy = 0;
    CursorShadowDisplacement(
        options.shadowDirection,
        static_cast<int32_t>(options.shadowOffset > 100000 ? 100000 : options.shadowOffset), ox,
        oy);
    return Outcome(BlendShadowMask(capture, mask, colour, request.cursorX + ox - kCursorShadowInset,
                                   request.cursorY + oy - kCursorShadowInset));
}

StepOutcome ArrowStep(ZImage& capture, const FinishRequest& request, FinishPlatform& platform) {
    int32_t iconWidth = 0, iconHeight = 0;
    if (!platform.IsAvailable()) {
        return StepOutcome::Unavailable;
    }
    if (!platform.GetIconSize(iconWidth, iconHeight)) {
        return StepOutcome::Failed;
    }
    return Outcome(platform.DrawArrowCursor(capture, request.cursorX - iconWidth / 3,
                                            request.cursorY - iconHeight / 3));
}

// The shape step; `shaped` tells whether a shape was cut out. Whenever no shape is cut out
// (none chosen, free style, a missing mask file, a failure) the capture gets the treatment of
// shape 0, so that it is never emptied and never keeps magenta without a shadow.
StepOutcome ShapeStep(ZImage& capture, const FinishOptions& options, const FinishRequest& request,
                      FinishPlatform& platform, bool& shaped) {
    shaped = false;
    const uint32_t type = options.shapeType;
    auto unshaped = [&](StepOutcome outcome) {
        const bool keyed = KeyToBackground(capture, options.shadow, options.background);
        return keyed ? outcome : StepOutcome::Failed;
    };
    if (type < 1 || type > 8 || request.mode == CaptureMode::FreeStyle) {
        return unshaped(StepOutcome::Off);
    }
    if (type <= 2) {
        ZImage mask;
        if (!platform.IsAvailable()) {
            return unshaped(StepOutcome::Unavailable);
        }
        if (!mask.Create(capture.GetWidth(), capture.GetHeight(), 24, kFinishKeyColour, nullptr) ||
            !platform.DrawShapeMask(mask, type) ||
            !CutOutShape(capture, mask, options.shadow, options.background)) {
            return unshaped(StepOutcome::Failed);
        }
    } else {
        const std::wstring path = ShapeMaskPath(request.programFolder, type);
        ZImage maskFile;
        if (!LoadImageFromFile(maskFile, path.c_str())) {
            return unshaped(StepOutcome::Skipped);  // the loader has logged why
        }
        if (!CutOutThroughMaskFile(capture, maskFile, options.shapeDirection, options.shadow,
                                   options.background)) {
            return unshaped(StepOutcome::Failed);
        }
    }
    shaped = true;
    return StepOutcome::Done;
}

StepOutcome ShadowStep(ZImage& capture, const FinishOptions& options, CaptureMode mode,
                       bool shaped) {
    if (!options.shadow) {
        return StepOutcome::Off;
    }
    DropShadowOptions shadow;
    shadow.shadowColour = options.shadowColour;
    shadow.backgroundColour = options.background;
    shadow.directionDegrees = ToEffectInt(options.shadowDirection);
    shadow.dither = ToEffectInt(options.shadowDither);
    shadow.intensityPercent = ToEffectInt(options.shadowIntensity);
    shadow.offset = ToEffectInt(options.shadowOffset);
    shadow.plainRectangle = PlainRectangleFlag(mode, shaped);
    shadow.keyColour = kFinishKeyColour;
    return Outcome(ApplyDropShadow(capture, shadow));
}

}  // namespace

FinishReport FinishImage(ZImage& capture, const FinishOptions& options,
                         const FinishRequest& request, FinishPlatform& platform) {
    FinishReport report;
    if (!capture.IsValid() || capture.GetBitsPerPixel() != 24) {
        report.sound = report.sparkle = report.cursorShadow = report.cursor = report.shape =
            report.shadow = report.fader = StepOutcome::Failed;
        return report;
    }
    report.sound = SoundStep(options, platform);
    if (options.cursor && !IsScrollingMode(request.mode)) {
        report.sparkle = SparkleStep(capture, options, request);
        report.cursorShadow = CursorShadowStep(capture, options, request, platform);
        report.cursor = ArrowStep(capture, request, platform);
    }
    bool shaped = false;
    report.shape = ShapeStep(capture, options, request, platform, shaped);
    report.shadow = ShadowStep(capture, options, request.mode, shaped);
    if (options.fader != 0) {
        report.fader = Outcome(ApplyFader(capture, options.fader, options.background));
    }
    return report;
}

}  // namespace zentrova
