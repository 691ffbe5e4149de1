// Runs a fuzz entry point over given files (and every file of given folders), without a fuzzing
// engine: for regression runs of collected inputs under the sanitizers.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

namespace fs = std::filesystem;

bool RunFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", path.string().c_str());
        return false;
    }
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE-OR-FOLDER...\n", argv[0]);
        return 2;
    }
    size_t runs = 0;
    bool ok = true;
    for (int i = 1; i < argc; ++i) {
        const fs::path target(argv[i]);
        std::error_code ec;
        if (!fs::is_directory(target, ec)) {
            if (RunFile(target)) {
                ++runs;
            } else {
                ok = false;
            }
            continue;
        }
        std::vector<fs::path> files;
        for (const fs::directory_entry& entry : fs::directory_iterator(target, ec)) {
            if (entry.is_regular_file(ec)) {
                files.push_back(entry.path());
            }
        }
        if (ec || files.empty()) {
            std::fprintf(stderr, "no files in %s\n", argv[i]);
            ok = false;
        }
        std::sort(files.begin(), files.end());
        for (const fs::path& file : files) {
            if (RunFile(file)) {
                ++runs;
            } else {
                ok = false;
            }
        }
    }
    std::printf("%zu inputs run\n", runs);
    return ok ? 0 : 1;
}
