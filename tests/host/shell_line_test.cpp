// The pure shell-line rewrite: which lines are shell lines, and which names the line can carry
// as they are. The line ends, and that every other line is copied as it is, are checked by the
// fuzz target.
#include <gtest/gtest.h>

#include "session/shell_line.h"

TEST(ShellLine, RewritesTheLinesThatStartWithShellOrCapitalShell) {
    EXPECT_EQ(sd::RewriteShellLines("[a]\r\nshellx=1 ; old\r\n[b]\r\nShell=2\r\n", "SwiftDash"),
              "[a]\r\nshell=SwiftDash\r\n[b]\r\nshell=SwiftDash\r\n");
    const std::string none = "SHELL=x\r\n shell=x\r\nsHell=x\r\nshel\r\n";
    EXPECT_EQ(sd::RewriteShellLines(none, "SwiftDash"), none);
}

// What the 16-bit loader can start from the shell= line as it stands; anything else is replaced
// by the exe's short name.
TEST(ShellLine, ValidShortBaseNamesAreOneToEightCharactersDosAllows) {
    for (const char* name : {"SWD", "swd", "SwiftDsh", "SWIFTD~1", "A", "G_$!#%&'", "(1)-@^`}", "{~}", "Caf\xe9"})
        EXPECT_TRUE(sd::IsValidShortBaseName(name)) << name;
    for (const char* name : {"", "SwiftDash", "Swift Da", "Swift.Da", "a+b", "a,b", "a;b", "a=b", "a[1]",
                             "a\"b", "a*", "a?", "a|b", "a<b", "a/b", "a\\b", "a:b", "\t", "a\x7f"})
        EXPECT_FALSE(sd::IsValidShortBaseName(name)) << name;
}
