// What the decoder fuzz entry points share: a scratch file that deletes itself, a hard check,
// storing the input as a file, and touching every byte of a decoded picture.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "image/ZImage.h"

namespace zentrova::fuzz {

// A temporary file that is deleted again when it goes out of scope.
class ScratchFile {
  public:
    explicit ScratchFile(const wchar_t* prefix);
    ~ScratchFile();
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    bool ok() const { return m_ok; }
    const wchar_t* path() const { return m_path.c_str(); }

  private:
    std::wstring m_path;
    bool m_ok = false;
};

// Ends the process (a finding for the fuzzer) when condition is false.
void Check(bool condition);

// Writes the fuzz input into file; false when it cannot.
bool StoreInput(const ScratchFile& file, const uint8_t* data, size_t size);

// A decoded picture is valid, within the size limits, of one of the depths in the bit mask
// (bit n set: n bits per pixel allowed), and every byte of its pixel memory can be read (the
// sanitizers see any size mismatch).
void CheckDecodedImage(const ZImage& image, uint64_t allowedDepths);

constexpr uint64_t Depth(unsigned bits) {
    return uint64_t{1} << bits;
}

}  // namespace zentrova::fuzz
