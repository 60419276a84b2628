// The pure shell-line rewrite: which lines count, and how the bytes come out.
#include <gtest/gtest.h>

#include "session/shell_line.h"

namespace sd {
namespace {

// Which lines are shell lines, and the line ends; the fuzz target checks the same on random bytes
// against its own reading of the line ends.
TEST(ShellLine, RewritesEveryShellLineAndTerminatesEveryLineWithCrLf) {
    const struct { const char* name; std::string in; std::string out; } cases[] = {
        {"shell or Shell first, in every section", "[a]\r\nshellx=1 ; old\r\n[b]\r\nShell=2\r\n",
         "[a]\r\nshell=SwiftDash\r\n[b]\r\nshell=SwiftDash\r\n"},
        {"no shell line keeps the content", "SHELL=x\r\n shell=x\r\nsHell=x\r\nshel\r\n",
         "SHELL=x\r\n shell=x\r\nsHell=x\r\nshel\r\n"},
        {"last line without terminator", "a\r\nshell=x", "a\r\nshell=SwiftDash\r\n"},
        {"lone CR ends a line", "a\rb\r", "a\r\nb\r\n"},
        {"what follows a shell line's lone LF is kept", "shell=Explorer.exe\nsystem.drv=s.drv\r\n",
         "shell=SwiftDash\r\nsystem.drv=s.drv\r\n"},
        {"CR CR LF is two lines", "a\r\r\n", "a\r\n\r\n"},
        {"high bytes copied", "k=\xE9\xFF\r\n", "k=\xE9\xFF\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RewriteShellLines(c.in, "SwiftDash"), c.out);
    }
}

}  // namespace
}  // namespace sd
