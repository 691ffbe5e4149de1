// Win32 file access for ZFile.
#include "codecs/ZFile.h"

#include <windows.h>

namespace zentrova {

namespace {

HANDLE AsHandle(intptr_t value) {
    return reinterpret_cast<HANDLE>(value);
}

// ReadFile and WriteFile take 32-bit counts; large blocks go in pieces of this size.
constexpr DWORD kChunk = 1u << 30;

}  // namespace

bool ZFile::OpenHandle(const std::wstring& fullPath, Mode mode) {
    const bool reading = mode == Mode::Read;
    HANDLE handle = CreateFileW(
        fullPath.c_str(), reading ? GENERIC_READ : GENERIC_WRITE, 0 /* no sharing */, nullptr,
        reading ? OPEN_EXISTING : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    m_handle = reinterpret_cast<intptr_t>(handle);
    return true;
}

bool ZFile::CloseHandle() {
    return ::CloseHandle(AsHandle(m_handle)) != FALSE;
}

size_t ZFile::Read(void* buffer, size_t count) {
    if (!m_isOpen || buffer == nullptr) {
        return 0;
    }
    auto* out = static_cast<char*>(buffer);
    size_t done = 0;
    while (done < count) {
        const size_t left = count - done;
        const DWORD want = left > kChunk ? kChunk : static_cast<DWORD>(left);
        DWORD got = 0;
        if (!ReadFile(AsHandle(m_handle), out + done, want, &got, nullptr) || got == 0) {
            break;
        }
        done += got;
    }
    return done;
}

bool ZFile::Write(const void* buffer, size_t count) {
    if (!m_isOpen || (buffer == nullptr && count > 0)) {
        return false;
    }
    const auto* in = static_cast<const char*>(buffer);
    size_t done = 0;
    while (done < count) {
        const size_t left = count - done;
        const DWORD want = left > kChunk ? kChunk : static_cast<DWORD>(left);
        DWORD put = 0;
        if (!WriteFile(AsHandle(m_handle), in + done, want, &put, nullptr) || put == 0) {
            return false;
        }
        done += put;
    }
    return true;
}

int64_t ZFile::Seek(int64_t offset, Origin origin) {
    if (!m_isOpen) {
        return -1;
    }
    LARGE_INTEGER distance;
    distance.QuadPart = offset;
    LARGE_INTEGER position;
    if (!SetFilePointerEx(AsHandle(m_handle), distance, &position,
                          origin == Origin::Start ? FILE_BEGIN : FILE_CURRENT)) {
        return -1;
    }
    return position.QuadPart;
}

int64_t ZFile::GetSize() const {
    if (!m_isOpen) {
        return -1;
    }
    LARGE_INTEGER size;
    if (!GetFileSizeEx(AsHandle(m_handle), &size)) {
        return -1;
    }
    return size.QuadPart;
}

}  // namespace zentrova
