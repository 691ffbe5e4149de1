// EditHistory: the undo history of one capture.
//
// Up to kMaxStates saved states, each a file of the temporary folder ("zedXXXX.tmp" on Windows)
// written and read with ZFile. Layout of a state file (integers little-endian):
//
//   offset 0   4 bytes   width
//   offset 4   4 bytes   height
//   offset 8   4 bytes   bits per pixel (1, 4, 8, 16, 24 or 32)
//   offset 12  4 bytes   dpiX
//   offset 16  4 bytes   dpiY
//   offset 20  3 * 2^bpp bytes, only for 8 bits per pixel or fewer: the colour table, each entry
//              red, green, blue
//   then       height * stride bytes: the pixel memory exactly as ZImage holds it (bottom-up)
//
// Index rules (current = the state the working image shows, next = where the next state goes,
// undone = the last step was an undo):
//   Reset  deletes every state file, current = next = 0, undone = false, enabled = true.
//   Clear  (only when enabled) deletes every state file, current = next = 0, undone = false.
//   Push   refused when not enabled; after an undo next = current + 1 (the redo states are
//          dropped); refused when next would reach kMaxStates; writes the image as state next,
//          then current = next, next = next + 1.
//   Undo   refused when not enabled; current = current - 1 when current > 0; loads state current;
//          undone = true.
//   Redo   refused when not enabled; current = current + 1 when current < next - 1, otherwise
//          undone = false; loads state current.
//
// Push is all-or-nothing: when the state file cannot be created or written, nothing changes and
// Push returns false (the edit stays in the working image but cannot be undone step by step).
// A load validates the file before touching the image: a damaged or truncated state file makes
// Undo/Redo return false (the indices have moved as above; the image is left empty only when the
// file shrank between the check and the read).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "image/ZImage.h"

namespace zentrova {

class EditHistory {
  public:
    static constexpr int kMaxStates = 300;
    static constexpr const wchar_t* kTempFilePrefix = L"zed";
    // Size of the fixed header of a state file.
    static constexpr size_t kHeaderBytes = 20;

    EditHistory() = default;
    ~EditHistory();  // deletes the state files it still holds
    EditHistory(const EditHistory&) = delete;
    EditHistory& operator=(const EditHistory&) = delete;

    void Reset();
    bool Clear();  // false (and nothing done) when not enabled
    bool Push(const ZImage& image);
    bool Undo(ZImage& image);
    bool Redo(ZImage& image);

    bool IsEnabled() const { return m_enabled; }
    int GetCurrent() const { return m_current; }
    int GetNext() const { return m_next; }
    bool IsUndone() const { return m_undone; }
    // Path of the file of state index; empty when the slot is not used or out of range.
    std::wstring GetStatePath(int index) const;

    // The state file format on its own (used by Push/Undo/Redo; public for the tests and tools).
    static bool WriteStateFile(const wchar_t* path, const ZImage& image);
    static bool ReadStateFile(const wchar_t* path, ZImage& image);

  private:
    struct Slot {
        bool used = false;
        std::wstring path;  // at most 259 characters
    };

    void DeleteAll();
    void ReleaseSlot(int index);
    bool LoadCurrent(ZImage& image) const;

    std::vector<Slot> m_slots;  // kMaxStates entries once Reset has run
    int32_t m_current = 0;
    int32_t m_next = 0;
    bool m_enabled = false;
    bool m_undone = false;
};

}  // namespace zentrova
