// The memory texts of the System Information window.
#include <gtest/gtest.h>

#include "info_windows/memory_texts.h"

namespace sd {
namespace {

constexpr std::uint64_t kMB = 1048576;

TEST(MemoryTexts, ABlankTheFigureAndItsUnitOrZeroAloneOrNoneForNothing) {
    EXPECT_EQ(MemoryLoadText(37), " 37%");
    EXPECT_EQ(MemoryLoadText(0), "0");
    const struct { std::uint64_t bytes; const char* text; } cases[] = {
        {64 * kMB, " 64 MB"},
        {63 * kMB + kMB / 2, " 63.5 MB"},
        {63 * kMB + kMB / 8, " 63.13 MB"},  // 63.125: a tie goes away from zero
        {1023 * kMB + kMB * 99 / 100 + 1, " 1023.99 MB"},
        {kMB / 2, " .5 MB"},
        {kMB * 5 / 1000 + 1, " .01 MB"},    // just past the half hundredth
        {kMB * 5 / 1000, nullptr},          // 0.00499 MB: a count that rounds to nothing has no text
        {0, "0"},
        {8ull << 30, " 8192 MB"},           // past what 32 bits hold
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(MegabyteText(c.bytes), c.text ? std::optional<std::string>(c.text) : std::nullopt);
    }
}

}  // namespace
}  // namespace sd
