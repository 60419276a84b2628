// Command-line words and how they are cut out of the raw command line.
#include <gtest/gtest.h>

#include "platform/command_line.h"
#include "shell_window/run_mode.h"

namespace sd {
namespace {

TEST(RunMode, WordsAreComparedWholeAndCaseSensitively) {
    const struct { const char* args; RunMode mode; } cases[] = {
        {"", RunMode::Shell},        {"tray", RunMode::Tray},     {"options", RunMode::Options},
        {"switch", RunMode::Switch}, {"Tray", RunMode::MainWindowOnly},
        {"SWITCH", RunMode::MainWindowOnly}, {"tray options", RunMode::MainWindowOnly},
        {"trayx", RunMode::MainWindowOnly},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        EXPECT_EQ(RunModeFor(c.args), c.mode);
    }
}

TEST(RunMode, ArgumentsFollowTheProgramName) {
    const struct { const char* raw; const char* args; } cases[] = {
        {"SwiftDash", ""},
        {"C:\\WINDOWS\\SWIFTDASH.EXE tray", "tray"},
        {"\"C:\\Program Files\\SwiftDash.exe\" switch ", "switch"},
        {"\"C:\\a b\\SwiftDash.exe\"", ""},
        {"SwiftDash   options", "options"},
        {"\"unterminated", ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.raw);
        EXPECT_EQ(ArgumentsOf(c.raw), c.args);
    }
}

}  // namespace
}  // namespace sd
