// Reading numbers out of settings text.
#include <gtest/gtest.h>

#include <climits>

#include "core/setting_numbers.h"

namespace sd {
namespace {

TEST(SettingNumbers, LeadingNumberOfTheText) {
    const struct { const char* text; double value; } cases[] = {
        {"", 0},       {"abc", 0},      {"130", 130},    {"  42", 42},  {"129.9", 129.9},
        {"1.0", 1},    {"01", 1},       {"7x", 7},       {"-1", -1},    {"+3", 3},
        {".5", 0.5},   {"2e2", 200},    {"2e", 2},       {"-", 0},      {".", 0},
        {"1.30", 1.3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.value);
    }
}

TEST(SettingNumbers, DoubleClickActionRoundsHalvesToEven) {
    const struct { const char* text; int value; } cases[] = {
        {"2.5", 2}, {"3.5", 4}, {"2.6", 3}, {"-0.5", 0}, {"-1.5", -2}, {"5", 5}, {"", 0},
        {"1e300", INT_MAX}, {"-1e300", INT_MIN},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ReadDoubleClickAction(c.text), c.value);
    }
}

TEST(SettingNumbers, FirstRunBelow130AndSwitchMarkerExactlyOne) {
    for (const char* first : {"", "abc", "129.9", "1.30", "0"}) EXPECT_TRUE(IsFirstRun(first)) << first;
    for (const char* seen : {"130", "130.0", "131", "200"}) EXPECT_FALSE(IsFirstRun(seen)) << seen;
    for (const char* set : {"1", "01", "1.0", " 1"}) EXPECT_TRUE(IsSwitchMessageDisabled(set)) << set;
    for (const char* unset : {"", "2", "0", "1.5", "abc"}) EXPECT_FALSE(IsSwitchMessageDisabled(unset)) << unset;
}

}  // namespace
}  // namespace sd
