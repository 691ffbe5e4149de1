// The capture finishing pipeline on a picture: the portable steps and the seam to the platform's
// drawing (see FinishCapture.h for the order of the steps and the decisions taken).
//
// The image steps (sparkle, the shape masks from files, the cursor shadow's mask processing, the
// drop shadow and the fader) work on ZImage pixels and give the same result in every build. The
// steps that need the system (the capture sound, the arrow cursor, the rounded-rectangle and
// ellipse masks) go through a FinishPlatform: Windows supplies GDI (FinishPlatform_win.cpp);
// NoFinishPlatform says "not available" for each of them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "capture/overlay/CaptureMode.h"
#include "image/ZImage.h"

namespace zentrova {

struct SettingsRecord;

constexpr ZColor kFinishKeyColour = 0xFF00FF;  // magenta: outside the shape
constexpr int32_t kRoundedShapeCorner = 80;    // corner ellipse of shape 1
constexpr int32_t kMaskDirectionBorder = 100;  // width of the shaped border of a mask file
constexpr int32_t kCursorShadowInset = 16;     // the arrow sits at (8, 8) of a mask of 2x icon size
constexpr int kCursorShadowBlurPasses = 5;     // filter 1 applied this often to the shadow mask

// The settings the pipeline reads, by their registry names.
struct FinishOptions {
    bool playSound = false;          // GeneralPlaySoundOnCapture
    bool cursor = false;             // CaptureCursorIsValid
    uint32_t sparkle = 0;            // CaptureCursorSparkle 0..6
    uint32_t shapeType = 0;          // CaptureShapeType 0..8
    uint32_t shapeDirection = 5;     // CaptureShapeTypeDirection
    uint32_t fader = 0;              // CaptureShapeFader 0..8
    ZColor background = 0xFFFFFF;    // CaptureBackgroundColor
    bool shadow = false;             // CaptureShadowIsValid
    bool cursorShadow = false;       // CaptureShadowCursorIsValid
    ZColor shadowColour = 0x000000;  // CaptureShadowColor
    uint32_t shadowIntensity = 100;  // CaptureShadowIntensity (percent)
    uint32_t shadowDirection = 315;  // CaptureShadowDirection (degrees)
    uint32_t shadowOffset = 3;       // CaptureShadowOffset
    uint32_t shadowDither = 8;       // CaptureShadowDither
};

// The options from a settings record (flags are on when non-zero).
FinishOptions FinishOptionsFromSettings(const SettingsRecord& settings);

// Gives every number of the record its default from the settings table (texts untouched), as
// a first start without stored settings would: for tools and benchmarks that run the pipeline
// without a registry.
void FillSettingNumberDefaults(SettingsRecord& settings);

// What the system does for the pipeline. Each call returns false when it could not be done;
// IsAvailable tells whether this platform can do it at all.
class FinishPlatform {
  public:
    virtual ~FinishPlatform() = default;
    virtual bool IsAvailable() const = 0;
    // Starts the capture sound (resource 144) without waiting for it.
    virtual bool PlayCaptureSound() = 0;
    // The system icon size (SM_CXICON, SM_CYICON).
    virtual bool GetIconSize(int32_t& width, int32_t& height) = 0;
    // Draws the standard arrow cursor at the system icon size with its top-left at (x, y) of the
    // 24-bit target.
    virtual bool DrawArrowCursor(ZImage& target, int32_t x, int32_t y) = 0;
    // Draws, black over the whole 24-bit mask, shape 1 (a rounded rectangle with a corner ellipse
    // of kRoundedShapeCorner x kRoundedShapeCorner) or shape 2 (an ellipse).
    virtual bool DrawShapeMask(ZImage& mask, uint32_t shapeType) = 0;
};

// The platform of the native build: nothing of the above is available.
class NoFinishPlatform final : public FinishPlatform {
  public:
    bool IsAvailable() const override { return false; }
    bool PlayCaptureSound() override { return false; }
    bool GetIconSize(int32_t&, int32_t&) override { return false; }
    bool DrawArrowCursor(ZImage&, int32_t, int32_t) override { return false; }
    bool DrawShapeMask(ZImage&, uint32_t) override { return false; }
};

// The platform of this build for tools that run the pipeline outside the capture engine:
// GdiFinishPlatform for the program file on Windows, NoFinishPlatform in the native build.
std::unique_ptr<FinishPlatform> MakeSystemFinishPlatform();

// Where and how the picture was captured.
struct FinishRequest {
    CaptureMode mode = CaptureMode::FreeRectangle;
    // The cursor in the capture's picture coordinates (already converted and moved by dx, dy).
    int32_t cursorX = 0;
    int32_t cursorY = 0;
    // The folder holding "Mouse" and "Masks", without a trailing separator.
    std::wstring programFolder;
};

// What became of each step.
enum class StepOutcome : uint8_t {
    Off,          // not switched on (or not for this mode)
    Done,         // done
    Skipped,      // switched on, but left out as its data file could not be loaded
    Failed,       // an image operation failed; the picture is as the step found it
    Unavailable,  // needs the platform, which cannot do it here
};

struct FinishReport {
    StepOutcome sound = StepOutcome::Off;
    StepOutcome sparkle = StepOutcome::Off;
    StepOutcome cursorShadow = StepOutcome::Off;
    StepOutcome cursor = StepOutcome::Off;
    StepOutcome shape = StepOutcome::Off;
    StepOutcome shadow = StepOutcome::Off;
    StepOutcome fader = StepOutcome::Off;
    // True when no step failed or was unavailable (Skipped counts as fine: the data file's
    // failure is in the error log).
    bool AllWorked() const;
};

// Runs the pipeline in place on the 24-bit capture. The capture must be valid and 24 bits; for
// anything else every step is reported Failed and nothing is changed.
FinishReport FinishImage(ZImage& capture, const FinishOptions& options,
                         const FinishRequest& request, FinishPlatform& platform);

// The steps, for the pipeline and its tests ------------------------------------------------------

// The cursor position in the capture's picture coordinates: modes 0 and 7 the screen position
// minus the window's top-left; modes 3, 4 and 6 virtual-screen coordinates (the screen position
// plus |virtualLeft|, |virtualTop|); mode 5 (0, 0); then (dx, dy) added. Scrolling modes as 5.
void CursorPositionInCapture(CaptureMode mode, int32_t screenX, int32_t screenY, int32_t windowLeft,
                             int32_t windowTop, int32_t virtualLeft, int32_t virtualTop, int32_t dx,
                             int32_t dy, int32_t& x, int32_t& y);

// File name of a sparkle picture (1..6, "mouse-balls.png" ...) or a shape mask (3..8,
// "CaptureShapeEffect_cloudy.png" ...); null for other values.
const wchar_t* SparkleFileName(uint32_t sparkle);
const wchar_t* ShapeMaskFileName(uint32_t shapeType);
// programFolder joined with "Mouse" or "Masks" and the file name; empty for other values.
std::wstring SparklePath(const std::wstring& programFolder, uint32_t sparkle);
std::wstring ShapeMaskPath(const std::wstring& programFolder, uint32_t shapeType);

// Makes a loaded sparkle picture 32 bits; a picture without alpha becomes fully opaque.
bool PrepareSparkle(ZImage& sparkle);
// Sparkle: the 32-bit picture alpha-blended at opacity 255 centred on (x, y) (top-left = the
// position minus half its size, integer halves).
bool DrawSparkle(ZImage& capture, const ZImage& sparkle, int32_t x, int32_t y);

// The cursor shadow's colour: per channel S + (B - S) * (255 - I * 255 / 100) / 255.
ZColor CursorShadowColour(ZColor shadow, ZColor background, uint32_t intensityPercent);
// The shadow's displacement for a direction in degrees: 0-89 (-d, +d), 90-179 (-d, -d),
// 180-269 (+d, -d), 270-359 (+d, +d), anything else (0, 0).
void CursorShadowDisplacement(uint32_t direction, int32_t offset, int32_t& ox, int32_t& oy);
// Turns a 24-bit picture of the cursor on magenta into the blurred shadow mask: non-magenta
// black, magenta white, filter 1 kCursorShadowBlurPasses times, inverted.
bool MakeCursorShadowMask(ZImage& mask);
// Lays a picture of the mask's size in `colour` through the mask onto the capture at (x, y).
bool BlendShadowMask(ZImage& capture, const ZImage& mask, ZColor colour, int32_t x, int32_t y);

// The white rectangle of a mask file for a direction (mask size w x h), as left, top, right,
// bottom; false for directions that shape all four edges (nothing painted).
bool MaskDirectionRect(uint32_t direction, int32_t w, int32_t h, int32_t& left, int32_t& top,
                       int32_t& right, int32_t& bottom);
// Shape step 4: draws the mask file's outline into the mask M (capture size, magenta in the
// pipeline): the file made 24 bits with the direction's rectangle painted white (both in place,
// in maskFile), scaled to M's size without smoothing, a copy of it given filter 1 and inverted,
// that copy laid onto M through the scaled file. The scaled pictures are never made: one pass.
bool DrawMaskFileOutline(ZImage& maskM, ZImage& maskFile, uint32_t direction);
// Shape steps 5-7: cuts the capture out through the mask M (black inside, magenta outside).
// The result is written into the capture; M is released.
bool CutOutShape(ZImage& capture, ZImage& maskM, bool shadow, ZColor background);
// Shape steps 3-7 for a mask file in one pass: the same pixels as M made magenta at the
// capture's size, DrawMaskFileOutline and CutOutShape, without making M.
bool CutOutThroughMaskFile(ZImage& capture, ZImage& maskFile, uint32_t direction, bool shadow,
                           ZColor background);
// Shape 0 (or no shape taken): with the shadow off, magenta becomes the background colour.
bool KeyToBackground(ZImage& capture, bool shadow, ZColor background);

// The drop shadow's plain-rectangle flag for a mode and whether a shape was applied.
bool PlainRectangleFlag(CaptureMode mode, bool shaped);

// The fader (1..8) into the background colour, in place on a 24-bit capture (the same pixels as
// a background picture, a gradient mask, the masked blend and the copy back); 0 and values above
// 8 do nothing (true).
bool ApplyFader(ZImage& capture, uint32_t fader, ZColor background);

}  // namespace zentrova
