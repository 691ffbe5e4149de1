// The help sources against the program's topic table: every topic has a page in every language,
// the context ids of the header match the table and are aliased to those pages, every link,
// picture, contents and index entry resolves, and every page is well formed.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/HelpTopics.h"
#include "core/WideText.h"

namespace zentrova {
namespace {

namespace fs = std::filesystem;

const fs::path kHelp = CLARIVUE_HELP_DIR;
const char* const kLanguages[] = {"en-us", "de-de"};

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> Matches(const std::string& text, const std::string& pattern) {
    std::vector<std::string> found;
    const std::regex re(pattern, std::regex::icase);
    for (std::sregex_iterator it(text.begin(), text.end(), re), end; it != end; ++it) {
        found.push_back((*it)[1].str());
    }
    return found;
}

// "IDH_" and the topic name in capitals: the context's name in the header and the projects.
std::string ContextKey(const HelpTopicEntry& entry) {
    std::string key = "IDH_" + ToUtf8(entry.name);
    for (char& c : key) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return key;
}

std::set<std::string> Pages(const char* language) {
    std::set<std::string> pages;
    for (const fs::directory_entry& e : fs::directory_iterator(kHelp / language)) {
        if (e.path().extension() == ".htm") {
            pages.insert(e.path().filename().string());
        }
    }
    return pages;
}

// A file a page or project names: beside the pages, or shared by the languages (style sheet,
// pictures, context ids).
bool Resolves(const char* language, const std::string& name) {
    return !name.empty() && name.find("..") == std::string::npos &&
           (fs::is_regular_file(kHelp / language / name) || fs::is_regular_file(kHelp / name));
}

// The lines of one [SECTION] of a project file.
std::vector<std::string> Section(const std::string& project, const std::string& name) {
    std::vector<std::string> lines;
    for (const std::string& body : Matches(project, "\\[" + name + "\\]([^\\[]*)")) {
        for (const std::string& line : Matches(body, "([^\r\n]+)")) {
            lines.push_back(line);
        }
    }
    return lines;
}

// Empty when every tag is closed in order; else the first tag out of place.
std::string UnbalancedTag(const std::string& page) {
    static const std::set<std::string> kVoid = {"meta", "link",  "img",     "br",
                                                "hr",   "param", "!doctype"};
    std::vector<std::string> open;
    for (const std::string& tag : Matches(page, "<(/?[!a-z0-9]+)[^>]*>")) {
        std::string name = tag;
        for (char& c : name)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        // A list item ends at the next item or at the end of its list (contents and index
        // files leave it open).
        if ((name == "li" || name == "/ul" || name == "/ol") && !open.empty() &&
            open.back() == "li") {
            open.pop_back();
        }
        if (name[0] != '/') {
            if (kVoid.count(name) == 0)
                open.push_back(name);
        } else if (open.empty() || open.back() != name.substr(1)) {
            return name;
        } else {
            open.pop_back();
        }
    }
    return open.empty() ? std::string() : open.back();
}

TEST(HelpSources, ContextIdsOfTheHeaderAreTheTable) {
    std::map<std::string, uint32_t> header;
    const std::regex define("#define (IDH_[A-Z0-9_]+) ([0-9]+)");
    const std::string text = ReadAll(kHelp / "HelpContexts.h");
    for (std::sregex_iterator it(text.begin(), text.end(), define), end; it != end; ++it) {
        header[(*it)[1]] = static_cast<uint32_t>(std::stoul((*it)[2]));
    }
    std::set<uint32_t> ids;
    std::set<std::string> names;
    for (size_t i = 0; i < kHelpTopicCount; ++i) {
        const HelpTopicEntry& entry = HelpTopicTable()[i];
        EXPECT_EQ(static_cast<size_t>(entry.topic), i);
        EXPECT_STREQ(HelpTopicName(entry.topic), entry.name);
        EXPECT_EQ(header[ContextKey(entry)], entry.context) << ContextKey(entry);
        ids.insert(entry.context);
        names.insert(ToUtf8(entry.name));
    }
    EXPECT_EQ(header.size(), kHelpTopicCount);
    EXPECT_EQ(ids.size(), kHelpTopicCount);
    EXPECT_EQ(names.size(), kHelpTopicCount);
    EXPECT_STREQ(HelpTopicName(HelpTopic::Count), L"welcome");
}

TEST(HelpSources, EveryTopicHasAPageTheProjectListsAndAliases) {
    EXPECT_EQ(Pages("en-us"), Pages("de-de"));
    for (const char* language : kLanguages) {
        const std::string base = std::string("CVX-") + language;
        const std::string project = ReadAll(kHelp / language / (base + ".hhp"));
        // (The compiled file's name, title and window are checked where the help opens under Wine.)
        const std::vector<std::string> files = Section(project, "FILES");
        for (const std::string& file : files) {
            EXPECT_TRUE(Resolves(language, file)) << language << " " << file;
        }
        // Every page and picture of the language folder goes into the compiled file.
        for (const fs::directory_entry& e : fs::directory_iterator(kHelp / language)) {
            const std::string name = e.path().filename().string();
            if (e.path().extension() == ".htm" || e.path().extension() == ".png") {
                EXPECT_EQ(std::count(files.begin(), files.end(), name), 1)
                    << language << " " << name;
            }
        }
        std::vector<std::string> aliases = Section(project, "ALIAS");
        std::vector<std::string> expected;
        for (size_t i = 0; i < kHelpTopicCount; ++i) {
            const HelpTopicEntry& entry = HelpTopicTable()[i];
            expected.push_back(ContextKey(entry) + "=" + ToUtf8(entry.name) + ".htm");
            EXPECT_TRUE(Resolves(language, ToUtf8(entry.name) + ".htm")) << language << " " << i;
        }
        std::sort(aliases.begin(), aliases.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(aliases, expected) << language;
        EXPECT_EQ(Section(project, "MAP"), std::vector<std::string>{"#include HelpContexts.h"});
    }
}

TEST(HelpSources, ContentsAndIndexEntriesResolveAndTheContentsReachEveryPage) {
    for (const char* language : kLanguages) {
        for (const char* extension : {".hhc", ".hhk"}) {
            const fs::path file = kHelp / language / (std::string("CVX-") + language + extension);
            const std::string text = ReadAll(file);
            EXPECT_TRUE(UnbalancedTag(text).empty()) << file << ": " << UnbalancedTag(text);
            const std::vector<std::string> locals =
                Matches(text, "<param name=\"Local\" value=\"([^\"]*)\">");
            EXPECT_FALSE(locals.empty()) << file;
            for (const std::string& local : locals) {
                EXPECT_TRUE(Resolves(language, local)) << file << ": " << local;
            }
            if (std::string(extension) == ".hhc") {
                EXPECT_EQ(std::set<std::string>(locals.begin(), locals.end()), Pages(language));
            }
        }
    }
}

TEST(HelpSources, PagesAreWellFormedAndEveryLinkAndPictureResolves) {
    for (const char* language : kLanguages) {
        for (const std::string& page : Pages(language)) {
            const std::string text = ReadAll(kHelp / language / page);
            EXPECT_EQ(UnbalancedTag(text), "") << language << "/" << page;
            EXPECT_EQ(Matches(text, "<title>([^<]+)</title>").size(), 1u)
                << language << "/" << page;
            for (const std::string& target : Matches(text, "(?:href|src)=\"([^\"#]*)")) {
                EXPECT_TRUE(Resolves(language, target))
                    << language << "/" << page << ": " << target;
            }
        }
    }
}

}  // namespace
}  // namespace zentrova
