// CaptureList: the captures of the current session, from which the Edit Mode works.
//
// kMaxCaptures slots, used in order and never reused while the list lives; each holds the full
// path of the capture file (at most 259 characters), a valid flag (cleared when the Edit Mode
// takes the capture out of the list) and the capture's undo history. count is the number of
// slots used since the last Clear, current the slot the Edit Mode shows.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "editmode/EditHistory.h"
#include "image/ZImage.h"

namespace zentrova {

class CaptureList {
  public:
    static constexpr int kMaxCaptures = 100;

    CaptureList() = default;
    CaptureList(const CaptureList&) = delete;
    CaptureList& operator=(const CaptureList&) = delete;

    // Empties every slot's history (its state files are deleted), clears every valid flag and
    // every path, count = current = 0.
    void Clear();

    // Enters a stored capture into slot count: path, valid flag, a reset history with the
    // capture pushed as state 0; then count + 1. False (nothing changed) when the list is full,
    // path is null, empty or longer than 259 characters. A history push that fails (no
    // temporary file) leaves the history empty but still enters the slot.
    bool Add(const wchar_t* path, const ZImage& capture);

    int GetCount() const { return m_count; }
    bool IsFull() const { return m_count >= kMaxCaptures; }
    int GetCurrent() const { return m_current; }
    // Selects slot index (0 .. kMaxCaptures - 1); false and unchanged outside that range.
    bool SetCurrent(int index);

    // True when index is a slot that holds a capture of the session.
    bool IsValid(int index) const;
    // Copies the path of slot index into out; false (out untouched) unless the slot is valid.
    bool GetPath(int index, std::wstring& out) const;
    // The capture file of slot index was renamed to path: false (unchanged) unless the slot is
    // valid and path is not empty and at most 259 characters long.
    bool SetPath(int index, const wchar_t* path);
    // The history of slot index; null unless 0 <= index < count and the slot is valid.
    EditHistory* GetHistory(int index);

    // Takes slot index out of the list: valid flag cleared, its history cleared
    // (EditHistory::Clear). The path stays; count and current do not change. False when the
    // slot was not valid.
    bool Remove(int index);

    // Moves current to the previous (next) valid slot, wrapping round the kMaxCaptures slots
    // (previous from 0 continues at kMaxCaptures - 1, next from kMaxCaptures - 1 at 0) and giving
    // up after kMaxCaptures steps; the last step comes back to current itself, so a still valid
    // current slot is found when it is the only one. False (current unchanged) when no valid
    // slot was found.
    bool StepPrevious();
    bool StepNext();

  private:
    struct Slot {
        std::wstring path;
        bool valid = false;
        EditHistory history;
    };

    bool Step(int direction);
    static bool InRange(int index) { return index >= 0 && index < kMaxCaptures; }

    std::array<Slot, kMaxCaptures> m_slots;
    int32_t m_count = 0;
    int32_t m_current = 0;
};

}  // namespace zentrova
