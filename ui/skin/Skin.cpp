// The skin object: paths, INI values and the images every skinned window shares.
#include "ui/skin/Skin.h"

#include "codecs/ZImageCodecJpg.h"
#include "codecs/ZImageCodecPng.h"
#include "config/JoinPath.h"
#include "core/FileSystem.h"
#include "core/WideText.h"
#include "image/ZCompositing.h"
#include "ui/skin/Profile.h"
#include "ui/skin/SkinBrush.h"
#include "ui/skin/SkinColor.h"

namespace zentrova {

namespace {

constexpr size_t kMaxPathLength = kMaxPathChars - 1;

// "<folder><separator><name><suffix>"
std::wstring SkinFilePath(const std::wstring& folder, const std::wstring& name,
                          const wchar_t* suffix) {
    return folder + kNativeSeparator + name + suffix;
}

bool ReadImage(ZImage& image, const std::wstring& path,
               bool (*reader)(ZImage&, const wchar_t*, uint32_t*)) {
    if (path.size() > kMaxPathLength || !PathExists(path.c_str())) {
        image.Destroy();
        return false;  // a skin without this image: silent
    }
    return reader(image, path.c_str(), nullptr);
}

}  // namespace

Skin::Skin() : m_system(m_host) {}

Skin::Skin(const SystemInfo& system) : m_system(system) {}

Skin::~Skin() {
    Release();
}

std::wstring Skin::ProgramSkinFolder() const {
    std::wstring programFolder;
    if (!m_system.GetProgramFolder(programFolder)) {
        programFolder.clear();  // then the folder is relative: "Skins"
    }
    return JoinPath(programFolder, kSkinsFolderName);
}

std::wstring Skin::GetFolder() const {
    return m_loaded ? m_folder : ProgramSkinFolder();
}

std::wstring Skin::GetIniPath() const {
    return m_loaded ? m_iniPath : SkinFilePath(ProgramSkinFolder(), m_name, L".ini");
}

std::wstring Skin::GetImagePath(const wchar_t* imageName, const wchar_t* extension) const {
    std::wstring fileName = m_name + (imageName != nullptr ? imageName : L"");
    return SkinFilePath(GetFolder(), fileName, extension != nullptr ? extension : L"");
}

bool Skin::Load(const wchar_t* name) {
    if (name == nullptr || *name == L'\0') {
        return false;
    }
    const std::wstring newName = name;
    const std::wstring folder = ProgramSkinFolder();
    const std::wstring iniPath = SkinFilePath(folder, newName, L".ini");
    if (newName.size() > kMaxPathLength || iniPath.size() > kMaxPathLength) {
        return false;
    }
    if (m_loaded) {
        Release();
    }
    m_name = newName;
    m_folder = folder;
    m_iniPath = iniPath;
    m_loaded = true;  // from here on the paths come from the object

    m_cxPlayerButton = static_cast<uint16_t>(GetNumber(L"cxPlayerButton"));
    m_cyPlayerButton = static_cast<uint16_t>(GetNumber(L"cyPlayerButton"));
    m_cxPlayerImage = static_cast<uint16_t>(GetNumber(L"cxPlayerImage"));
    m_cyPlayerImage = static_cast<uint16_t>(GetNumber(L"cyPlayerImage"));

    m_backgroundColor = GetColor(L"WindowBackColor");
    m_backgroundBrush = CreateSkinBrush(m_backgroundColor);

    LoadPng(m_button, L"Button");
    if (LoadPng(m_buttonIcons, L"ButtonIcons")) {
        if (m_buttonIcons.GetBitsPerPixel() == 32) {
            Premultiply(m_buttonIcons);
        }
        // Both fit: an image is at most 2^28 pixels wide or high, and the width is divided.
        const uint32_t iconWidth = m_buttonIcons.GetWidth() / kButtonIconCount;
        const uint32_t iconHeight = m_buttonIcons.GetHeight();
        m_iconWidth = static_cast<uint16_t>(iconWidth > 0xFFFF ? 0xFFFF : iconWidth);
        m_iconHeight = static_cast<uint16_t>(iconHeight > 0xFFFF ? 0xFFFF : iconHeight);
    }
    return true;
}

void Skin::Release() {
    m_button.Destroy();
    m_buttonIcons.Destroy();
    m_iconWidth = 0;
    m_iconHeight = 0;
    DeleteSkinBrush(m_backgroundBrush);
    m_backgroundBrush = nullptr;
    m_backgroundColor = 0;
    m_cxPlayerButton = 0;
    m_cyPlayerButton = 0;
    m_cxPlayerImage = 0;
    m_cyPlayerImage = 0;
    m_name.clear();
    m_folder.clear();
    m_iniPath.clear();
    m_loaded = false;
}

ZColor Skin::GetColor(const wchar_t* key) const {
    return SkinColorFromText(GetText(key, kSkinTextChars));
}

int32_t Skin::GetNumber(const wchar_t* key) const {
    return static_cast<int32_t>(
        ReadProfileInt(GetIniPath().c_str(), kSkinSection, key, kSkinDefaultNumber));
}

std::wstring Skin::GetText(const wchar_t* key, size_t capacity) const {
    return ReadProfileString(GetIniPath().c_str(), kSkinSection, key, L"", capacity);
}

bool Skin::LoadPng(ZImage& image, const wchar_t* imageName) const {
    return ReadImage(image, GetImagePath(imageName, L".png"), ReadPng);
}

bool Skin::LoadJpg(ZImage& image, const wchar_t* imageName) const {
    return ReadImage(image, GetImagePath(imageName, L".jpg"), ReadJpg);
}

}  // namespace zentrova
