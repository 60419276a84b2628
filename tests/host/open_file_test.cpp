// Opening programs and documents, and the start-up list that uses it.
#include <gtest/gtest.h>

#include "fake_platform.h"
#include "session/open_file.h"
#include "shell_window/startup_items.h"

namespace sd {
namespace {

TEST(OpenFile, CommandLineByExtension) {
    const struct { const char* file; const char* associated; const char* line; } cases[] = {
        {"C:\\GAMES\\DOOM.exe", "", "C:\\GAMES\\DOOM.exe"},
        {"run.bat", "x", "run.bat"},
        {"cmd.com", "", "cmd.com"},
        {"GAME.EXE", "C:\\WINDOWS\\notepad.exe", "C:\\WINDOWS\\notepad.exe GAME.EXE"},
        {"readme.txt", "", "notepad readme.txt"},
        {"exe", "", "notepad exe"},
        {"C:\\My Docs\\a b.doc", "C:\\Word\\word.exe", "C:\\Word\\word.exe C:\\My Docs\\a b.doc"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        EXPECT_EQ(OpenFileCommandLine(c.file, c.associated), c.line);
    }
}

TEST(OpenFile, ReportsAProgramThatDoesNotStart) {
    test::FakePlatform fake;
    Program program{fake};
    fake.unstartable.insert("C:\\gone.exe");
    OpenFile(program, "C:\\gone.exe");
    OpenFile(program, "");
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, "File C:\\gone.exe not found");
    EXPECT_EQ(fake.log, (std::vector<std::string>{"Start C:\\gone.exe", "Message SwiftDash"}));
}

TEST(StartUpItems, OpensTheNonEmptyItemsInOrderThenTheFolder) {
    test::FakePlatform fake;
    Program program{fake};
    fake.settings = {{"StartUpItem0", "a.exe"}, {"StartUpItem1", ""}, {"StartUpItem2", " "},
                     {"StartUpFolder", "C:\\Program Files\\Games"}};
    LaunchStartUpItems(program);
    EXPECT_EQ(fake.log, (std::vector<std::string>{"Start a.exe", "Start notepad  ",
                                                  "Start explorer C:\\Program Files\\Games"}));
}

}  // namespace
}  // namespace sd
