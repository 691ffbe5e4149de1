#include "capture/overlay/CaptureMode.h"

#include <gtest/gtest.h>

namespace zentrova {
namespace {

TEST(CaptureMode, ValuesZeroToSevenAreModes) {
    CaptureMode mode = CaptureMode::FreeStyle;
    ASSERT_TRUE(CaptureModeFromValue(0, mode));
    EXPECT_EQ(CaptureMode::SingleWindow, mode);
    ASSERT_TRUE(CaptureModeFromValue(7, mode));
    EXPECT_EQ(CaptureMode::ActiveWindow, mode);
    EXPECT_FALSE(CaptureModeFromValue(8, mode));
    EXPECT_EQ(CaptureMode::ActiveWindow, mode);  // unchanged
    EXPECT_FALSE(CaptureModeFromValue(0xFFFFFFFFu, mode));
    EXPECT_EQ(5u, static_cast<uint32_t>(CaptureMode::FixedRegion));
    EXPECT_EQ(6u, static_cast<uint32_t>(CaptureMode::FullDesktop));
}

TEST(CaptureMode, GroupsOfModes) {
    const bool region[8] = {false, false, false, true, true, false, false, false};
    const bool scrolling[8] = {false, true, true, false, false, false, false, false};
    const bool framing[8] = {true, true, true, false, false, false, false, false};
    for (uint32_t v = 0; v < kCaptureModeCount; ++v) {
        CaptureMode mode{};
        ASSERT_TRUE(CaptureModeFromValue(v, mode));
        EXPECT_EQ(region[v], IsRegionMode(mode)) << v;
        EXPECT_EQ(scrolling[v], IsScrollingMode(mode)) << v;
        EXPECT_EQ(framing[v], IsWindowFramingMode(mode)) << v;
    }
}

}  // namespace
}  // namespace zentrova
