// The session commands: Close SwiftDash's question, the first-switch box, the guard's count.
#include <gtest/gtest.h>

#include "fake_platform.h"
#include "session/session_commands.h"

namespace sd {
namespace {

const std::string kIni = "C:\\WINDOWS\\system.ini";

// Writes to the settings are logged too, to see what comes before a message box.
struct Fake : test::FakePlatform {
    void WriteSetting(const std::string& key, const std::string& value) override {
        Record("WriteSetting " + key);
        test::FakePlatform::WriteSetting(key, value);
    }
};

struct Fixture {
    Fixture() {
        fake.files[kIni] = "[boot]\r\nshell=Explorer.exe\r\n";
        fake.settings["DisableSwitchMessage"] = "1";
        fake.settings["UnfinishedShellStarts"] = "2";
        program.vars.ProgramDir = "C:\\WINDOWS";
        program.vars.ExeName = "SwiftDash";
        program.vars.ShellMode = true;
    }
    Fake fake;
    Program program{fake};
};

// The order of the other commands' steps is proven on the Exit dialog and the tray menu.
TEST(SessionCommands, CloseSwiftDashAsksFirstAndLeavesTheGuardsCountAlone) {
    Fixture f;
    f.fake.answers = {MsgAnswer::No, MsgAnswer::Yes};
    EXPECT_FALSE(RunSessionCommand(f.program, SessionCommandId::CloseSwiftDash));
    EXPECT_EQ(f.fake.files[kIni], "[boot]\r\nshell=Explorer.exe\r\n");
    EXPECT_TRUE(RunSessionCommand(f.program, SessionCommandId::CloseSwiftDash));
    EXPECT_EQ(f.fake.log, (std::vector<std::string>{"Message SwiftDash", "Message SwiftDash",
                                                    "ServiceProcess 0", "EndProcess"}));
    EXPECT_EQ(f.fake.files[kIni], "[boot]\r\nshell=explorer.exe\r\n");
    // Only a switch into shell mode forgets it, and this run marked no start of its own.
    EXPECT_EQ(f.fake.settings["UnfinishedShellStarts"], "2");
}

TEST(SessionCommands, FirstSwitchExplainsOnceAndAMissingSystemIniStillEndsTheSession) {
    Fixture f;
    f.fake.settings["DisableSwitchMessage"] = "2";
    f.fake.files.clear();
    EnterSwiftDashMode(f.program);
    EXPECT_EQ(f.fake.log, (std::vector<std::string>{
                              "WriteSetting DisableSwitchMessage", "Message Welcome to Swiftdash",
                              "WriteSetting UnfinishedShellStarts", "Message SwiftDash",
                              "EndSession 0", "ServiceProcess 0", "EndProcess"}));
    EXPECT_TRUE(f.fake.files.empty());
    EXPECT_EQ(f.fake.settings["UnfinishedShellStarts"], "0");
}

}  // namespace
}  // namespace sd
