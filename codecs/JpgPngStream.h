// Buffered file access for the JPEG and PNG codecs.
//
// ZFile goes to the operating system on every call; the picture libraries ask for a few bytes at
// a time (PNG chunk headers) or want whole blocks (JPEG source and destination managers). These
// two classes put one block buffer between them. Neither throws; failures are reported by the
// return values, so that library callbacks can turn them into the library's own error path.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "codecs/ZFile.h"

namespace zentrova::codec_io {

constexpr size_t kBlockBytes = 64 * 1024;

class BufferedFileReader {
  public:
    BufferedFileReader() = default;
    BufferedFileReader(const BufferedFileReader&) = delete;
    BufferedFileReader& operator=(const BufferedFileReader&) = delete;

    // Opens path for reading and allocates the block buffer. False when either fails.
    bool Open(const wchar_t* path);
    void Close() { m_file.Close(); }

    // Copies up to count bytes into out; returns the number copied (short at the end).
    size_t Read(void* out, size_t count);
    // Refills the buffer with the next block of the file; returns its size (0 at the end).
    // The block is at Block() until the next call.
    size_t NextBlock();
    const uint8_t* Block() const { return m_buffer.get(); }
    // True once any byte has been delivered.
    bool HasDelivered() const { return m_delivered; }

  private:
    ZFile m_file;
    std::unique_ptr<uint8_t[]> m_buffer;
    size_t m_pos = 0;
    size_t m_end = 0;
    bool m_delivered = false;
};

class BufferedFileWriter {
  public:
    BufferedFileWriter() = default;
    BufferedFileWriter(const BufferedFileWriter&) = delete;
    BufferedFileWriter& operator=(const BufferedFileWriter&) = delete;

    // Creates (or truncates) path for writing and allocates the block buffer.
    bool Open(const wchar_t* path);
    // Writes what is buffered and closes; false when any write failed.
    bool Close();

    // Appends count bytes; false once a write to the file has failed.
    bool Write(const void* data, size_t count);
    // Writes the buffered bytes to the file.
    bool Flush();

    // The whole block buffer, for libjpeg's destination manager: after filling `used` bytes of
    // it directly, Commit(used) writes them.
    uint8_t* Block() { return m_buffer.get(); }
    bool Commit(size_t used);

  private:
    ZFile m_file;
    std::unique_ptr<uint8_t[]> m_buffer;
    size_t m_used = 0;
    bool m_failed = false;
};

}  // namespace zentrova::codec_io
