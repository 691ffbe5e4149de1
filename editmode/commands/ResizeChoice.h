// What the Resize and Resize Canvas dialogs start with and give back.
#pragma once

#include <cstdint>

#include "image/ZImage.h"

namespace zentrova {

struct ResizeChoice {
    int32_t width = 0;
    int32_t height = 0;
    int32_t filter = 4;  // 0 ... 4, the resampling filter numbers
    bool proportions = true;
};

struct CanvasChoice {
    int32_t width = 0;
    int32_t height = 0;
    int32_t anchor = 0;  // 0 ... 8
    ZColor fill = 0xFFFFFF;
};

}  // namespace zentrova
