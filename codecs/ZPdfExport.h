// The PDF export of a picture: the pages, sizes and slices of pdf/PdfLayout.h, each slice a
// page's picture made row by row from filter 4 (Bilinear) of the image library, so that the
// scaled picture never exists as a whole; Creator "Zentrova Clarivue 2", Title the document's
// path. Nothing but the named file is written.
#pragma once

#include <cstddef>

#include "image/ZImage.h"

namespace zentrova {

constexpr const wchar_t* kPdfCreator = L"Zentrova Clarivue 2";
constexpr const wchar_t* kPdfTooLarge =
    L"The picture is too large for the pages of a PDF document.";
constexpr const wchar_t* kPdfOpenFailed = L"Couldn't open file for saving!";
constexpr const wchar_t* kPdfWriteFailed = L"Couldn't write the PDF document!";
constexpr const wchar_t* kPdfNoMemory = L"Not enough memory for the PDF document.";
constexpr const wchar_t* kPdfNotReplaced = L"The new file could not take the place of the old one.";

// Writes image to path as a PDF document whose Title is title. On failure a message into
// errorText (capacity characters with the terminator) and false; the file may then be incomplete.
// Pictures whose scaled size exceeds ZImage's limits are refused before anything is written.
bool WritePdf(const wchar_t* path, const ZImage& image, const wchar_t* title, wchar_t* errorText,
              size_t capacity);

// As WritePdf with the title path, written first under "<path>~tmp", which then takes the place
// of path: a failure leaves an earlier file at path as it was and no temporary file behind.
bool ExportPdf(const wchar_t* path, const ZImage& image, wchar_t* errorText, size_t capacity);

}  // namespace zentrova
