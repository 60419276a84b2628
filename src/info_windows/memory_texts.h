// The System Information window's texts for the memory figures, as pure functions.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace sd {

// " 37%": the percentage after a blank where a sign would stand; "0" alone for 0.
std::string MemoryLoadText(std::uint32_t percent);

// " 63.5 MB": the byte count in megabytes of 1048576 bytes, rounded half away from zero to two
// decimals, with no leading zero before the point and no trailing zeros or point after it;
// "0" alone for 0 bytes. A count that rounds to nothing (below 0.005 MB) has no text: its
// label keeps the text it had.
std::optional<std::string> MegabyteText(std::uint64_t bytes);

}  // namespace sd
