#include "editmode/EditHistory.h"

#include <cstring>

#include "codecs/ZFile.h"
#include "core/FileSystem.h"
#include "core/WideText.h"

namespace zentrova {

namespace {

void PutU32(uint8_t* out, uint32_t value) {
    out[0] = static_cast<uint8_t>(value);
    out[1] = static_cast<uint8_t>(value >> 8);
    out[2] = static_cast<uint8_t>(value >> 16);
    out[3] = static_cast<uint8_t>(value >> 24);
}

uint32_t GetU32(const uint8_t* in) {
    return uint32_t{in[0]} | (uint32_t{in[1]} << 8) | (uint32_t{in[2]} << 16) |
           (uint32_t{in[3]} << 24);
}

bool IsSupportedDepth(uint32_t bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

// Bytes of the colour table in a state file: 3 * 2^bpp for palette depths, else 0.
size_t ColorTableBytes(uint32_t bits) {
    return bits <= 8 ? size_t{3} << bits : 0;
}

}  // namespace

EditHistory::~EditHistory() {
    DeleteAll();
}

void EditHistory::Reset() {
    DeleteAll();
    m_slots.assign(kMaxStates, Slot{});
    m_current = 0;
    m_next = 0;
    m_undone = false;
    m_enabled = true;
}

bool EditHistory::Clear() {
    if (!m_enabled) {
        return false;
    }
    DeleteAll();
    m_current = 0;
    m_next = 0;
    m_undone = false;
    return true;
}

bool EditHistory::Push(const ZImage& image) {
    if (!m_enabled || !image.IsValid()) {
        return false;
    }
    const int32_t target = m_undone ? m_current + 1 : m_next;
    if (target >= kMaxStates) {
        return false;
    }
    // The new state goes into a fresh file first, so that a failed write changes nothing.
    std::wstring path;
    if (!CreateTempFile(kTempFilePrefix, path)) {
        return false;
    }
    if (path.size() >= kMaxPathChars || !WriteStateFile(path.c_str(), image)) {
        DeleteFileAt(path.c_str());
        return false;
    }
    ReleaseSlot(target);
    m_slots[target].used = true;
    m_slots[target].path = std::move(path);
    m_undone = false;
    m_current = target;
    m_next = target + 1;
    // States beyond the new end can never be reached again (redo stops at next - 1), so their
    // files go now rather than when their slots are reused.
    for (int i = m_next; i < kMaxStates; ++i) {
        ReleaseSlot(i);
    }
    return true;
}

bool EditHistory::Undo(ZImage& image) {
    // Nothing saved yet: there is no state to step to (and no index may move, or a later push
    // would leave a hole at state 0).
    if (!m_enabled || m_next == 0) {
        return false;
    }
    if (m_current > 0) {
        --m_current;
    }
    const bool loaded = LoadCurrent(image);
    m_undone = true;
    return loaded;
}

bool EditHistory::Redo(ZImage& image) {
    if (!m_enabled || m_next == 0) {
        return false;
    }
    if (m_current < m_next - 1) {
        ++m_current;
    } else {
        m_undone = false;
    }
    return LoadCurrent(image);
}

std::wstring EditHistory::GetStatePath(int index) const {
    if (index < 0 || static_cast<size_t>(index) >= m_slots.size() || !m_slots[index].used) {
        return std::wstring();
    }
    return m_slots[index].path;
}

void EditHistory::DeleteAll() {
    for (size_t i = 0; i < m_slots.size(); ++i) {
        ReleaseSlot(static_cast<int>(i));
    }
}

void EditHistory::ReleaseSlot(int index) {
    Slot& slot = m_slots[index];
    if (slot.used) {
        DeleteFileAt(slot.path.c_str());
    }
    slot.used = false;
    slot.path.clear();
}

bool EditHistory::LoadCurrent(ZImage& image) const {
    const Slot& slot = m_slots[m_current];
    return slot.used && ReadStateFile(slot.path.c_str(), image);
}

bool EditHistory::WriteStateFile(const wchar_t* path, const ZImage& image) {
    if (!image.IsValid() || image.GetBits() == nullptr) {
        return false;
    }
    const uint32_t bits = image.GetBitsPerPixel();
    const size_t tableBytes = ColorTableBytes(bits);

    // Header and colour table go out in one write, the pixel memory in a second one.
    uint8_t head[kHeaderBytes + ZImage::kPaletteBytes] = {};
    PutU32(head + 0, image.GetWidth());
    PutU32(head + 4, image.GetHeight());
    PutU32(head + 8, bits);
    PutU32(head + 12, static_cast<uint32_t>(image.dpiX));
    PutU32(head + 16, static_cast<uint32_t>(image.dpiY));
    if (tableBytes > 0) {
        uint8_t palette[ZImage::kPaletteBytes];
        if (!image.GetPalette(palette)) {
            return false;
        }
        std::memcpy(head + kHeaderBytes, palette, tableBytes);
    }

    image.FlushDrawing();
    ZFile file;
    if (!file.Open(path, ZFile::Mode::CreateForWrite)) {
        return false;
    }
    const std::wstring fullPath = file.GetPath();  // closing forgets it
    const bool written = file.Write(head, kHeaderBytes + tableBytes) &&
                         file.Write(image.GetBits(), image.GetPixelMemorySize());
    // Closing is checked as well: an error there can mean that written data never arrived.
    const bool closed = file.Close();
    if (written && closed) {
        return true;
    }
    DeleteFileAt(fullPath.c_str());  // no partial state file is left behind
    return false;
}

bool EditHistory::ReadStateFile(const wchar_t* path, ZImage& image) {
    ZFile file;
    if (!file.Open(path, ZFile::Mode::Read)) {
        return false;
    }
    uint8_t head[kHeaderBytes];
    if (file.Read(head, kHeaderBytes) != kHeaderBytes) {
        return false;
    }
    const uint32_t width = GetU32(head + 0);
    const uint32_t height = GetU32(head + 4);
    const uint32_t bits = GetU32(head + 8);
    // Nothing in the file is trusted: the depth must be one the image keeps as it is, the size
    // within the image limits, and the file exactly as long as header, table and pixels.
    if (!IsSupportedDepth(bits) || !ZImage::IsSizeAcceptable(width, height, bits)) {
        return false;
    }
    const uint32_t stride = ZImage::StrideFor(width, bits);
    const uint64_t pixelBytes = uint64_t{stride} * height;
    const size_t tableBytes = ColorTableBytes(bits);
    const uint64_t expected = kHeaderBytes + tableBytes + pixelBytes;
    const int64_t actual = file.GetSize();
    if (stride == 0 || actual < 0 || static_cast<uint64_t>(actual) != expected) {
        return false;
    }
    uint8_t palette[ZImage::kPaletteBytes] = {};
    if (tableBytes > 0 && file.Read(palette, tableBytes) != tableBytes) {
        return false;
    }

    // Every pixel byte is read from the file, so the image is created without a fill.
    if (!image.CreateForOverwrite(width, height, bits, palette)) {
        return false;
    }
    if (image.GetPixelMemorySize() != pixelBytes ||
        file.Read(image.GetBits(), image.GetPixelMemorySize()) != pixelBytes) {
        image.Destroy();
        return false;
    }
    image.dpiX = static_cast<int32_t>(GetU32(head + 12));
    image.dpiY = static_cast<int32_t>(GetU32(head + 16));
    return true;
}

}  // namespace zentrova
