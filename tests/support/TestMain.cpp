// Test entry point: runs every test from a private working folder, so that the error log
// "_Zlog.txt" the code under test appends to never lands in the source or build tree.
#include <filesystem>
#include <system_error>

#include <gtest/gtest.h>

#include "tests/support/TempFolder.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    zentrova::test::TempFolder workFolder;
    std::error_code ec;
    std::filesystem::current_path(std::filesystem::path(workFolder.Path()), ec);
    const int result = RUN_ALL_TESTS();
    std::filesystem::current_path(std::filesystem::temp_directory_path(ec), ec);
    return result;
}
