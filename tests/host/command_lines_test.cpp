// Command lines: the arguments cut out of our own, and the ones opening a file builds.
#include <gtest/gtest.h>

#include "platform/command_line.h"
#include "session/open_file.h"
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

// What the user is told (the unquoted line) and what is started: a program with a folder as
// exactly that file, quoted where it holds blanks; a document as one quoted argument.
TEST(OpenFile, ToldLineAndStartedProgramByExtension) {
    const struct {
        const char *file, *associated, *told, *app, *line;
    } cases[] = {
        {"C:\\GAMES\\DOOM.exe", "", "C:\\GAMES\\DOOM.exe", "C:\\GAMES\\DOOM.exe", "C:\\GAMES\\DOOM.exe"},
        {"C:\\My Games\\run.bat", "x", "C:\\My Games\\run.bat", "", "\"C:\\My Games\\run.bat\""},
        {"my game.com", "", "my game.com", "", "\"my game.com\""},
        {"GAME.EXE", "C:\\WINDOWS\\notepad.exe", "C:\\WINDOWS\\notepad.exe GAME.EXE",
         "C:\\WINDOWS\\notepad.exe", "C:\\WINDOWS\\notepad.exe \"GAME.EXE\""},
        {"exe", "", "notepad exe", "", "notepad \"exe\""},
        {"C:\\My Docs\\a b.doc", "C:\\Program Files\\Word\\word.exe",
         "C:\\Program Files\\Word\\word.exe C:\\My Docs\\a b.doc", "C:\\Program Files\\Word\\word.exe",
         "\"C:\\Program Files\\Word\\word.exe\" \"C:\\My Docs\\a b.doc\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        EXPECT_EQ(OpenFileCommandLine(c.file, c.associated), c.told);
        const ProgramStart start = OpenFileStart(c.file, c.associated);
        EXPECT_EQ(start.application, c.app);
        EXPECT_EQ(start.commandLine, c.line);
    }
}

}  // namespace
}  // namespace sd
