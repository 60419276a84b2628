// The pure shell-line rewrite: which lines are shell lines. The line ends, and that every other
// line is copied as it is, are checked by the fuzz target.
#include <gtest/gtest.h>

#include "session/shell_line.h"

TEST(ShellLine, RewritesTheLinesThatStartWithShellOrCapitalShell) {
    EXPECT_EQ(sd::RewriteShellLines("[a]\r\nshellx=1 ; old\r\n[b]\r\nShell=2\r\n", "SwiftDash"),
              "[a]\r\nshell=SwiftDash\r\n[b]\r\nshell=SwiftDash\r\n");
    const std::string none = "SHELL=x\r\n shell=x\r\nsHell=x\r\nshel\r\n";
    EXPECT_EQ(sd::RewriteShellLines(none, "SwiftDash"), none);
}
