// Windows entry point: arguments arrive as UTF-16.
#include <string>
#include <vector>

#include "tools/clarivue-img/ClarivueImg.h"

int wmain(int argc, wchar_t** argv) {
    std::vector<std::wstring> args;
    for (int i = 1; i < argc; ++i) {
        args.emplace_back(argv[i]);
    }
    return zentrova::RunClarivueImg(args);
}
