// The steps the program asks of the system, in order, on a machine in memory: the shell-line
// rewrite with its faults and crashes, the session commands, the crash-loop guard, the start-up list.
#include <gtest/gtest.h>

#include "core/setting_keys.h"
#include "core/start_guard.h"
#include "fake_platform.h"
#include "session/session_commands.h"
#include "session/set_shell.h"
#include "session/shell_line.h"
#include "shell_window/startup.h"
#include "shell_window/startup_items.h"

namespace sd {
namespace {

using Files = std::map<std::string, std::string>;
const std::string kIni = "C:\\WINDOWS\\system.ini";
const std::string kOld = "[boot]\r\nshell=Explorer.exe\r\nuser.exe=user.exe\n[x]\r\nShell=x";
const std::string kNew = "[boot]\r\nshell=SwiftDash\r\nuser.exe=user.exe\r\n[x]\r\nshell=SwiftDash\r\n";
const std::string kBox = "Message SwiftDash", kWelcome = "Message Welcome to Swiftdash";
const std::string kOff = "ServiceProcess 0", kEnd = "EndProcess";  // the program quits
const std::string kExplorer = "Start explorer.exe";
const std::string kBare = "[boot]\r\nuser.exe=user.exe";  // Windows starts Explorer

// A shell-mode process in C:\WINDOWS, with system.ini holding kOld.
struct Machine {
    Machine() {
        platform.folders.insert("C:\\WINDOWS");
        platform.files[kIni] = kOld;
        program.vars.ProgramDir = "C:\\WINDOWS";
        program.vars.ExeName = "SwiftDash";
        program.vars.ShellMode = true;
    }
    test::FakePlatform platform;
    Program program{platform};
};

struct FailingShellFile : ::testing::TestWithParam<bool> {};  // true: as on Windows 95/98, without an atomic replace

TEST_P(FailingShellFile, AFailureOrACrashAtAnyStepLeavesOldOrNewBytes) {
    for (const bool crash : {false, true}) {
        for (int step = 1; step <= 8; ++step) {
            SCOPED_TRACE((crash ? "crash at step " : "failure of step ") + std::to_string(step));
            Machine m;
            m.platform.win9x = GetParam();
            m.platform.failingStep = step;
            m.platform.crash = crash;
            const bool written = SetShell(m.program, "SwiftDash");
            const auto oldOrNew = [](test::FakePlatform& p) { return p.files[kIni] == kOld || p.files[kIni] == kNew; };
            EXPECT_TRUE(crash || oldOrNew(m.platform));  // a process that lives on has put the old file back itself
            EXPECT_EQ(written, m.platform.files.count(kIni) && m.platform.files[kIni] == kNew);
            EXPECT_EQ(m.platform.log.size(), written ? 0u : 1u);  // a box says why it failed

            // The next start finds whatever was left, and a later switch completes from there.
            Machine next;
            next.platform.files = m.platform.files;
            RecoverShellFile(next.platform, ShellFilesIn("C:\\WINDOWS"));
            EXPECT_TRUE(oldOrNew(next.platform));
            SetShell(next.program, "explorer.exe");
            EXPECT_EQ(next.platform.files, (Files{{kIni, RewriteShellLines(kOld, "explorer.exe")}}));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(ReplaceWays, FailingShellFile, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Win9x" : "Atomic"; });

template <SessionCommandId id>
bool Command(Program& program) { return RunSessionCommand(program, id); }

// A start after two unfinished ones gives Explorer back.
bool GuardGivesUp(Program& program) {
    const bool givesUp = MarkShellStart(program);
    if (givesUp) GiveExplorerBack(program);
    return givesUp;
}

enum class Setup { Plain, IniReadOnly, IniMissing, IniWithoutShellLine, UserShellLocked, AnswerNo, TrayMode };

// Run from shell mode, with two unfinished starts counted and another program as the user's
// shell. A choice not stored leaves the session alone, after one box that says why.
struct Case {
    const char* name;
    bool (*run)(Program&);
    WindowsFamily family = WindowsFamily::Win9x;
    Setup setup = Setup::Plain;
    std::vector<std::string> log;
    std::string said;                          // what the last box says
    std::string ini = kOld;                    // empty: no system.ini
    std::string userShell = "C:\\other.exe";
    std::string count = "2";                   // unfinished starts
};

TEST(ShellChoice, EachCommandAndTheGuardStoreItWhereTheLogOnReadsItOrLeaveTheSessionAlone) {
    using Id = SessionCommandId;
    using F = WindowsFamily;
    const std::string readOnly = kIni + " is read-only";
    const std::string self = RewriteShellLines(kOld, "SWIFTD~1"), explorer = RewriteShellLines(kOld, "explorer.exe");
    const Case cases[] = {
        {.name = "98 switch", .run = Command<Id::EnterSwiftDashMode>,
         .log = {kWelcome, "LogOff", kOff, kEnd}, .ini = self, .count = "0"},
        {.name = "98 switch, no system.ini", .run = Command<Id::EnterSwiftDashMode>, .setup = Setup::IniMissing,
         .log = {kWelcome, kBox}, .said = "Unable to find system.ini", .ini = ""},
        {.name = "98 switch, no shell line", .run = Command<Id::EnterSwiftDashMode>,
         .setup = Setup::IniWithoutShellLine, .log = {kWelcome, kBox}, .said = "has no shell= line", .ini = kBare},
        {.name = "98 return, no shell line", .run = Command<Id::ReturnToWindows>, .setup = Setup::IniWithoutShellLine,
         .log = {"LogOff", kOff, kEnd}, .ini = kBare + "\r\n"},
        {.name = "98 return, read-only", .run = Command<Id::ReturnToWindows>, .setup = Setup::IniReadOnly,
         .log = {kBox}, .said = readOnly},
        {.name = "98 shut down", .run = Command<Id::ShutDownWindows>,
         .log = {"ShutDown", kOff, kEnd}, .ini = explorer},
        {.name = "Close SwiftDash, No", .run = Command<Id::CloseSwiftDash>, .setup = Setup::AnswerNo,
         .log = {kBox}},
        {.name = "Close SwiftDash, read-only", .run = Command<Id::CloseSwiftDash>, .setup = Setup::IniReadOnly,
         .log = {kBox, kBox, kBox, kOff, kEnd}, .said = "Explorer could not be put back"},
        {.name = "tray Close", .run = Command<Id::Close>, .setup = Setup::TrayMode,
         .log = {"TrayDelete 1", kOff, kEnd}},
        {.name = "XP switch", .run = Command<Id::EnterSwiftDashMode>, .family = F::NT2000OrLater,
         .log = {kWelcome, "LogOff", kOff, kEnd}, .userShell = "\"C:\\Swift Dash\\SwiftDash.exe\"", .count = "0"},
        {.name = "XP switch, locked", .run = Command<Id::EnterSwiftDashMode>, .family = F::NT2000OrLater,
         .setup = Setup::UserShellLocked, .log = {kWelcome, kBox}, .said = "could not be written"},
        {.name = "XP restart, locked", .run = Command<Id::RestartWindows>, .family = F::NT2000OrLater,
         .setup = Setup::UserShellLocked, .log = {kBox}, .said = "could not be deleted"},
        {.name = "NT 4 return", .run = Command<Id::ReturnToWindows>, .family = F::NT4OrEarlier,
         .log = {"LogOff", kOff, kEnd}},
        {.name = "NT 4 switch", .run = Command<Id::EnterSwiftDashMode>, .family = F::NT4OrEarlier,
         .log = {kBox}, .said = "SwiftDash mode needs Windows 95, 98, Me or Windows 2000 and later."},
        // The guard; when the choice cannot be stored, the count stays for the next start.
        {.name = "98 guard", .run = GuardGivesUp,
         .log = {kBox, kExplorer, kOff, kEnd}, .said = "made your shell again", .ini = explorer, .count = "0"},
        {.name = "98 guard, read-only", .run = GuardGivesUp, .setup = Setup::IniReadOnly,
         .log = {kBox, kBox, kExplorer, kOff, kEnd}, .said = "change its shell= line", .count = "3"},
        {.name = "XP guard", .run = GuardGivesUp, .family = F::NT2000OrLater,
         .log = {kBox, kExplorer, kOff, kEnd}, .said = "made your shell again", .userShell = "", .count = "0"},
        {.name = "XP guard, locked", .run = GuardGivesUp, .family = F::NT2000OrLater, .setup = Setup::UserShellLocked,
         .log = {kBox, kBox, kExplorer, kOff, kEnd}, .said = "run regedit and delete the value Shell", .count = "3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Machine m;
        m.platform.family = c.family;
        m.platform.exeDir = "C:\\Swift Dash";
        m.platform.userShell = "C:\\other.exe";
        m.platform.settings[keys::UnfinishedShellStarts] = "2";
        m.platform.userShellLocked = c.setup == Setup::UserShellLocked;
        if (c.setup == Setup::IniReadOnly) m.platform.readOnly.insert(kIni);
        if (c.setup == Setup::IniMissing) m.platform.files.clear();
        if (c.setup == Setup::IniWithoutShellLine) m.platform.files[kIni] = kBare;
        if (c.setup == Setup::AnswerNo) m.platform.answers = {MsgAnswer::No};
        m.program.vars.ShellMode = c.setup != Setup::TrayMode;

        EXPECT_EQ(c.run(m.program), c.log.back() == kEnd);
        EXPECT_EQ(m.platform.log, c.log);
        const std::string last = m.platform.messages.empty() ? "" : m.platform.messages.back();
        EXPECT_NE(last.find(c.said), std::string::npos) << last;
        EXPECT_EQ(m.platform.files, (c.ini.empty() ? Files{} : Files{{kIni, c.ini}}));  // and nothing left beside it
        EXPECT_EQ(m.platform.userShell, c.userShell);
        EXPECT_EQ(m.platform.settings[keys::UnfinishedShellStarts], c.count);
        // The first switch's explanation shows once: its marker is written with it.
        EXPECT_EQ(m.platform.settings[keys::DisableSwitchMessage] == "1", c.log.front() == kWelcome);
    }
}

// The start-up list: the three items in order, empty ones skipped, one that does not start
// reported without stopping the others, then the folder in Explorer.
TEST(StartUpItems, StartInOrderThenTheFolder) {
    Machine m;
    m.platform.files = {{"C:\\A.EXE", ""}, {"C:\\B.EXE", ""}};
    m.platform.startFails = {"C:\\A.EXE"};
    m.platform.settings = {{keys::StartUpItem0, "C:\\A.EXE"}, {keys::StartUpItem2, "C:\\B.EXE"},
                           {keys::StartUpFolder, "C:\\Games"}};
    LaunchStartUpItems(m.program);
    EXPECT_EQ(m.platform.log, (std::vector<std::string>{"Start [C:\\A.EXE] C:\\A.EXE", kBox,
                                                        "Start [C:\\B.EXE] C:\\B.EXE", "Start explorer C:\\Games"}));
}

}  // namespace
}  // namespace sd
