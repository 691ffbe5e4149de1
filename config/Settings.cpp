// Loading, saving and resetting the settings record, driven by the settings table.
#include "config/Settings.h"

#include <algorithm>

#include "config/JoinPath.h"
#include "core/WideText.h"
#include "image/ZImage.h"

namespace zentrova {

static_assert(kMaxFixedRegionSide == ZImage::kMaxPixels,
              "the fixed region may be as long as the longest picture, no longer");

namespace {

// The defaults that depend on the system, computed once per load.
struct ComputedDefaults {
    std::wstring printer;
    std::wstring captureFolder;
    const wchar_t* skin = kDefaultSkinName;
};

ComputedDefaults ComputeDefaults(const SystemInfo& system) {
    ComputedDefaults defaults;
    // Without a default printer the text stays empty.
    if (!system.GetDefaultPrinterName(defaults.printer)) {
        defaults.printer.clear();
    }
    std::wstring pictures;
    if (system.GetPictureFolder(pictures)) {
        defaults.captureFolder = JoinPath(pictures, kDefaultCaptureFolderName);
    }
    // A joined folder that does not fit its field would be cut into another folder's name:
    // then there is no default folder (empty) rather than a wrong one.
    if (defaults.captureFolder.size() >= TextCapacity(SettingKind::Text260)) {
        defaults.captureFolder.clear();
    }
    if (system.GetPrimaryScreenWidth() == kSmallSkinScreenWidth) {
        defaults.skin = kSmallSkinName;
    }
    return defaults;
}

uint32_t NumberDefault(const SettingDef& def, const SettingsRecord& record) {
    if (def.fallback.computed == ComputedDefault::CaptureBackground) {
        return record.CaptureBackgroundColor;
    }
    return def.fallback.number;
}

const wchar_t* TextDefault(const SettingDef& def, const ComputedDefaults& defaults) {
    switch (def.fallback.computed) {
        case ComputedDefault::SkinForScreen:
            return defaults.skin;
        case ComputedDefault::DefaultPrinter:
            return defaults.printer.c_str();
        case ComputedDefault::PictureFolder:
            return defaults.captureFolder.c_str();
        default:
            return def.fallback.text;
    }
}

}  // namespace

SettingsStore::SettingsStore(RegistryKey registry, const SystemInfo& system, const wchar_t* keyPath)
    : m_registry(registry), m_system(system), m_keyPath(keyPath != nullptr ? keyPath : L"") {}

bool SettingsStore::LoadSettings(SettingsRecord& record) const {
    const ComputedDefaults defaults = ComputeDefaults(m_system);
    // Table order matters: MToolsErasorColor and ResizeCanvasColor default to the
    // CaptureBackgroundColor read before them.
    for (const SettingDef& def : GetSettingsTable()) {
        if (IsTextKind(def.kind)) {
            m_registry.ReadString(m_keyPath.c_str(), def.name, TextDefault(def, defaults),
                                  GetSettingTextBuffer(record, def), TextCapacity(def.kind));
        } else {
            SetSettingNumber(
                record, def,
                m_registry.ReadDword(m_keyPath.c_str(), def.name, NumberDefault(def, record)));
        }
    }
    record.CaptureFixedWidth = std::min(record.CaptureFixedWidth, kMaxFixedRegionSide);
    record.CaptureFixedHeight = std::min(record.CaptureFixedHeight, kMaxFixedRegionSide);
    return true;
}

bool SettingsStore::SaveSettings(const SettingsRecord& record) const {
    bool allWritten = true;
    for (const SettingDef& def : GetSettingsTable()) {
        bool written = false;
        if (IsTextKind(def.kind)) {
            // The field may be full without a terminator: never read past its capacity.
            const size_t capacity = TextCapacity(def.kind);
            const wchar_t* field = GetSettingText(record, def);
            size_t length = 0;
            while (length < capacity && field[length] != L'\0') {
                ++length;
            }
            const std::wstring text(field, length < capacity ? length : capacity - 1);
            written = m_registry.WriteString(m_keyPath.c_str(), def.name, text.c_str());
        } else {
            written =
                m_registry.WriteDword(m_keyPath.c_str(), def.name, GetSettingNumber(record, def));
        }
        allWritten = allWritten && written;
    }
    return allWritten;
}

bool SettingsStore::ResetSettingsToDefaults(SettingsRecord& record) const {
    // A value that is not stored has nothing to delete: failures are of no consequence.
    for (const SettingDef& def : GetSettingsTable()) {
        if (def.reset == ResetRule::Reset) {
            m_registry.Delete(m_keyPath.c_str(), def.name);
        }
    }
    for (const wchar_t* name : GetLegacySettingNames()) {
        m_registry.Delete(m_keyPath.c_str(), name);
    }
    return LoadSettings(record);
}

}  // namespace zentrova
