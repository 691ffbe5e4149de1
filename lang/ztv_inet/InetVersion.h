// Program versions as dotted numbers: "2.10" is newer than "2.9", "2.10" equals "2.10.0".
#pragma once

#include <string>

namespace zentrova::inet {

enum class VersionOrder { Older, Same, Newer, Invalid };

// How candidate stands to current. Each version is one to four numbers of one to five digits
// separated by single dots; anything else (empty parts, letters, blanks, signs) is Invalid.
VersionOrder CompareVersions(const std::string& candidate, const std::string& current);

}  // namespace zentrova::inet
