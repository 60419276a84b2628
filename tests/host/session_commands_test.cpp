// The session commands: the order of their steps and what each leaves in system.ini and the
// settings; the first-switch box shown once, its marker first; a missing system.ini.
#include <gtest/gtest.h>

#include "fake_platform.h"
#include "session/session_commands.h"

namespace sd {
namespace {

const std::string kIni = "C:\\WINDOWS\\system.ini";
const std::string kBoot = "[boot]\r\nshell=Explorer.exe\r\n";

// Writes to the settings are logged too, to see what comes before a message box.
struct Fake : test::FakePlatform {
    void WriteSetting(const std::string& key, const std::string& value) override {
        Record("WriteSetting " + key);
        test::FakePlatform::WriteSetting(key, value);
    }
};

struct Fixture {
    Fixture() {
        fake.files[kIni] = kBoot;
        fake.settings["DisableSwitchMessage"] = "1";
        fake.settings["UnfinishedShellStarts"] = "2";
        program.vars.ProgramDir = "C:\\WINDOWS";
        program.vars.ExeName = "SwiftDash";
        program.vars.ShellMode = true;
    }
    Fake fake;
    Program program{fake};
};

TEST(SessionCommands, ShellLineThenSessionEndThenQuitInThatOrder) {
    for (const SessionCommand& command : kSessionCommands) {
        SCOPED_TRACE(command.name);
        Fixture f;
        EXPECT_TRUE(RunSessionCommand(f.program, command.id));
        std::vector<std::string> expected;
        if (command.confirmation) expected.push_back("Message SwiftDash");
        const bool self = command.shell == ShellChoice::Self;
        if (self) expected.push_back("WriteSetting UnfinishedShellStarts");
        if (command.end) expected.push_back("EndSession " + std::to_string(static_cast<unsigned>(*command.end)));
        expected.insert(expected.end(), {"ServiceProcess 0", "EndProcess"});
        EXPECT_EQ(f.fake.log, expected);
        const char* shell = command.shell == ShellChoice::Explorer ? "explorer.exe"
                            : command.shell == ShellChoice::Self   ? "SwiftDash"
                                                                   : "Explorer.exe";
        EXPECT_EQ(f.fake.files[kIni], std::string("[boot]\r\nshell=") + shell + "\r\n");
        // A switch into shell mode forgets the crash-loop guard's count; nothing else does.
        EXPECT_EQ(f.fake.settings["UnfinishedShellStarts"], self ? "0" : "2");
    }
}

TEST(SessionCommands, FirstSwitchExplainsOnceAndAMissingSystemIniStillEndsTheSession) {
    Fixture f;
    f.fake.settings["DisableSwitchMessage"] = "2";
    f.fake.files.clear();
    EnterSwiftDashMode(f.program);
    EXPECT_EQ(f.fake.log, (std::vector<std::string>{"WriteSetting DisableSwitchMessage",
                                                    "Message Welcome to Swiftdash",
                                                    "WriteSetting UnfinishedShellStarts", "Message SwiftDash", "EndSession 0",
                                                    "ServiceProcess 0", "EndProcess"}));
    EXPECT_TRUE(f.fake.files.empty());
    Fixture again;
    again.fake.settings["DisableSwitchMessage"] = "1.0";
    EnterSwiftDashMode(again.program);
    EXPECT_TRUE(again.fake.messages.empty());
}

}  // namespace
}  // namespace sd
