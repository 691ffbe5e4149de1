// POSIX file access for ZFile (native build).
#include "codecs/ZFile.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/WideText.h"

namespace zentrova {

bool ZFile::OpenHandle(const std::wstring& fullPath, Mode mode) {
    const std::string name = ToUtf8(fullPath);
    const int flags = mode == Mode::Read ? O_RDONLY : (O_WRONLY | O_CREAT | O_TRUNC);
    int fd;
    do {
        fd = ::open(name.c_str(), flags | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        ::close(fd);
        return false;
    }
    m_handle = fd;
    return true;
}

bool ZFile::CloseHandle() {
    // The descriptor is released even when close reports an error (also EINTR on Linux), so it
    // is never closed twice; the error means that written data may be lost.
    return ::close(static_cast<int>(m_handle)) == 0;
}

size_t ZFile::Read(void* buffer, size_t count) {
    if (!m_isOpen || buffer == nullptr) {
        return 0;
    }
    auto* out = static_cast<char*>(buffer);
    size_t done = 0;
    while (done < count) {
        const ssize_t n = ::read(static_cast<int>(m_handle), out + done, count - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        done += static_cast<size_t>(n);
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
        const ssize_t n = ::write(static_cast<int>(m_handle), in + done, count - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

int64_t ZFile::Seek(int64_t offset, Origin origin) {
    if (!m_isOpen) {
        return -1;
    }
    const off_t result = ::lseek(static_cast<int>(m_handle), static_cast<off_t>(offset),
                                 origin == Origin::Start ? SEEK_SET : SEEK_CUR);
    return result < 0 ? -1 : static_cast<int64_t>(result);
}

int64_t ZFile::GetSize() const {
    if (!m_isOpen) {
        return -1;
    }
    struct stat st {};
    if (::fstat(static_cast<int>(m_handle), &st) != 0) {
        return -1;
    }
    return static_cast<int64_t>(st.st_size);
}

}  // namespace zentrova
