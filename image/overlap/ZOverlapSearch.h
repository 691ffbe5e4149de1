// The overlap search of the scrolling capture: by how many rows has the current page moved up
// against the previous one?
//
// Contract:
// * Both pages valid, of equal width and height, 24 bits per pixel (other depths are converted
//   into a copy first); otherwise nothing is found (shift 0, percentage 0).
// * Shifts k = 0, 1, ..., height - 1 are tried in that order; the first that qualifies wins. For
//   shift k, picture row r of the current page is compared with picture row r + k of the
//   previous page for r = 0 ... height - 1 - k, over the byte columns of pixels x0 ... x0 + w - 1
//   (blue, green and red counted apart). E equal bytes out of N = (height - k) * w * 3 give the
//   percentage OverlapPercent(E, N); the shift qualifies when that is at least the threshold or
//   E = N.
// * Nothing found: shift 0 and the percentage of the last shift tried.
// * The column range is clipped to the pages (x0 < 0 or w < 1 after clipping: nothing found).
//
// FindOverlapLiteral tries every shift over every byte: the reference. FindOverlap gives the
// same result for every input, faster: the qualifying test is monotone in E, so a shift is
// rejected as soon as its mismatches exceed what the threshold allows, first by a lower bound
// from per-row counts of the background byte (no pixel touched), then by comparing rows 16 bytes
// at a time in an interleaved order; only an accepted shift is counted in full.
#pragma once

#include <cstdint>

#include "image/ZImage.h"

namespace zentrova {

struct OverlapResult {
    bool found = false;
    int32_t shift = 0;    // rows the view moved up; the bottom `shift` rows are new
    int32_t percent = 0;  // 0 ... 100
};

// The match percentage of equal bytes out of total: equal / (total / 100) in single precision,
// 100 when that is 100 or more, 0 when it is negative or not a number, truncated; 100 whenever
// every byte is equal (single precision alone may give 99.99999).
int32_t OverlapPercent(int64_t equal, int64_t total);

OverlapResult FindOverlapLiteral(const ZImage& current, const ZImage& previous, int32_t x0,
                                 int32_t w, int32_t threshold);
OverlapResult FindOverlap(const ZImage& current, const ZImage& previous, int32_t x0, int32_t w,
                          int32_t threshold);

}  // namespace zentrova
