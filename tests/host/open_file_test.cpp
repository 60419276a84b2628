// The command lines that opening programs and documents builds.
#include <gtest/gtest.h>

#include "session/open_file.h"

namespace sd {
namespace {

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
