// The library's windows: texts from its language file, dialogs built from templates in memory.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace zentrova::inet {

// The texts of "Lang\ztv_inet-<lang>.ztvlang" beside the library; English built in.
class InetTexts {
  public:
    // lang: five characters such as "de-de"; anything else gives the built-in texts.
    explicit InetTexts(const std::string& lang);
    // The text of "Section.Name", or fallback.
    std::wstring Get(const wchar_t* key, const wchar_t* fallback) const;

  private:
    std::vector<std::pair<std::wstring, std::wstring>> m_texts;
};

// A dialog template in memory (DLGTEMPLATE with DS_SETFONT), laid out in dialog units.
class DialogTemplate {
  public:
    DialogTemplate(const std::wstring& title, short width, short height);
    // A control of a predefined class: 0x0080 button, 0x0081 edit, 0x0082 static,
    // 0x0083 list box.
    void Add(uint16_t classAtom, uint16_t id, const std::wstring& text, DWORD style, short x,
             short y, short width, short height);
    const DLGTEMPLATE* Get() const;

  private:
    void Align();
    void Text(const std::wstring& text);
    std::vector<WORD> m_words;
};

constexpr uint16_t kButtonClass = 0x0080;
constexpr uint16_t kStaticClass = 0x0082;
constexpr uint16_t kListBoxClass = 0x0083;

// The library's own module (for the language folder and dialogs).
HMODULE InetModule();

// Opens an https link in the user's browser; never anything else.
bool OpenHttpsLink(const std::string& link);

}  // namespace zentrova::inet
