#include "editmode/tools/SpotlightTool.h"

#include "config/SystemInfo.h"
#include "core/LoadImage.h"
#include "editmode/EditSession.h"
#include "editmode/tools/ToolCompositing.h"
#include "editmode/tools/ToolShape.h"

namespace zentrova {

namespace {

constexpr ZColor kOutlineRed = 0x0000FF;
constexpr int32_t kOutlineWidth = 2;

// A picture of the program's folder; false when it is not there.
bool LoadBesideProgram(const wchar_t* relative, ZImage& picture) {
    wchar_t folder[260];
    if (!GetProgramFolder(folder, 260)) {
        return false;
    }
    const std::wstring path = std::wstring(folder) + L"\\" + relative;
    return LoadImageFromFile(picture, path.c_str());
}

}  // namespace

const wchar_t* SpotlightShapeFile(int32_t index) {
    static constexpr const wchar_t* kShapes[] = {
        L"Masks\\SpotlightShape_circle.png",  L"Masks\\SpotlightShape_circlesoft.png",
        L"Masks\\SpotlightShape_crystal.png", L"Masks\\SpotlightShape_rectangle.png",
        L"Masks\\SpotlightShape_zigzag.png",
    };
    return kShapes[index >= 0 && index < 5 ? index : 4];
}

void SpotlightTool::DrawPreview(const EditSession&, ZImage& buffer, const ZRect&,
                                const ZRect& onScreen) const {
    ToolShape outline;
    Figure f;
    f.rect = onScreen;
    f.penWidth = kOutlineWidth;
    f.kind = FigureKind::RoundRect;
    outline.figures.push_back(f);
    f.kind = FigureKind::Ellipse;
    outline.figures.push_back(f);
    PaintToolShape(buffer, outline, 0, 0, ShapeInk{kOutlineRed, false});
}

void SpotlightTool::Commit(EditSession& session, const ZRect& frame) {
    const SettingsRecord& s = session.Settings();
    ZImage darkening;
    ZImage shape;
    const bool haveMask = LoadBesideProgram(kSpotlightMaskFile, darkening);
    const bool haveShape = LoadBesideProgram(SpotlightShapeFile(SpotlightShapeIndex(s)), shape);
    if (!ApplySpotlight(session.GetPictureForChange(), frame, AsColour(s.MToolsSpotLightColor),
                        haveMask ? &darkening : nullptr, haveShape ? &shape : nullptr)) {
        session.Host().Beep();
        return;
    }
    session.CommitChange();
}

}  // namespace zentrova
