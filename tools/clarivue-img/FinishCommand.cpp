// clarivue-img finish IN OUT [--mode N] [--cursor X,Y] [--program-folder DIR] [NAME=VALUE ...]:
// the capture finishing pipeline on a picture, with the capture settings given by their
// registry names on top of the settings' defaults.
//
// Steps that need the system's drawing (the sound, the arrow cursor and its shadow, shapes 1
// and 2) are reported on stderr when this build cannot do them; the exit status is 1 for that
// only when the user switched such a step on by name. A sparkle or mask file that cannot be
// loaded is reported too; the picture is then finished without it (status 0), as the program
// would store it.
#include <cstdio>
#include <set>
#include <string>

#include "capture/finish/FinishPipeline.h"
#include "config/SettingsRecord.h"
#include "config/SystemInfo.h"
#include "core/WideText.h"
#include "tools/clarivue-img/ImageCommands.h"

namespace zentrova::img {

namespace {

constexpr const char* kFinishUsage =
    "finish takes IN OUT [--mode 0-7] [--cursor X,Y] [--program-folder DIR] [NAME=VALUE ...]";

// A 32-bit setting value: decimal, or hexadecimal after "0x".
bool ParseSettingValue(const std::wstring& text, uint32_t& value) {
    const bool hex = text.size() > 2 && text[0] == L'0' && (text[1] == L'x' || text[1] == L'X');
    const size_t start = hex ? 2 : 0;
    if (text.size() <= start || text.size() - start > (hex ? 8u : 10u)) {
        return false;
    }
    uint64_t v = 0;
    for (size_t i = start; i < text.size(); ++i) {
        const wchar_t c = text[i];
        uint32_t digit = 0;
        if (c >= L'0' && c <= L'9') {
            digit = static_cast<uint32_t>(c - L'0');
        } else if (hex && c >= L'a' && c <= L'f') {
            digit = static_cast<uint32_t>(c - L'a' + 10);
        } else if (hex && c >= L'A' && c <= L'F') {
            digit = static_cast<uint32_t>(c - L'A' + 10);
        } else {
            return false;
        }
        v = v * (hex ? 16 : 10) + digit;
    }
    if (v > UINT32_MAX) {
        return false;
    }
    value = static_cast<uint32_t>(v);
    return true;
}

// "X,Y" as two integers.
bool ParseCursor(const std::wstring& text, int32_t& x, int32_t& y) {
    const size_t comma = text.find(L',');
    int ix = 0, iy = 0;
    if (comma == std::wstring::npos || !ParseInt(text.substr(0, comma), -(1 << 30), 1 << 30, ix) ||
        !ParseInt(text.substr(comma + 1), -(1 << 30), 1 << 30, iy)) {
        return false;
    }
    x = ix;
    y = iy;
    return true;
}

struct FinishArguments {
    std::wstring in;
    std::wstring out;
    FinishRequest request;
    SettingsRecord settings{};
    std::set<std::wstring> named;  // settings the user gave
};

// Parses everything after "finish"; on a problem prints it and returns false with status set.
bool ParseFinishArguments(const Arguments& args, FinishArguments& parsed, int& status) {
    FillSettingNumberDefaults(parsed.settings);
    parsed.request.mode = CaptureMode::FreeRectangle;
    std::vector<std::wstring> files;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::wstring& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == L"--mode") {
            int mode = 0;
            if (!hasValue || !ParseInt(args[i + 1], 0, 7, mode)) {
                status = Usage("--mode takes a capture mode from 0 to 7");
                return false;
            }
            parsed.request.mode = static_cast<CaptureMode>(mode);
            ++i;
        } else if (a == L"--cursor") {
            if (!hasValue ||
                !ParseCursor(args[i + 1], parsed.request.cursorX, parsed.request.cursorY)) {
                status = Usage("--cursor takes X,Y");
                return false;
            }
            ++i;
        } else if (a == L"--program-folder") {
            if (!hasValue) {
                status = Usage("--program-folder takes a folder");
                return false;
            }
            parsed.request.programFolder = args[i + 1];
            ++i;
        } else if (a.size() > 2 && a.compare(0, 2, L"--") == 0) {
            status = Usage(kFinishUsage);
            return false;
        } else if (a.find(L'=') != std::wstring::npos) {
            const size_t equals = a.find(L'=');
            const std::wstring name = a.substr(0, equals);
            const SettingDef* def = FindSetting(name.c_str());
            uint32_t value = 0;
            if (def == nullptr || IsTextKind(def->kind)) {
                status = Fail(0, L"'" + name + L"' is not a number setting");
                return false;
            }
            if (!ParseSettingValue(a.substr(equals + 1), value)) {
                status = Fail(0, L"'" + a.substr(equals + 1) + L"' is not a value for " + name);
                return false;
            }
            SetSettingNumber(parsed.settings, *def, value);
            parsed.named.insert(name);
        } else {
            files.push_back(a);
        }
    }
    if (files.size() != 2) {
        status = Usage(kFinishUsage);
        return false;
    }
    parsed.in = files[0];
    parsed.out = files[1];
    if (parsed.request.programFolder.empty()) {
        wchar_t folder[kMaxPathChars] = {};
        if (GetProgramFolder(folder, kMaxPathChars)) {
            parsed.request.programFolder = folder;
        }
    }
    return true;
}

// Tells what became of one step; returns true when that makes the run fail: a step the user
// asked for by name that this build cannot do or that failed, or a failed image step
// (`essential`). The sound and the cursor are not essential: a tool has no sound resource.
bool ReportStep(const char* step, StepOutcome outcome, bool asked, bool essential) {
    switch (outcome) {
        case StepOutcome::Unavailable:
            std::fprintf(stderr, "finish: %s is not available in this build (Windows only)\n",
                         step);
            return asked;
        case StepOutcome::Skipped:
            std::fprintf(stderr, "finish: %s left out: its picture file could not be loaded\n",
                         step);
            return false;
        case StepOutcome::Failed:
            std::fprintf(stderr, "finish: %s failed\n", step);
            return asked || essential;
        default:
            return false;
    }
}

}  // namespace

int RunFinish(const Arguments& args) {
    FinishArguments parsed;
    int status = 1;
    if (!ParseFinishArguments(args, parsed, status)) {
        return status;
    }
    ZImage image;
    if (!LoadPicture(image, parsed.in, status)) {
        return status;
    }
    if (image.GetBitsPerPixel() != 24 && !image.SetBitDepth(24)) {
        return Fail(0, L"cannot make the picture 24 bits");
    }
    auto named = [&](const wchar_t* name) { return parsed.named.count(name) != 0; };
    const FinishOptions options = FinishOptionsFromSettings(parsed.settings);
    const std::unique_ptr<FinishPlatform> platform = MakeSystemFinishPlatform();
    const FinishReport report = FinishImage(image, options, parsed.request, *platform);

    const bool cursorAsked = named(L"CaptureCursorIsValid");
    bool failed = false;
    failed |=
        ReportStep("the capture sound", report.sound, named(L"GeneralPlaySoundOnCapture"), false);
    failed |= ReportStep("the cursor sparkle", report.sparkle, cursorAsked, true);
    failed |= ReportStep("the cursor shadow", report.cursorShadow,
                         cursorAsked || named(L"CaptureShadowCursorIsValid"), false);
    failed |= ReportStep("the cursor", report.cursor, cursorAsked, false);
    failed |= ReportStep("the shape", report.shape, named(L"CaptureShapeType"), true);
    failed |= ReportStep("the drop shadow", report.shadow, true, true);
    failed |= ReportStep("the fader", report.fader, true, true);
    if (!SavePicture(image, parsed.out, status)) {
        return status;
    }
    return failed ? 1 : 0;
}

}  // namespace zentrova::img
