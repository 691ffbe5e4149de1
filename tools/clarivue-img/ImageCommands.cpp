#include "tools/clarivue-img/ImageCommands.h"

#include "image/ZCompositing.h"
#include "image/ZResample.h"

namespace zentrova::img {

namespace {

// The largest side the commands create; the image library's own pixel cap applies as well.
constexpr int kMaxSide = 65535;

}  // namespace

int RunResize(const Arguments& args) {
    int width = 0, height = 0, filter = 0;
    if (args.size() != 5) {
        return Usage("resize takes IN OUT W H FILTER");
    }
    if (!ParseInt(args[2], 1, kMaxSide, width) || !ParseInt(args[3], 1, kMaxSide, height)) {
        return Usage("resize: W and H are sizes from 1 to 65535");
    }
    if (!ParseInt(args[4], 0, 4, filter)) {
        return Usage("resize: FILTER is 0 to 4");
    }
    return TransformPicture(args[0], args[1], L"resize",
                            [&](ZImage& image) { return Resize(image, width, height, filter); });
}

int RunDisplayResize(const Arguments& args) {
    int width = 0, height = 0;
    if (args.size() != 4) {
        return Usage("display-resize takes IN OUT W H");
    }
    if (!ParseInt(args[2], 1, kMaxSide, width) || !ParseInt(args[3], 1, kMaxSide, height)) {
        return Usage("display-resize: W and H are sizes from 1 to 65535");
    }
    return TransformPicture(args[0], args[1], L"display-resize",
                            [&](ZImage& image) { return ResizeForDisplay(image, width, height); });
}

int RunBlend(const Arguments& args) {
    int x = 0, y = 0;
    if (args.size() != 6) {
        return Usage("blend takes DEST SRC MASK X Y OUT");
    }
    if (!ParseInt(args[3], -kMaxSide, kMaxSide, x) || !ParseInt(args[4], -kMaxSide, kMaxSide, y)) {
        return Usage("blend: X and Y are whole numbers");
    }
    ZImage source, mask;
    int status = 1;
    if (!LoadPicture(source, args[1], status) || !LoadPicture(mask, args[2], status)) {
        return status;
    }
    return TransformPicture(args[0], args[5], L"blend",
                            [&](ZImage& image) { return BlendMasked(image, source, mask, x, y); });
}

int RunPremultiply(const Arguments& args) {
    if (args.size() != 2) {
        return Usage("premultiply takes IN OUT");
    }
    return TransformPicture(args[0], args[1], L"premultiply",
                            [](ZImage& image) { return Premultiply(image); });
}

int RunReplace(const Arguments& args, bool allBut) {
    ZColor key = 0, replacement = 0;
    if (args.size() != 4) {
        return Usage(allBut ? "replace-all-but takes IN OUT K N" : "replace takes IN OUT K N");
    }
    if (!ParseColour(args[2], key) || !ParseColour(args[3], replacement)) {
        return Usage("colours are written RRGGBB in hexadecimal");
    }
    return TransformPicture(args[0], args[1], allBut ? L"replace-all-but" : L"replace",
                            [&](ZImage& image) {
                                return allBut ? ReplaceAllButColor(image, key, replacement)
                                              : ReplaceColor(image, key, replacement);
                            });
}

int RunGradient(const Arguments& args) {
    int width = 0, height = 0, mode = 0;
    ZColor from = 0, to = 0;
    if (args.size() != 6) {
        return Usage("gradient takes OUT W H FROM TO MODE");
    }
    if (!ParseInt(args[1], 1, kMaxSide, width) || !ParseInt(args[2], 1, kMaxSide, height)) {
        return Usage("gradient: W and H are sizes from 1 to 65535");
    }
    if (!ParseColour(args[3], from) || !ParseColour(args[4], to)) {
        return Usage("colours are written RRGGBB in hexadecimal");
    }
    if (!ParseInt(args[5], kGradientHorizontal, kGradientRadial, mode)) {
        return Usage("gradient: MODE is 0 to 3");
    }
    ZImage image;
    if (!image.Create(static_cast<uint32_t>(width), static_cast<uint32_t>(height), 24, from,
                      nullptr) ||
        !FillGradient(image, 0, 0, width, height, from, to, mode)) {
        return Fail(0, L"gradient: the picture could not be made");
    }
    int status = 1;
    return SavePicture(image, args[0], status) ? 0 : status;
}

}  // namespace zentrova::img
