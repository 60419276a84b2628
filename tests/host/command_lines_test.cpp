// Command lines: the arguments cut out of our own.
#include <gtest/gtest.h>

#include "platform/command_line.h"
#include "shell_window/run_mode.h"

namespace sd {
namespace {

TEST(CommandLine, ArgumentsFollowTheProgramName) {
    const struct { const char* raw; const char* args; } cases[] = {
        {"SwiftDash", ""},
        {"C:\\WINDOWS\\SWIFTDASH.EXE tray", "tray"},
        {"\"C:\\Program Files\\SwiftDash.exe\" switch ", "switch"},
        {"SwiftDash   options", "options"},
        {"\"unterminated", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ArgumentsOf(c.raw), c.args) << c.raw;
    // The words are compared whole, letter case included: the window shows, and nothing else.
    EXPECT_EQ(RunModeFor("Tray"), RunMode::MainWindowOnly);
}

}  // namespace
}  // namespace sd
