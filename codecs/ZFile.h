// ZFile: the small binary file class of the codecs and the undo history.
//
// Unbuffered: every call goes to the operating system, so callers read and write large blocks.
// Integers are little-endian. Operations on a closed file do nothing and give 0 or false.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace zentrova {

class ZFile {
  public:
    enum class Mode {
        Read,            // existing file, no sharing
        CreateForWrite,  // created or truncated, no sharing
    };
    enum class Origin { Start, Current };

    ZFile() = default;
    ~ZFile() { Close(); }
    ZFile(const ZFile&) = delete;
    ZFile& operator=(const ZFile&) = delete;

    // Opens path (resolved to its full path); closes a file that was open before.
    bool Open(const wchar_t* path, Mode mode);
    // Closes the file. False when the system reports a failure on closing (data written before
    // may not have reached the file: a writer treats the file as incomplete); true when it closed
    // cleanly or was not open.
    bool Close();
    bool IsOpen() const { return m_isOpen; }
    // Full path of the open file; empty when closed.
    const std::wstring& GetPath() const { return m_path; }

    // Reads up to count bytes; returns the number read (short at the end of the file).
    size_t Read(void* buffer, size_t count);
    // Single values; false (and out = 0) when the file ends first.
    bool ReadByte(uint8_t& out);
    bool ReadU16(uint16_t& out);
    bool ReadU32(uint32_t& out);

    // True when all count bytes were written.
    bool Write(const void* buffer, size_t count);
    bool WriteByte(uint8_t value);
    bool WriteU16(uint16_t value);
    bool WriteU32(uint32_t value);

    // Moves the position; returns the new position from the start, or -1 on failure.
    int64_t Seek(int64_t offset, Origin origin);
    // Size of the open file in bytes, or -1.
    int64_t GetSize() const;

  private:
    // Platform seam (ZFile_win.cpp / ZFile_posix.cpp).
    bool OpenHandle(const std::wstring& fullPath, Mode mode);
    bool CloseHandle();

    intptr_t m_handle = -1;  // HANDLE or file descriptor; -1 when closed
    bool m_ownsHandle = false;
    bool m_isOpen = false;
    std::wstring m_path;
};

}  // namespace zentrova
