// Bands of a window that stay in place while the rest scrolls: a header at the top (a toolbar, a
// sticky page header) or a footer at the bottom (a status line). They never match at any shift,
// so the overlap search leaves them out once they are found, and the picture keeps each once.
#pragma once

#include <cstdint>

#include "image/ZImage.h"

namespace zentrova {

struct StickyBands {
    int32_t top = 0;     // rows of the header
    int32_t bottom = 0;  // rows of the footer
    bool Any() const { return top > 0 || bottom > 0; }
};

// The rows at the top and at the bottom that are identical in two consecutive pages of the same
// size (24 or 32 bits), ending at the last row that is not of one colour (plain rows above or
// below the content are no band). None when the pages differ in size, when nothing changed
// between them, or when the bands would leave fewer than two rows between them.
StickyBands FindStickyBands(const ZImage& previous, const ZImage& current);

// Rows first ... first + count - 1 (from the top) of page as a picture of their own; false when
// they do not lie inside the page or the picture cannot be made.
bool CopyPageRows(const ZImage& page, int32_t first, int32_t count, ZImage& out);

}  // namespace zentrova
