// Numbers read out of the settings, the crash-loop guard's count and the memory texts; built into
// the in-process tests too, where our own runtime's strtod and floor do the rounding.
#include <gtest/gtest.h>

#include <climits>

#include "core/setting_numbers.h"
#include "core/start_guard.h"
#include "info_windows/memory_texts.h"

namespace sd {
namespace {

TEST(SettingNumbers, DoubleClickActionIsTheLeadingNumberRoundedHalvesToEven) {
    const struct { const char* text; int value; } cases[] = {
        {"2.5", 2}, {"3.5", 4}, {"-1.5", -2}, {"  7x", 7}, {"+3", 3}, {".6", 1}, {"2e1", 20}, {"2e", 2},
        {".", 0},   {"", 0},    {"1e300", INT_MAX}, {"-1e300", INT_MIN},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadDoubleClickAction(c.text), c.value) << c.text;
}

TEST(SettingNumbers, FirstRunBelow130AndSwitchMarkerExactlyOne) {
    for (const char* first : {"", "129.9", "1.30"}) EXPECT_TRUE(IsFirstRun(first)) << first;
    for (const char* seen : {"130", "130.0"}) EXPECT_FALSE(IsFirstRun(seen)) << seen;
    for (const char* set : {"1", "1.0", " 1"}) EXPECT_TRUE(IsSwitchMessageDisabled(set)) << set;
    for (const char* unset : {"", "2", "1.5"}) EXPECT_FALSE(IsSwitchMessageDisabled(unset)) << unset;
}

TEST(StartGuard, GivesUpAfterTwoUnfinishedStartsWhateverTheStoreHolds) {
    const struct { const char* stored; bool giveUp; const char* mark; } cases[] = {
        {"", false, "1"}, {"1.9", false, "2"}, {"2", true, "3"}, {"1e9", true, "3"}, {"-7", false, "1"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecideShellStart(c.stored).giveUp, c.giveUp) << c.stored;
        EXPECT_EQ(DecideShellStart(c.stored).mark, c.mark) << c.stored;
    }
}

constexpr std::uint64_t kMB = 1048576;

TEST(MemoryTexts, ABlankTheFigureAndItsUnitOrZeroAloneOrNoneForNothing) {
    EXPECT_EQ(MemoryLoadText(37), " 37%");
    EXPECT_EQ(MemoryLoadText(0), "0");
    const struct { std::uint64_t bytes; const char* text; } cases[] = {
        {63 * kMB + kMB / 2, " 63.5 MB"},
        {63 * kMB + kMB / 8, " 63.13 MB"},  // 63.125: a tie goes away from zero
        {1023 * kMB + kMB * 99 / 100 + 1, " 1023.99 MB"},
        {kMB * 5 / 1000 + 1, " .01 MB"},    // just past the half hundredth
        {kMB * 5 / 1000, nullptr},          // 0.00499 MB: a count that rounds to nothing has no text
        {0, "0"},
        {8ull << 30, " 8192 MB"},           // past what 32 bits hold
    };
    for (const auto& c : cases)
        EXPECT_EQ(MegabyteText(c.bytes), c.text ? std::optional<std::string>(c.text) : std::nullopt) << c.bytes;
}

}  // namespace
}  // namespace sd
