// The finishing pipeline's platform steps with Win32: the capture sound and GDI drawing.
#pragma once

#include "capture/finish/FinishPipeline.h"

struct HINSTANCE__;

namespace zentrova {

// Resource number of the capture sound (a WAVE resource of the program).
constexpr int kCaptureSoundResource = 144;

class GdiFinishPlatform final : public FinishPlatform {
  public:
    // instance: the module holding the sound resource (null: the program file).
    explicit GdiFinishPlatform(HINSTANCE__* instance) : m_instance(instance) {}

    bool IsAvailable() const override { return true; }
    // PlaySoundW of resource 144, asynchronous, without the system's default sound.
    bool PlayCaptureSound() override;
    bool GetIconSize(int32_t& width, int32_t& height) override;
    // The system's standard arrow (IDC_ARROW) with DrawIconEx at SM_CXICON x SM_CYICON.
    bool DrawArrowCursor(ZImage& target, int32_t x, int32_t y) override;
    // A black pen and brush: RoundRect (0, 0, w, h, 80, 80) for 1, Ellipse (0, 0, w, h) for 2.
    bool DrawShapeMask(ZImage& mask, uint32_t shapeType) override;

  private:
    HINSTANCE__* m_instance;
};

}  // namespace zentrova
