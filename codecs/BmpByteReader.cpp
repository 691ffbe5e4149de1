#include "codecs/BmpByteReader.h"

#include <cstring>
#include <new>

namespace zentrova::bmp {

BmpByteReader::BmpByteReader(ZFile& file)
    : m_file(file), m_chunk(new (std::nothrow) uint8_t[kChunkBytes]) {
    m_ended = m_chunk == nullptr;
}

bool BmpByteReader::Refill() {
    if (m_ended) {
        return false;
    }
    const size_t kept = Available();
    if (kept == kChunkBytes) {
        return true;  // already full
    }
    if (kept > 0 && m_pos > 0) {
        std::memmove(m_chunk.get(), m_chunk.get() + m_pos, kept);
    }
    m_pos = 0;
    m_end = kept;
    const size_t got = m_file.Read(m_chunk.get() + kept, kChunkBytes - kept);
    if (got == 0) {
        m_ended = true;
        return false;
    }
    m_end += got;
    return true;
}

size_t BmpByteReader::Fill(size_t wanted) {
    if (wanted > kChunkBytes) {
        wanted = kChunkBytes;
    }
    while (Available() < wanted && Refill()) {
    }
    return Available() < wanted ? Available() : wanted;
}

bool BmpByteReader::Skip(uint64_t n) {
    while (n > 0) {
        if (Available() == 0 && !Refill()) {
            return false;
        }
        const size_t step = n < Available() ? static_cast<size_t>(n) : Available();
        m_pos += step;
        n -= step;
    }
    return true;
}

}  // namespace zentrova::bmp
