// Pencil drawing: filter 12 (maximum of the neighbourhood minus the centre), invert, grayscale,
// and back to 24 bits. All steps run on a working copy (palette and 16-bit pictures made 24 bits
// first), so that a failing step leaves the picture as it was.
#include "image/ZImageEffects.h"

namespace zentrova {

bool PencilDrawing(ZImage& image) {
    if (!image.IsValid()) {
        return false;
    }
    ZImage work;
    if (!work.CopyFrom(image)) {
        return false;
    }
    if (work.GetBitsPerPixel() < 24 && !work.SetBitDepth(24)) {
        return false;
    }
    if (!ApplyFilter(work, static_cast<int>(NeighbourhoodFilter::MaxMinusCentre)) ||
        !Invert(work) || !Grayscale(work) || !work.SetBitDepth(24)) {
        return false;
    }
    return image.CopyFrom(work);
}

}  // namespace zentrova
