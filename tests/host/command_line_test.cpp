// How the arguments are cut out of the raw command line, and the run a word in another case asks.
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
    for (const auto& c : cases) {
        SCOPED_TRACE(c.raw);
        EXPECT_EQ(ArgumentsOf(c.raw), c.args);
    }
    // The words are compared whole, letter case included: the window shows, and nothing else.
    EXPECT_EQ(RunModeFor("Tray"), RunMode::MainWindowOnly);
}

}  // namespace
}  // namespace sd
