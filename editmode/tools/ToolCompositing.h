// ToolCompositing: the pixel steps by which the mouse tools lay their strokes into the working
// picture: the tool shadow, the smoothed (high-quality) stroke, the highlighter's AND, the
// highlight strips and the spotlight. The pen and brush drawing itself is handed in as a
// function (ShapeDraw), so every step here is exact pixel arithmetic; the tools pass
// PaintToolShape, the tests a drawing of their own.
// Portable.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "core/ZRect.h"
#include "editmode/tools/ToolSettings.h"
#include "editmode/view/EditView.h"
#include "image/ZImage.h"

namespace zentrova {

// Draws the tool's figure into target (24 bits) with every coordinate moved by (dx, dy), in
// colour. False when nothing could be drawn.
using ShapeDraw = std::function<bool(ZImage& target, int32_t dx, int32_t dy, ZColor colour)>;

// The shadow -----------------------------------------------------------------------------------

// Where the shadow lies for direction d (degrees) and offset o: 0 <= d < 90 (-o, +o), 90 <= d <
// 180 (-o, -o), 180 <= d < 270 (+o, -o), 270 <= d < 360 (+o, +o), otherwise (0, 0).
ZPoint ShadowOffset(int32_t direction, int32_t offset);
// The shadow colour moved towards white by the intensity (0..100): a = 255 - trunc(I * 255 /
// 100), every channel c + trunc((255 - c) * a / 255). 100 gives the colour, 0 white.
ZColor ShadowColour(ZColor colour, int32_t intensity);

// The rectangle a stroke is composed in: the shape's bounds grown by 4 x dither, then by the
// larger of width / 8 and height / 8, then by the shadow's offset when the shadow is on (so the
// blurred shadow is never cut off), clipped to the picture. Empty when nothing of it is on the
// picture.
ZRect StrokeWorkRect(const ZRect& shapeBounds, const ToolShadow& shadow, int32_t pictureWidth,
                     int32_t pictureHeight);

struct StrokeLook {
    ToolShadow shadow;  // no shadow when not enabled
    bool highQuality = false;
    ZColor colour = 0;
};

// Lays a stroke into the picture (24 bits): the shadow (smoothed: drawn shifted into a copy of
// the work rectangle and into a white mask, the copy blurred with the dither as radius once, the
// mask twice, the mask inverted, the copy blended through it; plain: drawn shifted straight into
// the picture in the shadow colour, then the copy laid back with constant alpha 96), then the
// shape (high quality: drawn into a fresh copy and a mask, both through filter 1, the mask
// inverted, blended; otherwise drawn straight into the picture). Dither 0 blurs nothing. False
// when nothing of the shape's bounds lies on the picture or a working picture cannot be made.
bool RenderStroke(ZImage& picture, const ZRect& shapeBounds, const StrokeLook& look,
                  const ShapeDraw& draw);

// The smoothed stroke alone (the shape step of RenderStroke with high quality) on rect, clipped
// to the picture (the rubber). False when nothing of rect lies on the picture.
bool RenderSmoothStroke(ZImage& picture, const ZRect& rect, ZColor colour, const ShapeDraw& draw);

// The constant-alpha blend of `source` (24 bits) over the picture with its top-left at (x, y),
// as the system's AlphaBlend without per-pixel alpha: d = (s * a + d * (255 - a) + 127) / 255.
bool BlendConstantAlpha(ZImage& picture, const ZImage& source, int32_t x, int32_t y, int32_t alpha);
// The same with one colour (a filled tile stretched over the rectangle), clipped to the picture.
bool BlendColourRect(ZImage& picture, const ZRect& rect, ZColor colour, int32_t alpha);

// Marker --------------------------------------------------------------------------------------

// A marker stroke whose points spread less than 20 pixels from the first one horizontally or
// vertically is drawn as one straight bar from the first to the last point (high quality).
bool MarkerUsesStraightBar(const std::vector<ZPoint>& points);
// The high-quality marker: the stroke drawn with the AND pen into a copy of the picture under
// rect and in black into a white mask, the mask through filter 1 and inverted, the copy blended
// through it. drawAnd draws the stroke ANDed with the marker colour, drawMask in black.
bool RenderMarkerStroke(ZImage& picture, const ZRect& rect, const ShapeDraw& drawAnd,
                        const ShapeDraw& drawMask);

// Highlight area ----------------------------------------------------------------------------------

// The four strips of `area` outside `selection` (left and right over the area's whole height,
// top and bottom between them) blended with colour at alpha trunc(transparency * 255 / 100); the
// selection stays untouched. area is the whole picture for the commit and the picture's place
// on the screen for the live drawing; both are clipped to the picture.
bool HighlightOutside(ZImage& picture, const ZRect& area, const ZRect& selection, ZColor colour,
                      int32_t transparency);

// Live strokes ------------------------------------------------------------------------------------

// A stroke drawn piece by piece in black onto a white 24-bit layer of the screen's size is laid
// onto the screen buffer inside rect: where the layer is black the buffer takes the colour, or
// (andColour) is ANDed with it.
bool LayStrokeLayer(ZImage& buffer, const ZImage& layer, const ZRect& rect, ZColor colour,
                    bool andColour);

// Spotlight -----------------------------------------------------------------------------------

// The spotlight on `selection` of the picture. The picture is enlarged (white around it) to a
// picture centred on the selection's centre; the enlarged picture is tinted (every pixel ANDed
// with the colour) and spin blurred with angle 3 around that centre, then laid onto the picture
// through the darkening mask stretched without smoothing over the enlarged picture (null: laid
// on as it is, the tint everywhere). The selection as it was comes back through the shape mask
// stretched with filter 4 to the selection's size, at the selection's top-left (null: copied back
// unchanged). The spin blur samples the whole enlarged picture but is computed only on the part
// that lands on the picture. False (picture unchanged) for an empty selection or no memory.
bool ApplySpotlight(ZImage& picture, const ZRect& selection, ZColor colour,
                    const ZImage* darkeningMask, const ZImage* shapeMask);

}  // namespace zentrova
