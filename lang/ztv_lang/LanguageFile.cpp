#include "lang/ztv_lang/LanguageFile.h"

#include <string_view>

#include "codecs/ZFile.h"
#include "core/WideText.h"

namespace zentrova::lang {

namespace {

constexpr std::string_view kHeaderSection = "Language";
// Language files are small; anything larger is not one (and is not read into memory whole).
constexpr int64_t kMaxFileBytes = 16 * 1024 * 1024;

std::string_view Trim(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string Unescape(std::string_view text) {
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
        text = text.substr(1, text.size() - 2);
    }
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        switch (text[++i]) {
            case 'n':
                out += '\n';
                break;
            case 't':
                out += '\t';
                break;
            case '\\':
                out += '\\';
                break;
            default:  // not an escape: keep both characters
                out += '\\';
                out += text[i];
                break;
        }
    }
    return out;
}

}  // namespace

bool ParseLanguageFile(const std::string& utf8, LanguageFile& out) {
    out = LanguageFile{};
    std::string_view rest(utf8);
    if (rest.substr(0, 3) == "\xEF\xBB\xBF") {
        rest.remove_prefix(3);
    }
    std::string section;
    while (!rest.empty()) {
        const size_t end = rest.find('\n');
        std::string_view line = Trim(rest.substr(0, end));
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        if (line.empty() || line.front() == '#' || line.front() == ';') {
            continue;
        }
        if (line.front() == '[') {
            const size_t close = line.find(']');
            if (close != std::string_view::npos) {
                section = std::string(Trim(line.substr(1, close - 1)));
            }
            continue;
        }
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos || section.empty()) {
            continue;
        }
        const std::string_view name = Trim(line.substr(0, equals));
        if (name.empty()) {
            continue;
        }
        std::wstring text = FromUtf8(Unescape(Trim(line.substr(equals + 1))));
        if (section == kHeaderSection) {
            if (name == "ID") {
                out.id = std::move(text);
            } else if (name == "NativeName") {
                out.nativeName = std::move(text);
            } else if (name == "EnglishName") {
                out.englishName = std::move(text);
            } else if (name == "Comment") {
                out.comment = std::move(text);
            }
            continue;
        }
        out.texts[FromUtf8(section + "." + std::string(name))] = std::move(text);
    }
    return !out.id.empty();
}

bool LoadLanguageFile(const std::wstring& path, LanguageFile& out) {
    ZFile file;
    if (!file.Open(path.c_str(), ZFile::Mode::Read)) {
        return false;
    }
    const int64_t size = file.GetSize();
    if (size <= 0 || size > kMaxFileBytes) {
        return false;
    }
    std::string bytes(static_cast<size_t>(size), '\0');
    bytes.resize(file.Read(bytes.data(), bytes.size()));
    return ParseLanguageFile(bytes, out);
}

}  // namespace zentrova::lang
