#include "capture/CaptureList.h"

#include "core/WideText.h"

namespace zentrova {

void CaptureList::Clear() {
    for (Slot& slot : m_slots) {
        slot.history.Clear();
        slot.valid = false;
        slot.path.clear();
    }
    m_count = 0;
    m_current = 0;
}

bool CaptureList::Add(const wchar_t* path, const ZImage& capture) {
    if (IsFull() || path == nullptr || *path == L'\0') {
        return false;
    }
    std::wstring text(path);
    if (text.size() >= kMaxPathChars) {
        return false;
    }
    Slot& slot = m_slots[m_count];
    slot.path = std::move(text);
    slot.valid = true;
    slot.history.Reset();
    slot.history.Push(capture);  // a failed push leaves the history empty; the slot stays
    ++m_count;
    return true;
}

bool CaptureList::SetCurrent(int index) {
    if (!InRange(index)) {
        return false;
    }
    m_current = index;
    return true;
}

bool CaptureList::IsValid(int index) const {
    return InRange(index) && m_slots[index].valid;
}

bool CaptureList::GetPath(int index, std::wstring& out) const {
    if (!IsValid(index)) {
        return false;
    }
    out = m_slots[index].path;
    return true;
}

bool CaptureList::SetPath(int index, const wchar_t* path) {
    if (!IsValid(index) || path == nullptr || path[0] == L'\0' ||
        std::wstring(path).size() >= kMaxPathChars) {
        return false;
    }
    m_slots[index].path = path;
    return true;
}

EditHistory* CaptureList::GetHistory(int index) {
    if (index < 0 || index >= m_count || !m_slots[index].valid) {
        return nullptr;
    }
    return &m_slots[index].history;
}

bool CaptureList::Remove(int index) {
    if (!IsValid(index)) {
        return false;
    }
    m_slots[index].valid = false;
    m_slots[index].history.Clear();
    return true;
}

bool CaptureList::StepPrevious() {
    return Step(-1);
}

bool CaptureList::StepNext() {
    return Step(+1);
}

bool CaptureList::Step(int direction) {
    int index = m_current;
    for (int step = 0; step < kMaxCaptures; ++step) {
        index = (index + direction + kMaxCaptures) % kMaxCaptures;
        if (m_slots[index].valid) {
            m_current = index;
            return true;
        }
    }
    return false;
}

}  // namespace zentrova
