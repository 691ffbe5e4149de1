// clarivue-img effect IN OUT NAME [ARGS...]: one image effect on a picture.
#include <functional>

#include "image/ZImageEffects.h"
#include "tools/clarivue-img/ImageCommands.h"

namespace zentrova::img {

namespace {

using Effect = std::function<bool(ZImage&)>;

// Builds the effect named by args[2] with its arguments args[3...]; on a wrong argument sets
// `problem` and returns an empty function.
Effect MakeEffect(const Arguments& args, const char*& problem) {
    const std::wstring& name = args[2];
    const size_t count = args.size() - 3;
    auto arg = [&](size_t i) -> const std::wstring& { return args[3 + i]; };
    auto expect = [&](size_t n, const char* usage) {
        if (count != n) {
            problem = usage;
            return false;
        }
        return true;
    };
    auto bad = [&](const char* usage) {
        problem = usage;
        return Effect();
    };

    if (name == L"dropshadow") {
        constexpr const char* usage =
            "dropshadow takes SHADOW BACKGROUND DIRECTION DITHER INTENSITY OFFSET PLAIN";
        DropShadowOptions o;
        int plain = 0;
        if (!expect(7, usage) || !ParseColour(arg(0), o.shadowColour) ||
            !ParseColour(arg(1), o.backgroundColour) ||
            !ParseInt(arg(2), -100000, 100000, o.directionDegrees) ||
            !ParseInt(arg(3), 0, 1000, o.dither) || !ParseInt(arg(4), 0, 100, o.intensityPercent) ||
            !ParseInt(arg(5), 0, 1000, o.offset) || !ParseInt(arg(6), 0, 1, plain)) {
            return bad(usage);
        }
        o.plainRectangle = plain != 0;
        return [o](ZImage& image) { return ApplyDropShadow(image, o); };
    }
    if (name == L"filter") {
        int index = 0;
        if (!expect(1, "filter takes INDEX 1-12") ||
            !ParseInt(arg(0), kFirstFilterIndex, kLastFilterIndex, index)) {
            return bad("filter takes INDEX 1-12");
        }
        return [index](ZImage& image) { return ApplyFilter(image, index); };
    }
    if (name == L"pixelize") {
        int size = 0;
        if (!expect(1, "pixelize takes SIZE") || !ParseInt(arg(0), 1, 65535, size)) {
            return bad("pixelize takes SIZE");
        }
        return [size](ZImage& image) { return Pixelize(image, size); };
    }
    if (name == L"boxblur") {
        int radius = 0, passes = 0;
        if (!expect(2, "boxblur takes RADIUS PASSES") || !ParseInt(arg(0), 1, 10000, radius) ||
            !ParseInt(arg(1), 1, 100, passes)) {
            return bad("boxblur takes RADIUS PASSES (radius 1 or more, 1 to 100 passes)");
        }
        return [radius, passes](ZImage& image) { return BoxBlur(image, radius, passes); };
    }
    if (name == L"spinblur") {
        double angle = 0;
        if (!expect(1, "spinblur takes ANGLE") || !ParseNumber(arg(0), -360, 360, angle)) {
            return bad("spinblur takes ANGLE (-360 to 360)");
        }
        return [angle](ZImage& image) { return SpinBlur(image, angle); };
    }
    if (name == L"buttonize") {
        int width = 0;
        double strength = 0;
        if (!expect(2, "buttonize takes WIDTH STRENGTH") || !ParseInt(arg(0), 0, 65535, width) ||
            !ParseNumber(arg(1), 0, 1, strength)) {
            return bad("buttonize takes WIDTH STRENGTH (strength 0 to 1)");
        }
        return [width, strength](ZImage& image) { return Buttonize(image, width, strength); };
    }
    if (name == L"offset") {
        int red = 0, green = 0, blue = 0;
        if (!expect(3, "offset takes DR DG DB") || !ParseInt(arg(0), -255, 255, red) ||
            !ParseInt(arg(1), -255, 255, green) || !ParseInt(arg(2), -255, 255, blue)) {
            return bad("offset takes DR DG DB (-255 to 255)");
        }
        return [red, green, blue](ZImage& image) { return ColorOffset(image, red, green, blue); };
    }
    if (name == L"canvas") {
        constexpr const char* usage = "canvas takes W H ANCHOR FILL";
        int width = 0, height = 0, anchor = 0;
        ZColor fill = 0;
        if (!expect(4, usage) || !ParseInt(arg(0), 1, 65535, width) ||
            !ParseInt(arg(1), 1, 65535, height) ||
            !ParseInt(arg(2), kFirstCanvasAnchor, kLastCanvasAnchor, anchor) ||
            !ParseColour(arg(3), fill)) {
            return bad(usage);
        }
        return [width, height, anchor, fill](ZImage& image) {
            return ResizeCanvas(image, width, height, anchor, fill);
        };
    }

    // The effects without arguments.
    struct Plain {
        const wchar_t* name;
        bool (*run)(ZImage&);
    };
    static const Plain kPlain[] = {
        {L"grayscale", [](ZImage& image) { return Grayscale(image) && image.SetBitDepth(24); }},
        {L"pencil", PencilDrawing},
        {L"invert", Invert},
        {L"mirror", Mirror},
        {L"rotate-left", RotateLeft},
        {L"rotate-right", RotateRight},
        {L"flip", [](ZImage& image) { return image.FlipVertical(); }},
    };
    for (const Plain& plain : kPlain) {
        if (name == plain.name) {
            if (!expect(0, "this effect takes no arguments")) {
                return Effect();
            }
            return plain.run;
        }
    }
    return bad("unknown effect");
}

}  // namespace

int RunEffect(const Arguments& args) {
    if (args.size() < 3) {
        return Usage("effect takes IN OUT NAME [ARGS...]");
    }
    const char* problem = nullptr;
    const Effect effect = MakeEffect(args, problem);
    if (!effect) {
        return Usage(problem);
    }
    return TransformPicture(args[0], args[1], L"effect " + args[2], effect);
}

}  // namespace zentrova::img
