// The start rule: what each text starts, with which command line, in which folder.
#include <gtest/gtest.h>

#include <set>

#include "session/start_rule.h"

namespace sd {
namespace {

struct Machine final : StartFacts {
    std::set<std::string> files = {
        "C:\\Games\\Star Game\\marker.exe", "C:\\GAMES\\QUAKE\\QUAKE.EXE", "C:\\Program Files\\Game\\game.exe",
        "C:\\My Docs\\a.exe", "C:\\My Docs\\a.exe b.txt", "C:\\Menu\\Star.LNK", "C:\\GAMES\\DOOM.PIF",
        "C:\\Games\\Bat Dir\\go.bat", "C:\\GAMES\\RUN.BAT"};
    std::string interpreter;
    bool FileExists(const std::string& path) override { return files.count(path) != 0; }
    std::string AssociatedProgram(const std::string& document) override {
        return document == "C:\\My Docs\\a b.doc" ? "C:\\Program Files\\Word\\word.exe" : "";
    }
    std::string CommandInterpreter() override { return interpreter; }
};

const std::string kTail = " +name \"Big Bob\" " + std::string(2000, 'x');

TEST(StartRule, EachTextStartsExactlyItsProgramInItsFolder) {
    const struct {
        std::string text, interpreter;
        StartWay way;
        std::string app, line, folder, told;
    } cases[] = {
        {"  \t ", "", StartWay::Nothing, "", "", "", ""},
        // A program: exactly that file, quoted only for its blanks, in its own folder.
        {"C:\\Games\\Star Game\\marker.exe", "", StartWay::Program, "C:\\Games\\Star Game\\marker.exe",
         "\"C:\\Games\\Star Game\\marker.exe\"", "C:\\Games\\Star Game", "C:\\Games\\Star Game\\marker.exe"},
        {"C:\\Games\\Star Game\\marker.exe  -game ctf", "", StartWay::Program, "C:\\Games\\Star Game\\marker.exe",
         "\"C:\\Games\\Star Game\\marker.exe\" -game ctf", "C:\\Games\\Star Game",
         "C:\\Games\\Star Game\\marker.exe -game ctf"},
        {"C:\\GAMES\\QUAKE\\QUAKE.EXE" + kTail, "", StartWay::Program, "C:\\GAMES\\QUAKE\\QUAKE.EXE",
         "C:\\GAMES\\QUAKE\\QUAKE.EXE" + kTail, "C:\\GAMES\\QUAKE", "C:\\GAMES\\QUAKE\\QUAKE.EXE" + kTail},
        {"\"C:\\Program Files\\Game\\game.exe\" -window", "", StartWay::Program, "C:\\Program Files\\Game\\game.exe",
         "\"C:\\Program Files\\Game\\game.exe\" -window", "C:\\Program Files\\Game",
         "C:\\Program Files\\Game\\game.exe -window"},
        // Missing: the first program name is tried, so that its failure is told.
        {"C:\\gone.exe -x", "", StartWay::Program, "C:\\gone.exe", "C:\\gone.exe -x", "C:\\", "C:\\gone.exe -x"},
        // A batch file through the named interpreter, in the batch file's folder.
        {"C:\\Games\\Bat Dir\\go.bat", "C:\\windows\\system32\\cmd.exe", StartWay::Program,
         "C:\\windows\\system32\\cmd.exe", "C:\\windows\\system32\\cmd.exe /c \"\"C:\\Games\\Bat Dir\\go.bat\"\"",
         "C:\\Games\\Bat Dir", "C:\\Games\\Bat Dir\\go.bat"},
        {"C:\\GAMES\\RUN.BAT fast", "C:\\WINDOWS\\COMMAND.COM", StartWay::Program, "C:\\WINDOWS\\COMMAND.COM",
         "C:\\WINDOWS\\COMMAND.COM /c C:\\GAMES\\RUN.BAT fast", "C:\\GAMES", "C:\\GAMES\\RUN.BAT fast"},
        {"C:\\GAMES\\RUN.BAT", "", StartWay::Program, "", "C:\\GAMES\\RUN.BAT", "C:\\GAMES", "C:\\GAMES\\RUN.BAT"},
        // A document: its program in the document's folder; the whole existing name wins.
        {"C:\\My Docs\\a b.doc", "", StartWay::Program, "C:\\Program Files\\Word\\word.exe",
         "\"C:\\Program Files\\Word\\word.exe\" \"C:\\My Docs\\a b.doc\"", "C:\\My Docs",
         "C:\\Program Files\\Word\\word.exe C:\\My Docs\\a b.doc"},
        {"C:\\My Docs\\a.exe b.txt", "", StartWay::Program, "", "notepad \"C:\\My Docs\\a.exe b.txt\"",
         "C:\\My Docs", "notepad C:\\My Docs\\a.exe b.txt"},
        {"\"C:\\My Docs\\a.exe b.txt\" ", "", StartWay::Program, "", "notepad \"C:\\My Docs\\a.exe b.txt\"",
         "C:\\My Docs", "notepad C:\\My Docs\\a.exe b.txt"},
        {"exe", "", StartWay::Program, "", "notepad exe", "", "notepad exe"},
        // Shortcuts go to the shell (here: file, arguments, folder), a .pif with what follows.
        {"C:\\Menu\\Star.LNK", "", StartWay::Shell, "C:\\Menu\\Star.LNK", "", "C:\\Menu", "C:\\Menu\\Star.LNK"},
        {"C:\\GAMES\\DOOM.PIF -warp 1", "", StartWay::Shell, "C:\\GAMES\\DOOM.PIF", "-warp 1", "C:\\GAMES",
         "C:\\GAMES\\DOOM.PIF -warp 1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 60));
        Machine machine;
        machine.interpreter = c.interpreter;
        const StartPlan plan = PlanStart(c.text, machine);
        EXPECT_EQ(plan.way, c.way);
        const bool shell = plan.way == StartWay::Shell;
        EXPECT_EQ(shell ? plan.shell.file : plan.program.application, c.app);
        EXPECT_EQ(shell ? plan.shell.arguments : plan.program.commandLine, c.line);
        EXPECT_EQ(shell ? plan.shell.folder : plan.program.folder, c.folder);
        EXPECT_EQ(plan.told, c.told);
    }
}

}  // namespace
}  // namespace sd
