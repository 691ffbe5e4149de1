// clarivue-img: batch processing of pictures with the program's own image library.
#pragma once

#include <string>
#include <vector>

namespace zentrova {

// Runs the tool on its arguments (without the program name); returns the exit status.
// Output goes to the standard streams as UTF-8.
int RunClarivueImg(const std::vector<std::wstring>& args);

}  // namespace zentrova
