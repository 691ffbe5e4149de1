#include "codecs/ZFile.h"

#include "core/FileSystem.h"
#include "core/WideText.h"

namespace zentrova {

bool ZFile::Open(const wchar_t* path, Mode mode) {
    Close();
    if (path == nullptr || *path == L'\0') {
        return false;
    }
    std::wstring full = GetFullPath(path);
    if (full.size() >= kMaxPathChars) {
        return false;
    }
    if (!OpenHandle(full, mode)) {
        return false;
    }
    m_ownsHandle = true;
    m_isOpen = true;
    m_path = std::move(full);
    return true;
}

bool ZFile::Close() {
    if (!m_isOpen) {
        return true;
    }
    const bool closed = !m_ownsHandle || CloseHandle();
    m_handle = -1;
    m_ownsHandle = false;
    m_isOpen = false;
    m_path.clear();
    return closed;
}

bool ZFile::ReadByte(uint8_t& out) {
    out = 0;
    return Read(&out, 1) == 1;
}

bool ZFile::ReadU16(uint16_t& out) {
    uint8_t b[2] = {};
    const bool ok = Read(b, 2) == 2;
    out = ok ? static_cast<uint16_t>(b[0] | (b[1] << 8)) : 0;
    return ok;
}

bool ZFile::ReadU32(uint32_t& out) {
    uint8_t b[4] = {};
    const bool ok = Read(b, 4) == 4;
    out = ok ? (uint32_t{b[0]} | (uint32_t{b[1]} << 8) | (uint32_t{b[2]} << 16) |
                (uint32_t{b[3]} << 24))
             : 0;
    return ok;
}

bool ZFile::WriteByte(uint8_t value) {
    return Write(&value, 1);
}

bool ZFile::WriteU16(uint16_t value) {
    const uint8_t b[2] = {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8)};
    return Write(b, 2);
}

bool ZFile::WriteU32(uint32_t value) {
    const uint8_t b[4] = {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
                          static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24)};
    return Write(b, 4);
}

}  // namespace zentrova
