// The pure shell-line rewrite: which lines count, and how the bytes come out.
#include <gtest/gtest.h>

#include "session/shell_line.h"

namespace sd {
namespace {

// Which lines are shell lines. The line ends, and that every other line is copied as it is, are
// checked by the fuzz target on random bytes against its own reading of the line ends.
TEST(ShellLine, RewritesTheLinesThatStartWithShellOrCapitalShell) {
    const struct { const char* name; std::string in; std::string out; } cases[] = {
        {"shell or Shell first, in every section", "[a]\r\nshellx=1 ; old\r\n[b]\r\nShell=2\r\n",
         "[a]\r\nshell=SwiftDash\r\n[b]\r\nshell=SwiftDash\r\n"},
        {"no shell line keeps the content", "SHELL=x\r\n shell=x\r\nsHell=x\r\nshel\r\n",
         "SHELL=x\r\n shell=x\r\nsHell=x\r\nshel\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RewriteShellLines(c.in, "SwiftDash"), c.out);
    }
}

}  // namespace
}  // namespace sd
