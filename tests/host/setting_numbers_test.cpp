// Reading numbers out of settings text, and the crash-loop guard's decision on its stored count.
#include <gtest/gtest.h>

#include <climits>

#include "core/setting_numbers.h"
#include "core/start_guard.h"

namespace sd {
namespace {

// The leading number of the text, whatever follows it, rounded with halves to even.
TEST(SettingNumbers, DoubleClickActionIsTheLeadingNumberRoundedHalvesToEven) {
    const struct { const char* text; int value; } cases[] = {
        {"2.5", 2},  {"3.5", 4}, {"-1.5", -2}, {"  7x", 7}, {"+3", 3},  {".6", 1},
        {"2e1", 20}, {"2e", 2},  {"-", 0},     {".", 0},    {"abc", 0}, {"", 0},
        {"1e300", INT_MAX}, {"-1e300", INT_MIN},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ReadDoubleClickAction(c.text), c.value);
    }
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
        SCOPED_TRACE(c.stored);
        const StartDecision decision = DecideShellStart(c.stored);
        EXPECT_EQ(decision.giveUp, c.giveUp);
        EXPECT_EQ(decision.mark, c.mark);
    }
}

}  // namespace
}  // namespace sd
