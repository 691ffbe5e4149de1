// FinishCapture: the finishing pipeline of every capture, run by the capture engine on its result
// image before the owner is told that the capture is done.
//
// Order of the steps (each switched by the capture settings of the SettingsRecord):
//   1. sound      "GeneralPlaySoundOnCapture": sound resource 144, not waited for;
//   2. cursor     "CaptureCursorIsValid" (never in the scrolling modes): the sparkle picture
//                 "CaptureCursorSparkle", the cursor shadow "CaptureShadowCursorIsValid", then the
//                 standard arrow cursor;
//   3. shape      "CaptureShapeType" with "CaptureShapeTypeDirection" for the mask files;
//   4. shadow     "CaptureShadowIsValid": the drop shadow (the picture grows by its margin);
//   5. fader      "CaptureShapeFader": the capture fades into "CaptureBackgroundColor".
// Magenta (0xFF00FF) marks the area outside a shape, a free-style outline or a window region
// until it becomes the background colour or the shadow's background.
//
// Decisions of this implementation:
// * A shape mask file ("Masks\CaptureShapeEffect_*.png" beside the program) that cannot be loaded
//   leaves the capture unshaped, exactly as "CaptureShapeType" 0 would: a capture is never
//   emptied because a data file is missing. The loader writes the failure to the error log.
// * A free-style capture is never shaped (its outline is its shape); with the drop shadow off it
//   gets the background colour outside its outline like every other capture, whatever shape is
//   chosen.
// * The plain-rectangle flag of the drop shadow is set for the modes 1, 2, 3 and 5 when no shape
//   was applied (also when a mask file was missing), and never for the modes 0, 4, 6 and 7.
//
// The portable steps and their platform seam are in FinishPipeline.h; this entry point is the
// Windows one that the capture engine calls.
#pragma once

#include <cstdint>

struct HWND__;

namespace zentrova {

class CaptureEngine;

// Finishes engine.GetResult() in place with the settings of engine.GetContext().settings, for the
// mode engine.GetMode() and the cursor at (engine.GetCaptureCursorX(), GetCaptureCursorY())
// (screen coordinates). `window` is the captured window of the window modes (0, 7; its rectangle
// places the cursor); pass null (or the desktop window) for the other modes. (dx, dy) is added
// to the cursor position: minus the region's top-left corner for the region modes, (0, 0) for
// windows, half the region's size for the fixed region.
// Windows build only (the engine is a Windows object). Returns true when every step that was
// switched on worked; a step that fails leaves the image as that step found it and the later
// steps still run. Nothing is shown to the user. Without settings or a result image: false,
// nothing done.
bool FinishCapture(CaptureEngine& engine, HWND__* window, int32_t dx, int32_t dy);

}  // namespace zentrova
