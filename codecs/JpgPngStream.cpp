#include "codecs/JpgPngStream.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace zentrova::codec_io {

bool BufferedFileReader::Open(const wchar_t* path) {
    m_pos = m_end = 0;
    m_delivered = false;
    if (!m_buffer) {
        m_buffer.reset(new (std::nothrow) uint8_t[kBlockBytes]);
    }
    return m_buffer && path != nullptr && m_file.Open(path, ZFile::Mode::Read);
}

size_t BufferedFileReader::Read(void* out, size_t count) {
    auto* target = static_cast<uint8_t*>(out);
    size_t done = 0;
    while (done < count) {
        if (m_pos == m_end) {
            // Large requests skip the buffer.
            if (count - done >= kBlockBytes) {
                const size_t got = m_file.Read(target + done, count - done);
                done += got;
                break;
            }
            m_pos = 0;
            m_end = m_file.Read(m_buffer.get(), kBlockBytes);
            if (m_end == 0) {
                break;
            }
        }
        const size_t take = std::min(count - done, m_end - m_pos);
        std::memcpy(target + done, m_buffer.get() + m_pos, take);
        m_pos += take;
        done += take;
    }
    m_delivered = m_delivered || done > 0;
    return done;
}

size_t BufferedFileReader::NextBlock() {
    m_pos = 0;
    m_end = m_file.Read(m_buffer.get(), kBlockBytes);
    const size_t got = m_end;
    m_pos = m_end;  // the block is handed out whole
    m_delivered = m_delivered || got > 0;
    return got;
}

bool BufferedFileWriter::Open(const wchar_t* path) {
    m_used = 0;
    m_failed = false;
    if (!m_buffer) {
        m_buffer.reset(new (std::nothrow) uint8_t[kBlockBytes]);
    }
    return m_buffer && path != nullptr && m_file.Open(path, ZFile::Mode::CreateForWrite);
}

bool BufferedFileWriter::Close() {
    const bool ok = m_file.IsOpen() && Flush();
    const bool closed = m_file.Close();
    return ok && closed;
}

bool BufferedFileWriter::Write(const void* data, size_t count) {
    const auto* source = static_cast<const uint8_t*>(data);
    while (count > 0 && !m_failed) {
        if (m_used == 0 && count >= kBlockBytes) {
            m_failed = !m_file.Write(source, count);
            break;
        }
        const size_t take = std::min(count, kBlockBytes - m_used);
        std::memcpy(m_buffer.get() + m_used, source, take);
        m_used += take;
        source += take;
        count -= take;
        if (m_used == kBlockBytes) {
            Flush();
        }
    }
    return !m_failed;
}

bool BufferedFileWriter::Flush() {
    if (m_used > 0 && !m_failed) {
        m_failed = !m_file.Write(m_buffer.get(), m_used);
    }
    m_used = 0;
    return !m_failed;
}

bool BufferedFileWriter::Commit(size_t used) {
    m_used = std::min(used, kBlockBytes);
    return Flush();
}

}  // namespace zentrova::codec_io
