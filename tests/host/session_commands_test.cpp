// The session commands: their steps in order, the confirmation, and the first-switch box.
#include <gtest/gtest.h>

#include "fake_platform.h"
#include "session/session_commands.h"

namespace sd {
namespace {

const std::string kIni = "C:\\WINDOWS\\system.ini";

struct Fixture {
    Fixture() {
        fake.files[kIni] = "[boot]\r\nshell=Explorer.exe\r\n";
        fake.settings["DisableSwitchMessage"] = "1";
        program.vars.ProgramDir = "C:\\WINDOWS";
        program.vars.ExeName = "SwiftDash";
        program.vars.ShellMode = true;
    }
    test::FakePlatform fake;
    Program program{fake};
};

TEST(SessionCommands, EachWritesItsShellLineThenEndsTheSessionThenQuits) {
    const struct {
        SessionCommandId id;
        const char* shell;  // nullptr: system.ini untouched
        std::vector<std::string> log;
    } cases[] = {
        {SessionCommandId::ReturnToWindows, "explorer.exe", {"EndSession 0", "ServiceProcess 0", "EndProcess"}},
        {SessionCommandId::ShutDownWindows, "explorer.exe", {"EndSession 1", "ServiceProcess 0", "EndProcess"}},
        {SessionCommandId::RestartWindows, "explorer.exe", {"EndSession 2", "ServiceProcess 0", "EndProcess"}},
        {SessionCommandId::RestartInSwiftDashMode, "SwiftDash", {"EndSession 2", "ServiceProcess 0", "EndProcess"}},
        {SessionCommandId::EnterSwiftDashMode, "SwiftDash", {"EndSession 0", "ServiceProcess 0", "EndProcess"}},
        {SessionCommandId::LogOff, nullptr, {"EndSession 0", "ServiceProcess 0", "EndProcess"}},
        {SessionCommandId::Restart, nullptr, {"EndSession 2", "ServiceProcess 0", "EndProcess"}},
        {SessionCommandId::ShutDown, nullptr, {"EndSession 1", "ServiceProcess 0", "EndProcess"}},
        {SessionCommandId::Close, nullptr, {"ServiceProcess 0", "EndProcess"}},
        {SessionCommandId::CloseSwiftDash, "explorer.exe", {"Message SwiftDash", "ServiceProcess 0", "EndProcess"}},
    };
    static_assert(std::size(cases) == std::size(kSessionCommands));
    for (const auto& c : cases) {
        SCOPED_TRACE(SessionCommandFor(c.id).name);
        Fixture f;
        EXPECT_TRUE(RunSessionCommand(f.program, c.id));
        EXPECT_EQ(f.fake.log, c.log);
        const std::string expected = c.shell ? std::string("[boot]\r\nshell=") + c.shell + "\r\n"
                                             : "[boot]\r\nshell=Explorer.exe\r\n";
        EXPECT_EQ(f.fake.files[kIni], expected);
    }
}

TEST(SessionCommands, CloseSwiftDashAnsweredNoChangesNothing) {
    Fixture f;
    f.fake.answers.push_back(MsgAnswer::No);
    EXPECT_FALSE(RunSessionCommand(f.program, SessionCommandId::CloseSwiftDash));
    ASSERT_EQ(f.fake.messages.size(), 1u);
    EXPECT_EQ(f.fake.messages[0].text, "Are you sure you want to close SwiftDash?");
    EXPECT_EQ(f.fake.messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(f.fake.messages[0].icon, MsgIcon::None);
    EXPECT_EQ(f.fake.log, std::vector<std::string>{"Message SwiftDash"});
    EXPECT_EQ(f.fake.files[kIni], "[boot]\r\nshell=Explorer.exe\r\n");
}

TEST(SessionCommands, FirstSwitchShowsTheExplanationOnceWritingItsMarkerFirst) {
    Fixture f;
    f.fake.settings["DisableSwitchMessage"] = "2";
    EnterSwiftDashMode(f.program);
    ASSERT_EQ(f.fake.messages.size(), 1u);
    EXPECT_EQ(f.fake.messages[0].title, "Welcome to Swiftdash");
    EXPECT_EQ(f.fake.messages[0].icon, MsgIcon::Information);
    EXPECT_NE(f.fake.messages[0].text.find("you will se a small SwiftDash window"), std::string::npos);
    EXPECT_EQ(f.fake.log.front(), "WriteSetting DisableSwitchMessage=1");
    EXPECT_EQ(f.fake.log[1], "Message Welcome to Swiftdash");

    Fixture again;
    again.fake.settings["DisableSwitchMessage"] = "1.0";
    EnterSwiftDashMode(again.program);
    EXPECT_TRUE(again.fake.messages.empty());
    EXPECT_EQ(again.fake.settings["DisableSwitchMessage"], "1.0");
}

TEST(SessionCommands, MissingSystemIniStillEndsTheSession) {
    Fixture f;
    f.fake.files.clear();
    RestartWindows(f.program);
    EXPECT_EQ(f.fake.log, (std::vector<std::string>{"Message SwiftDash", "EndSession 2",
                                                    "ServiceProcess 0", "EndProcess"}));
    EXPECT_TRUE(f.fake.files.empty());
}

TEST(SessionCommands, TrayModeRemovesTheIconBeforeQuitting) {
    Fixture f;
    f.program.vars.ShellMode = false;
    RunSessionCommand(f.program, SessionCommandId::Close);
    EXPECT_EQ(f.fake.log, (std::vector<std::string>{"TrayDelete 1", "ServiceProcess 0", "EndProcess"}));
}

}  // namespace
}  // namespace sd
