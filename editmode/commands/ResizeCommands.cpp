#include "editmode/commands/ResizeCommands.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cwchar>

#include "editmode/EditSession.h"
#include "editmode/commands/PictureCommands.h"
#include "image/ZImageEffects.h"
#include "image/ZResample.h"

namespace zentrova {

namespace {

// Pixels per unit of an axis.
double PixelsPerUnit(ResizeUnit unit, int32_t imageSize, double dpi) {
    switch (unit) {
        case ResizeUnit::Percent:
            return imageSize / 100.0;
        case ResizeUnit::Centimeter:
            return dpi * kInchPerCentimetre;
        case ResizeUnit::Inch:
            return dpi;
        case ResizeUnit::Pixel:
            break;
    }
    return 1.0;
}

}  // namespace

double ResizeToPixels(double value, ResizeUnit unit, int32_t imageSize, double dpi) {
    return value * PixelsPerUnit(unit, imageSize, dpi);
}

double ResizeFromPixels(double pixels, ResizeUnit unit, int32_t imageSize, double dpi) {
    const double per = PixelsPerUnit(unit, imageSize, dpi);
    return per > 0 ? pixels / per : 0.0;
}

std::wstring FormatResizeField(double value) {
    if (!std::isfinite(value)) {
        return L"0";
    }
    wchar_t text[64];
    std::swprintf(text, 64, L"%.8g", value);
    return text;
}

bool ParseResizeField(const std::wstring& text, double& value) {
    std::wstring number = text;
    std::replace(number.begin(), number.end(), L',', L'.');
    const size_t first = number.find_first_not_of(L" \t");
    const size_t last = number.find_last_not_of(L" \t");
    if (first == std::wstring::npos || number.find_first_not_of(L"0123456789.", first) <= last) {
        return false;
    }
    number = number.substr(first, last - first + 1);
    if (std::count(number.begin(), number.end(), L'.') > 1 || number == L".") {
        return false;
    }
    value = std::wcstod(number.c_str(), nullptr);
    return std::isfinite(value);
}

double ProportionalField(double typed, ResizeUnit unit, int32_t typedSize, int32_t otherSize) {
    if (unit == ResizeUnit::Percent || typedSize < 1) {
        return typed;
    }
    const double other = typed * otherSize / typedSize;
    return unit == ResizeUnit::Pixel ? std::trunc(other) : other;
}

int32_t ResizeFinalPixels(double value, ResizeUnit unit, int32_t imageSize, double dpi) {
    const double pixels = std::trunc(ResizeToPixels(value, unit, imageSize, dpi));
    if (!(pixels >= 1)) {  // also NaN
        return 1;
    }
    return pixels >= kResizeLimit ? kResizeLimit : static_cast<int32_t>(pixels);
}

int32_t LimitCanvasSize(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, 1, kResizeLimit));
}

bool ResizeImageCommand::Run(EditSession& session) {
    DropToolState(session);
    SettingsRecord& settings = session.Settings();
    const ZImage& picture = session.GetPicture();
    ResizeChoice start;
    start.width = static_cast<int32_t>(picture.GetWidth());
    start.height = static_cast<int32_t>(picture.GetHeight());
    start.proportions = settings.ResizeConstrainProportions != 0;
    const auto attempt = [&session, &settings, start](const ResizeChoice& choice) {
        settings.ResizeConstrainProportions = choice.proportions ? 1 : 0;
        settings.ResizeScaleType =
            static_cast<decltype(settings.ResizeScaleType)>(choice.filter + 1);
        if (choice.width == start.width && choice.height == start.height) {
            return true;  // nothing to do
        }
        ZImage work;
        if (!work.CopyFrom(session.GetPicture()) ||
            !Resize(work, LimitCanvasSize(choice.width), LimitCanvasSize(choice.height),
                    choice.filter) ||
            (work.GetBitsPerPixel() != 24 && !work.SetBitDepth(24))) {
            session.Host().Beep();
            return false;
        }
        ReplacePicture(session, work);
        return true;
    };
    return session.Host().AskResize(start, attempt);
}

bool ResizeCanvasCommand::Run(EditSession& session) {
    DropToolState(session);
    SettingsRecord& settings = session.Settings();
    const ZImage& picture = session.GetPicture();
    CanvasChoice choice;
    choice.width = static_cast<int32_t>(picture.GetWidth());
    choice.height = static_cast<int32_t>(picture.GetHeight());
    choice.anchor = std::clamp<int32_t>(static_cast<int32_t>(settings.ResizeCanvasPosition),
                                        kFirstCanvasAnchor, kLastCanvasAnchor);
    choice.fill = settings.ResizeCanvasColor;
    if (!session.Host().AskCanvas(choice)) {
        return false;
    }
    settings.ResizeCanvasPosition = static_cast<decltype(settings.ResizeCanvasPosition)>(
        std::clamp<int32_t>(choice.anchor, kFirstCanvasAnchor, kLastCanvasAnchor));
    settings.ResizeCanvasColor = choice.fill;
    const int32_t width = LimitCanvasSize(choice.width);
    const int32_t height = LimitCanvasSize(choice.height);
    ZImage work;
    if (!work.CopyFrom(session.GetPicture()) ||
        !ResizeCanvas(work, width, height, static_cast<int>(settings.ResizeCanvasPosition),
                      choice.fill)) {
        session.Host().ShowError(
            session.Host()
                .LanguageText(L"Messages", L"MsgResizeCanvasFailed", L"Failed to resize canvas!")
                .c_str());
        return false;
    }
    return ReplacePicture(session, work);
}

}  // namespace zentrova
