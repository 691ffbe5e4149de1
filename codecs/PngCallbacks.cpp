#include "codecs/PngCallbacks.h"

#include <cstdio>

namespace zentrova::png_detail {

namespace {

PngIoState& IoState(png_structp png) {
    return *static_cast<PngIoState*>(png_get_io_ptr(png));
}

}  // namespace

void SetMessage(PngIoState& state, const char* message) {
    std::snprintf(state.message, sizeof(state.message), "%s", message ? message : "");
}

// Only plain data lives between the library's frames and the codec's setjmp.
void OnError(png_structp png, png_const_charp message) {
    auto* state = static_cast<PngIoState*>(png_get_error_ptr(png));
    if (state != nullptr) {
        SetMessage(*state, message);
    }
    png_longjmp(png, 1);
}

void OnWarning(png_structp /*png*/, png_const_charp /*message*/) {}

void ReadData(png_structp png, png_bytep data, size_t length) {
    PngIoState& state = IoState(png);
    if (state.reader == nullptr || state.reader->Read(data, length) != length) {
        png_error(png, "Read Error");
    }
}

void WriteData(png_structp png, png_bytep data, size_t length) {
    PngIoState& state = IoState(png);
    if (state.writer == nullptr || !state.writer->Write(data, length)) {
        png_error(png, "Write Error");
    }
}

void FlushData(png_structp png) {
    PngIoState& state = IoState(png);
    if (state.writer == nullptr || !state.writer->Flush()) {
        png_error(png, "Write Error");
    }
}

}  // namespace zentrova::png_detail
