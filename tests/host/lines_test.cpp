// Lines: the arguments cut out of our own command line, and system.ini's shell= lines. That the
// rewrite keeps every other line as it is, each ending in CRLF, is the fuzz target's check.
#include <gtest/gtest.h>

#include "platform/command_line.h"
#include "session/shell_line.h"
#include "shell_window/run_mode.h"

namespace sd {

TEST(CommandLine, ArgumentsFollowTheProgramNameAndAreComparedWhole) {
    const struct { const char* raw; const char* args; } cases[] = {
        {"SwiftDash", ""},
        {"C:\\WINDOWS\\SWIFTDASH.EXE tray", "tray"},
        {"\"C:\\Program Files\\SwiftDash.exe\" switch ", "switch"},
        {"SwiftDash   options", "options"},
        {"\"unterminated", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ArgumentsOf(c.raw), c.args) << c.raw;
    EXPECT_EQ(RunModeFor("Tray"), RunMode::MainWindowOnly);  // letter case counts: the window shows
}

TEST(ShellLine, RewritesTheLinesThatStartWithShellOrCapitalShell) {
    EXPECT_EQ(RewriteShellLines("[a]\r\nshellx=1 ; old\r\n[b]\r\nShell=2\r\n", "SwiftDash"),
              "[a]\r\nshell=SwiftDash\r\n[b]\r\nshell=SwiftDash\r\n");
    const std::string none = "SHELL=x\r\n shell=x\r\nsHell=x\r\nshel\r\n";
    EXPECT_EQ(RewriteShellLines(none, "SwiftDash"), none);
}

// What the 16-bit loader starts from the shell= line as it stands; other names give way to the
// exe's short name.
TEST(ShellLine, ValidShortBaseNamesAreOneToEightCharactersDosAllows) {
    for (const char* name : {"A", "SwiftDsh", "SWIFTD~1", "G_$!#%&'", "(1)-@^`}", "{~}", "Caf\xe9"})
        EXPECT_TRUE(IsValidShortBaseName(name)) << name;
    for (const char* name : {"", "SwiftDash", "Swift Da", "Swift.Da", "a+b", "a,b", "a;b", "a=b", "a[1]",
                             "a\"b", "a*", "a?", "a|b", "a<b", "a/b", "a\\b", "a:b", "\t", "a\x7f"})
        EXPECT_FALSE(IsValidShortBaseName(name)) << name;
}

}  // namespace sd
