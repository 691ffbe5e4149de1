// SelectionFrame and CanvasDrag: grabbing bands, drags, keyboard moves and the frame's invariant.
#include "editmode/view/SelectionFrame.h"

#include <tuple>
#include <utility>

#include <gtest/gtest.h>

#include "editmode/view/CanvasDrag.h"

namespace zentrova {
namespace {

constexpr int32_t kWidth = 100;
constexpr int32_t kHeight = 80;
const ZRect kFrame{20, 10, 60, 50};

SelectionFrame MakeFrame() {
    SelectionFrame frame;
    frame.Set(kFrame, kWidth, kHeight);
    return frame;
}

TEST(SelectionFrameTest, HitTestBandsCornersAndInside) {
    using G = FrameGrab;
    const std::tuple<int32_t, int32_t, FrameGrab> cases[] = {
        {40, 6, G::TopOrBottom},  {31, 14, G::TopOrBottom}, {40, 54, G::TopOrBottom},
        {40, 5, G::None},         {40, 55, G::None},        {16, 30, G::LeftOrRight},
        {64, 30, G::LeftOrRight}, {15, 30, G::None},        {29, 19, G::TopLeft},
        {29, 10, G::TopLeft},     {51, 19, G::TopRight},    {21, 41, G::BottomLeft},
        {59, 49, G::BottomRight}, {40, 30, G::Inside}};
    const SelectionFrame frame = MakeFrame();
    for (const auto& [x, y, grab] : cases) {
        EXPECT_EQ(frame.HitTest(kFrame, x, y), grab) << x << "," << y;
    }
    EXPECT_EQ(SelectionFrame().HitTest(kFrame, 40, 30), G::None);
}

TEST(SelectionFrameTest, NewFrameSpansPressedAndCurrentPixelInEveryDirection) {
    SelectionFrame frame;
    frame.BeginDrag(FrameGrab::None, {30, 40}, kWidth, kHeight);
    EXPECT_EQ(frame.Get(), (ZRect{30, 40, 31, 41}));
    EXPECT_TRUE(frame.DragTo({10, 20}, 0, 0, kZoomOne));  // up and left of the start
    EXPECT_EQ(frame.Get(), (ZRect{10, 20, 31, 41}));
    EXPECT_TRUE(frame.DragTo({150, -5}, 0, 0, kZoomOne));  // outside the picture
    EXPECT_EQ(frame.Get(), (ZRect{30, 0, kWidth, 41}));

    // A press outside the picture starts at the nearest pixel.
    frame.BeginDrag(FrameGrab::None, {-5, 200}, kWidth, kHeight);
    EXPECT_EQ(frame.Get(), (ZRect{0, kHeight - 1, 1, kHeight}));
}

TEST(SelectionFrameTest, EdgeAndCornerDragsMoveOnlyTheirEdges) {
    SelectionFrame frame = MakeFrame();
    frame.BeginDrag(FrameGrab::LeftOrRight, {60, 30}, kWidth, kHeight);
    frame.DragTo({70, 45}, 10, 15, kZoomOne);
    EXPECT_EQ(frame.Get(), (ZRect{20, 10, 70, 50}));
    frame.DragTo({5, 0}, 0, 0, kZoomOne);
    EXPECT_EQ(frame.Get(), (ZRect{5, 10, 70, 50}));

    frame.BeginDrag(FrameGrab::TopOrBottom, {40, 10}, kWidth, kHeight);
    frame.DragTo({90, -10}, 0, 0, kZoomOne);
    EXPECT_EQ(frame.Get(), (ZRect{5, 0, 70, 50}));

    frame.BeginDrag(FrameGrab::BottomRight, {70, 50}, kWidth, kHeight);
    frame.DragTo({500, 500}, 0, 0, kZoomOne);
    EXPECT_EQ(frame.Get(), (ZRect{5, 0, kWidth, kHeight}));
    EXPECT_EQ(frame.GetGrab(), FrameGrab::BottomRight);
}

TEST(SelectionFrameTest, InsideMoveCarriesFractionsOfPicturePixels) {
    // Zoom, window step, steps, shift: 1.5, exactly 1, exactly 2 and exactly -2 picture pixels;
    // then a stop at the edge.
    const int32_t cases[][4] = {{2000, 1, 3, 1},   {3000, 1, 3, 1}, {1500, 1, 3, 2},
                                {3000, -1, 6, -2}, {500, 3, 1, 6},  {1000, 200, 1, 40}};
    for (const auto& [zoom, windowStep, steps, shift] : cases) {
        SelectionFrame frame = MakeFrame();
        frame.BeginDrag(FrameGrab::Inside, {40, 30}, kWidth, kHeight);
        for (int i = 0; i < steps; ++i) {
            frame.DragTo({0, 0}, windowStep, 0, zoom);
        }
        EXPECT_EQ(frame.Get(), (ZRect{20 + shift, 10, 60 + shift, 50})) << zoom;
    }
}

TEST(SelectionFrameTest, ArrowMoveAndGrowStopAtPictureAndOnePixel) {
    SelectionFrame frame = MakeFrame();
    EXPECT_TRUE(frame.Move(-100, 1));
    EXPECT_EQ(frame.Get(), (ZRect{0, 11, 40, 51}));
    EXPECT_FALSE(frame.Move(-1, 0));
    EXPECT_TRUE(frame.Grow(-100, -100));
    EXPECT_EQ(frame.Get(), (ZRect{0, 11, 1, 12}));
    EXPECT_TRUE(frame.Grow(1000, 1000));
    EXPECT_EQ(frame.Get(), (ZRect{0, 11, kWidth, kHeight}));
    EXPECT_FALSE(SelectionFrame().Move(1, 1));
}

TEST(SelectionFrameTest, ClampToSmallerPictureKeepsFrameInsideAndNonEmpty) {
    // An empty picture leaves no frame.
    const std::tuple<int32_t, int32_t, ZRect> cases[] = {
        {30, 5, {20, 4, 30, 5}}, {10, 80, {9, 10, 10, 50}}, {200, 200, kFrame}, {0, 0, {}}};
    for (const auto& [width, height, expected] : cases) {
        SelectionFrame frame = MakeFrame();
        frame.ClampTo(width, height);
        EXPECT_EQ(frame.Exists() ? frame.Get() : ZRect{}, expected) << width << "x" << height;
    }
}

// CanvasDrag ----------------------------------------------------------------------------------

constexpr uint32_t kLeftTop = kEdgeLeft | kEdgeTop;
constexpr uint32_t kRightTop = kEdgeRight | kEdgeTop;
constexpr uint32_t kLeftBottom = kEdgeLeft | kEdgeBottom;
constexpr uint32_t kRightBottom = kEdgeRight | kEdgeBottom;

std::tuple<bool, int32_t, int32_t, int32_t> Summary(const CanvasChange& c) {
    return {c.changed, c.width, c.height, c.anchor};
}

TEST(CanvasDragTest, BorderHitTestOnTheInflatedFrameAndTheAnchorOpposite) {
    // The frame {100, 100, 300, 200} inflated by 2 is {98, 98, 302, 202}.
    const std::tuple<int32_t, int32_t, uint32_t> cases[] = {
        {200, 98, kEdgeTop},     {200, 94, kEdgeTop},      {200, 93, kEdgeNone},
        {200, 206, kEdgeBottom}, {94, 150, kEdgeLeft},     {306, 150, kEdgeRight},
        {307, 150, kEdgeNone},   {107, 107, kLeftTop},     {293, 98, kRightTop},
        {98, 193, kLeftBottom},  {302, 202, kRightBottom}, {200, 150, kEdgeNone}};
    const ZRect frame{100, 100, 300, 200};
    for (const auto& [x, y, edges] : cases) {
        EXPECT_EQ(HitTestCanvasBorder(frame, x, y), edges) << x << "," << y;
    }
    // The anchor is opposite to the moved edges.
    const std::pair<uint32_t, int32_t> anchors[] = {
        {kRightBottom, 0}, {kEdgeBottom, 1}, {kLeftBottom, 2}, {kEdgeRight, 3},
        {kEdgeLeft, 5},    {kRightTop, 6},   {kEdgeTop, 7},    {kLeftTop, 8}};
    for (const auto& [edges, anchor] : anchors) {
        EXPECT_EQ(CanvasAnchorForEdges(edges), anchor) << edges;
    }
}

TEST(CanvasDragTest, OnlyTheMovedAxesGetNewSizesAndAClickChangesNothing) {
    // 201 x 101 at zoom 1500 is drawn 301 x 151; 301 * 1000 / 1500 would give 200.
    ZRect frame{100, 100, 401, 251};
    CanvasDrag drag;
    drag.Begin(frame, kEdgeBottom, 200, 253);
    EXPECT_TRUE(drag.MoveTo(230, 283));
    EXPECT_EQ(drag.GetFrame(), (ZRect{100, 100, 401, 281}));
    // Height trunc(181 * 1000 / 1500); the width stays.
    EXPECT_EQ(Summary(drag.Finish(1500, 201, 101)), std::make_tuple(true, 201, 120, 1));

    frame = ZRect{100, 100, 300, 200};
    drag.Begin(frame, kLeftTop, 99, 98);
    drag.MoveTo(500, 40);  // left edge past the right one: one pixel stays
    EXPECT_EQ(drag.GetFrame(), (ZRect{299, 42, 300, 200}));
    EXPECT_EQ(Summary(drag.Finish(kZoomOne, 200, 100)), std::make_tuple(true, 1, 158, 8));

    drag.Begin(frame, kEdgeRight, 301, 150);
    EXPECT_EQ(Summary(drag.Finish(kZoomOne, 200, 100)), std::make_tuple(false, 200, 100, 0));
}

}  // namespace
}  // namespace zentrova
