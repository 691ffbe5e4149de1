// The value a list control stands for when the user confirms it.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zentrova {

// The selected index of a list of count items, or previous when there is no valid selection
// (none at all, reported as a negative number, or one past the items): a list never stores an
// index it does not show.
constexpr uint32_t ChosenListIndex(long long selection, size_t count, uint32_t previous) {
    return selection >= 0 && static_cast<unsigned long long>(selection) < count
               ? static_cast<uint32_t>(selection)
               : previous;
}

}  // namespace zentrova
