// Native entry point: arguments arrive as UTF-8.
#include <string>
#include <vector>

#include "core/WideText.h"
#include "tools/clarivue-img/ClarivueImg.h"

int main(int argc, char** argv) {
    std::vector<std::wstring> args;
    for (int i = 1; i < argc; ++i) {
        args.push_back(zentrova::FromUtf8(argv[i]));
    }
    return zentrova::RunClarivueImg(args);
}
