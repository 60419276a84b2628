// The session commands: the order of their steps and what each leaves in system.ini and the
// crash-loop guard's count; the first-switch box shown once, its marker first; a missing
// system.ini.
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

// Only a switch into shell mode forgets the guard's count; a quit of a run that marked no
// start of its own leaves it.
TEST(SessionCommands, BoxThenShellLineThenSessionEndThenQuit) {
    const std::vector<std::string> quit = {"ServiceProcess 0", "EndProcess"};
    const struct {
        SessionCommandId id; MsgAnswer answer; std::vector<std::string> log; const char* shell;
        const char* count;
    } cases[] = {
        {SessionCommandId::CloseSwiftDash, MsgAnswer::No, {"Message SwiftDash"}, "Explorer.exe", "2"},
        {SessionCommandId::CloseSwiftDash, MsgAnswer::Yes, {"Message SwiftDash"}, "explorer.exe", "2"},
        {SessionCommandId::LogOff, MsgAnswer::Yes, {"EndSession 0"}, "Explorer.exe", "2"},
        {SessionCommandId::RestartInSwiftDashMode, MsgAnswer::Yes,
         {"WriteSetting UnfinishedShellStarts", "EndSession 2"}, "SwiftDash", "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(SessionCommandFor(c.id).name);
        Fixture f;
        f.fake.answers = {c.answer};
        EXPECT_EQ(RunSessionCommand(f.program, c.id), c.answer == MsgAnswer::Yes);
        std::vector<std::string> log = c.log;
        if (c.answer == MsgAnswer::Yes) log.insert(log.end(), quit.begin(), quit.end());
        EXPECT_EQ(f.fake.log, log);
        EXPECT_EQ(f.fake.files[kIni], std::string("[boot]\r\nshell=") + c.shell + "\r\n");
        EXPECT_EQ(f.fake.settings["UnfinishedShellStarts"], c.count);
    }
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
    Fixture again;
    again.fake.settings["DisableSwitchMessage"] = "1.0";
    EnterSwiftDashMode(again.program);
    EXPECT_EQ(again.fake.log[0], "WriteSetting UnfinishedShellStarts");
}

}  // namespace
}  // namespace sd
