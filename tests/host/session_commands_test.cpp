// The session commands: the order of their steps, the confirmation, and the first-switch box.
#include <gtest/gtest.h>

#include <algorithm>

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

TEST(SessionCommands, CloseSwiftDashAnsweredNoChangesNothing) {
    Fixture f;
    f.fake.answers.push_back(MsgAnswer::No);
    EXPECT_FALSE(RunSessionCommand(f.program, SessionCommandId::CloseSwiftDash));
    ASSERT_EQ(f.fake.messages.size(), 1u);
    EXPECT_EQ(f.fake.messages[0].text, "Are you sure you want to close SwiftDash?");
    EXPECT_EQ(f.fake.messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(f.fake.log, std::vector<std::string>{"Message SwiftDash"});
    EXPECT_EQ(f.fake.files[kIni], kBoot);
}

TEST(SessionCommands, FirstSwitchShowsTheExplanationOnceWritingItsMarkerFirst) {
    Fixture f;
    f.fake.settings["DisableSwitchMessage"] = "2";
    EnterSwiftDashMode(f.program);
    ASSERT_EQ(f.fake.messages.size(), 1u);
    EXPECT_EQ(f.fake.messages[0].title, "Welcome to Swiftdash");
    EXPECT_NE(f.fake.messages[0].text.find("you will se a small SwiftDash window"), std::string::npos);
    ASSERT_GE(f.fake.log.size(), 2u);
    EXPECT_EQ(f.fake.log[0], "WriteSetting DisableSwitchMessage");
    EXPECT_EQ(f.fake.log[1], "Message Welcome to Swiftdash");

    Fixture again;
    again.fake.settings["DisableSwitchMessage"] = "1.0";
    EnterSwiftDashMode(again.program);
    EXPECT_TRUE(again.fake.messages.empty());
}

TEST(SessionCommands, MissingSystemIniStillEndsTheSessionAndTrayModeDropsItsIcon) {
    Fixture f;
    f.fake.files.clear();
    f.program.vars.ShellMode = false;
    RestartWindows(f.program);
    EXPECT_EQ(f.fake.log, (std::vector<std::string>{"Message SwiftDash", "EndSession 2", "TrayDelete 1",
                                                    "ServiceProcess 0", "EndProcess"}));
    EXPECT_TRUE(f.fake.files.empty());
}

}  // namespace
}  // namespace sd
