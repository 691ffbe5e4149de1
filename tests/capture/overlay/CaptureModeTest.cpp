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

}  // namespace
}  // namespace zentrova
