// The memory figures as the System Information window shows them.
#include "info_windows/memory_texts.h"

namespace sd {

std::string MemoryLoadText(std::uint32_t percent) {
    if (percent == 0) return "0";
    return " " + std::to_string(percent) + "%";
}

std::optional<std::string> MegabyteText(std::uint64_t bytes) {
    if (bytes == 0) return "0";
    constexpr std::uint64_t kMegabyte = 1048576;
    // Whole hundredths, rounded half away from zero, without a floating-point step that
    // could turn a tie such as 63.125 into 63.12.
    const std::uint64_t hundredths =
        bytes / kMegabyte * 100 + (bytes % kMegabyte * 100 + kMegabyte / 2) / kMegabyte;
    if (hundredths == 0) return std::nullopt;
    const std::uint64_t whole = hundredths / 100;
    std::uint64_t fraction = hundredths % 100;
    std::string text = " ";
    if (whole != 0) text += std::to_string(whole);
    if (fraction != 0) {
        text += '.';
        text += static_cast<char>('0' + fraction / 10);
        if (fraction % 10 != 0) text += static_cast<char>('0' + fraction % 10);
    }
    return text + " MB";
}

}  // namespace sd
