#include "core/ErrorText.h"

namespace zentrova {

const wchar_t* DescribeErrorCode(uint32_t code) {
    switch (code) {
        case 1:
            return L"the picture library reported an error while decoding";
        case 2:
            return L"no file given, or the file does not exist";
        case 5:
            return L"the file cannot be opened";
        case 7:
            return L"the file is not of the format its name says";
        case 8:
            return L"unsupported file extension";
        case 9:
            return L"the picture cannot be decoded";
        case 10:
            return L"unsupported compression";
        case 12:
            return L"a decoder structure or stream cannot be created";
        case 13:
            return L"the picture cannot be rendered";
        case 16:
            return L"the image cannot be created (bad or too large dimensions)";
        case 17:
            return L"the resource is missing or empty";
        case 18:
            return L"the resource data cannot be read";
        default:
            return L"unknown error";
    }
}

}  // namespace zentrova
