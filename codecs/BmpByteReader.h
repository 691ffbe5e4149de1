// Buffered reading of BMP pixel data through ZFile.
//
// Reads the file in fixed chunks, so that decoders that consume a few bytes at a time (RLE,
// converted rows) make one system call per chunk and never size a buffer from a value the file
// declares.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "codecs/ZFile.h"

namespace zentrova::bmp {

class BmpByteReader {
  public:
    static constexpr size_t kChunkBytes = 64 * 1024;

    // Reads from the file's current position on.
    explicit BmpByteReader(ZFile& file);
    BmpByteReader(const BmpByteReader&) = delete;
    BmpByteReader& operator=(const BmpByteReader&) = delete;

    // False once the file has ended (or the chunk buffer could not be obtained).
    bool ReadByte(uint8_t& out) {
        if (m_pos == m_end && !Refill()) {
            return false;
        }
        out = m_chunk[m_pos++];
        return true;
    }

    // Makes up to `wanted` bytes (at most kChunkBytes) available at Data() and returns how many
    // are; fewer only at the end of the file.
    size_t Fill(size_t wanted);
    const uint8_t* Data() const { return m_chunk.get() + m_pos; }
    size_t Available() const { return m_end - m_pos; }
    // Consumes n bytes of those available.
    void Consume(size_t n) { m_pos += n < Available() ? n : Available(); }
    // Skips up to n bytes; false when the file ended first.
    bool Skip(uint64_t n);

  private:
    // Keeps the unread bytes, moves them to the front and reads more behind them.
    bool Refill();

    ZFile& m_file;
    std::unique_ptr<uint8_t[]> m_chunk;
    size_t m_pos = 0;
    size_t m_end = 0;
    bool m_ended = false;
};

}  // namespace zentrova::bmp
