// Short English descriptions of the error codes the image library reports.
#pragma once

#include <cstdint>

namespace zentrova {

// A description of a reader error code; a generic text for codes without one.
const wchar_t* DescribeErrorCode(uint32_t code);

}  // namespace zentrova
