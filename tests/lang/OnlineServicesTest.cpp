// The program's calls into the online-services library, against a fake that records them.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/WideText.h"
#include "lang/OnlineServices.h"

namespace zentrova {
namespace {

// Records each call as "Name handle text".
// clang-format off
#define RECORD_TEXT(function, name) \
    void function(uint32_t h, const char* t) override { Add(name, h, t); }
#define RECORD_KEY(function, name) \
    void function(uint32_t h, const wchar_t* key) override { Add(name, h, ToUtf8(key)); }
#define RECORD_END(function, name) void function(uint32_t h) override { Add(name, h, ""); }
#define RECORD_WINDOW(function, name) \
    void function(uint32_t h, OnlineWindow w) override { Add(name, h, WindowName(w)); }
// clang-format on

class FakeLibrary final : public InetLibrary, public OnlineHost {
  public:
    std::vector<std::string> calls;
    uint32_t infoHandle = 5, updateHandle = 9;
    int32_t startResult = 0, updateResult = 0;

    void Init() override { calls.push_back("Init"); }
    uint32_t InfoCheckCreate() override { return Answer("InfoCreate", infoHandle); }
    RECORD_KEY(InfoCheckSetRegistryKey, "InfoKey")
    RECORD_TEXT(InfoCheckSetProduct, "InfoProduct")
    RECORD_TEXT(InfoCheckSetProductVersion, "InfoVersion")
    RECORD_TEXT(InfoCheckSetProductEdition, "InfoEdition")
    RECORD_TEXT(InfoCheckSetProductLang, "InfoLang")
    RECORD_WINDOW(InfoCheckSetParentWindow, "InfoParent")
    int32_t InfoCheckStartAllAuto(uint32_t h) override {
        return Answer(Tag("InfoStart", h), startResult);
    }
    RECORD_WINDOW(InfoCheckDoConfig, "InfoConfig")
    RECORD_END(InfoCheckAbort, "InfoAbort")
    RECORD_END(InfoCheckDestroy, "InfoDestroy")
    uint32_t UpdateManagerCreate() override { return Answer("UpdateCreate", updateHandle); }
    RECORD_KEY(UpdateManagerSetRegistryKey, "UpdateKey")
    RECORD_TEXT(UpdateManagerSetProduct, "UpdateProduct")
    RECORD_TEXT(UpdateManagerSetProductVersion, "UpdateVersion")
    RECORD_TEXT(UpdateManagerSetProductEdition, "UpdateEdition")
    RECORD_TEXT(UpdateManagerSetProductLang, "UpdateLang")
    int32_t UpdateManagerDoModalCheck(uint32_t h, OnlineWindow w, uint32_t flags) override {
        return Answer(Tag("UpdateCheck", h) + WindowName(w) + " " + std::to_string(flags),
                      updateResult);
    }
    RECORD_END(UpdateManagerDestroy, "UpdateDestroy")
    void PostClose(OnlineWindow w) override { calls.push_back("PostClose " + WindowName(w)); }
    void Beep() override { calls.push_back("Beep"); }

    static OnlineWindow Desktop() { return reinterpret_cast<OnlineWindow>(0x10); }
    static OnlineWindow Main() { return reinterpret_cast<OnlineWindow>(0x20); }

  private:
    template <typename T>
    T Answer(const std::string& call, T result) {
        return calls.push_back(call), result;
    }
    static std::string Tag(const char* name, uint32_t h) {
        return std::string(name) + " " + std::to_string(h) + " ";
    }
    void Add(const char* name, uint32_t h, const std::string& text) {
        calls.push_back(Tag(name, h) + text);
    }
    static std::string WindowName(OnlineWindow w) {
        return w == Desktop() ? "desktop" : w == Main() ? "main" : "other";
    }
};

OnlineProductInfo Info() {
    return {L"Software\\Z\\ztv_inet", "4711", "2.10", "", "de-de"};
}

// The calls that hand Info() to the library's object of kind ("Info", "Update") and handle.
std::vector<std::string> ProductCalls(const std::string& kind, uint32_t handle) {
    const std::string h = " " + std::to_string(handle) + " ";
    return {kind + "Create",
            kind + "Key" + h + "Software\\Z\\ztv_inet",
            kind + "Product" + h + "4711",
            kind + "Version" + h + "2.10",
            kind + "Edition" + h,
            kind + "Lang" + h + "de-de"};
}

TEST(OnlineServices, StartPassesEverythingInOrderOnce) {
    FakeLibrary fake;
    OnlineServices services(fake, fake, Info());
    EXPECT_FALSE(services.Stop());
    EXPECT_FALSE(services.Configure());
    EXPECT_TRUE(services.Start(FakeLibrary::Desktop(), FakeLibrary::Main()));
    EXPECT_FALSE(services.Start(FakeLibrary::Desktop(), FakeLibrary::Main()));
    EXPECT_TRUE(services.Configure());
    EXPECT_TRUE(services.Stop());
    EXPECT_FALSE(services.Stop());
    std::vector<std::string> expected = ProductCalls("Info", 5);
    expected.insert(expected.begin(), "Init");
    expected.insert(expected.end(), {"InfoParent 5 desktop", "InfoStart 5 ", "InfoConfig 5 main",
                                     "InfoAbort 5 ", "InfoDestroy 5 "});
    EXPECT_EQ(fake.calls, expected);
    EXPECT_FALSE(services.CloseRequested());
}

TEST(OnlineServices, StartResultMinusOneClosesTheProgram) {
    FakeLibrary fake;
    fake.startResult = kInfoCheckCloseProgram;
    OnlineServices services(fake, fake, Info());
    EXPECT_TRUE(services.Start(FakeLibrary::Desktop(), FakeLibrary::Main()));
    EXPECT_TRUE(services.CloseRequested());
    EXPECT_EQ(fake.calls.back(), "PostClose main");
}

TEST(OnlineServices, MissingLibraryStartsNothingAndTriesAgain) {
    FakeLibrary fake;
    fake.infoHandle = 0;
    fake.updateHandle = 0;
    OnlineServices services(fake, fake, Info());
    EXPECT_FALSE(services.Start(FakeLibrary::Desktop(), FakeLibrary::Main()));
    EXPECT_FALSE(services.Started());
    EXPECT_FALSE(services.CheckForUpdate(0, FakeLibrary::Main()));
    EXPECT_FALSE(services.Start(FakeLibrary::Desktop(), FakeLibrary::Main()));
    EXPECT_EQ(fake.calls, (std::vector<std::string>{"Init", "InfoCreate", "Init", "InfoCreate"}));
}

TEST(OnlineServices, UpdateCheckByModeAndCloseResult) {
    const struct {
        int mode;
        int32_t result;
        const char* check;
        bool closes;
    } cases[] = {
        {0, 0, "UpdateCheck 9 main 793", false},
        {1, 2, "UpdateCheck 9 main 2841", false},
        {2, kUpdateCheckCloseProgram, "UpdateCheck 9 main 1817", true},
    };
    for (const auto& c : cases) {
        FakeLibrary fake;
        fake.updateResult = c.result;
        OnlineServices services(fake, fake, Info());
        ASSERT_TRUE(services.Start(FakeLibrary::Desktop(), FakeLibrary::Main()));
        fake.calls.clear();
        EXPECT_TRUE(services.CheckForUpdate(c.mode, FakeLibrary::Main()));
        std::vector<std::string> expected = ProductCalls("Update", 9);
        expected.push_back(c.check);
        if (c.closes) {
            expected.push_back("PostClose main");
        }
        expected.push_back("UpdateDestroy 9 ");
        EXPECT_EQ(fake.calls, expected) << c.mode;
        EXPECT_EQ(services.CloseRequested(), c.closes);
    }
}

TEST(OnlineServices, LanguageFromTheLibraryFileName) {
    EXPECT_EQ(OnlineLanguageFromPath(L"C:\\P\\Lang\\ztv_inet-de-de.ztvlang"), "de-de");
    EXPECT_EQ(OnlineLanguageFromPath(L"C:\\ztv_inet-de\\CVX-de-de.ztvlang"), "");
    EXPECT_EQ(OnlineLanguageFromPath(nullptr), "");
}

}  // namespace
}  // namespace zentrova
