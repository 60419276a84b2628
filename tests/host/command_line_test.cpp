// How the arguments are cut out of the raw command line.
#include <gtest/gtest.h>

#include "platform/command_line.h"

namespace sd {
namespace {

TEST(CommandLine, ArgumentsFollowTheProgramName) {
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
