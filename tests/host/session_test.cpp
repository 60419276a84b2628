// The steps the program asks of the system, in order, on a machine in memory: the shell-line
// rewrite with its faults and crashes, the session commands, the crash-loop guard, the
// start-up list.
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

const std::string kIni = "C:\\WINDOWS\\system.ini";
const std::string kOld = "[boot]\r\nshell=Explorer.exe\r\nuser.exe=user.exe\n[x]\r\nShell=x";
const std::string kNew = "[boot]\r\nshell=SwiftDash\r\nuser.exe=user.exe\r\n[x]\r\nshell=SwiftDash\r\n";
const std::vector<std::string> kQuit = {"ServiceProcess 0", "EndProcess"};

// A shell-mode process in C:\WINDOWS, with system.ini holding `ini`.
struct Machine {
    explicit Machine(const std::string& ini = kOld) {
        platform.folders.insert("C:\\WINDOWS");
        platform.files[kIni] = ini;
        program.vars.ProgramDir = "C:\\WINDOWS";
        program.vars.ExeName = "SwiftDash";
        program.vars.ShellMode = true;
    }
    std::vector<std::string> Log(std::vector<std::string> log, bool quits) const {
        if (quits) log.insert(log.end(), kQuit.begin(), kQuit.end());
        return log;
    }
    test::FakePlatform platform;
    Program program{platform};
};

std::vector<std::string> FilesBesideIni(const test::FakePlatform& platform) {
    std::vector<std::string> names;
    for (const auto& [name, bytes] : platform.files)
        if (name != kIni) names.push_back(name);
    return names;
}

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
            // It tells the truth, and says why when it failed.
            EXPECT_EQ(written, m.platform.files.count(kIni) && m.platform.files[kIni] == kNew);
            EXPECT_EQ(m.platform.log.size(), written ? 0u : 1u);

            // The next start finds whatever was left, and a later switch completes from there.
            Machine next;
            next.platform.files = m.platform.files;
            RecoverShellFile(next.platform, ShellFilesIn("C:\\WINDOWS"));
            EXPECT_TRUE(oldOrNew(next.platform));
            EXPECT_FALSE(next.platform.files.count("C:\\WINDOWS\\temp11.bak"));
            SetShell(next.program, "explorer.exe");
            EXPECT_EQ(next.platform.files[kIni], RewriteShellLines(kOld, "explorer.exe"));
            EXPECT_EQ(FilesBesideIni(next.platform), std::vector<std::string>{});
        }
    }
}

INSTANTIATE_TEST_SUITE_P(ReplaceWays, FailingShellFile, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Win9x" : "Atomic"; });

// A read-only system.ini: every command that writes the shell line says so in one box naming
// the file and ends no session; only "Close SwiftDash" still quits, saying that Explorer is not
// back. The file keeps its bytes and nothing is left beside it. A missing one says so too.
TEST(SessionCommands, AShellLineThatCannotBeWrittenEndsNoSession) {
    const struct { SessionCommandId id; bool missing; std::vector<std::string> log; } cases[] = {
        {SessionCommandId::ReturnToWindows, false, {"Message SwiftDash"}},
        {SessionCommandId::RestartInSwiftDashMode, false, {"Message SwiftDash"}},
        {SessionCommandId::EnterSwiftDashMode, true, {"Message Welcome to Swiftdash", "Message SwiftDash"}},
        {SessionCommandId::CloseSwiftDash, false,
         {"Message SwiftDash", "Message SwiftDash", "Message SwiftDash", kQuit[0], kQuit[1]}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.id));
        Machine m("[boot]\r\nshell=SwiftDash\r\n");
        if (c.missing) m.platform.files.clear();
        m.platform.readOnly.insert(kIni);
        EXPECT_EQ(RunSessionCommand(m.program, c.id), c.id == SessionCommandId::CloseSwiftDash);
        EXPECT_EQ(m.platform.log, c.log);
        const std::string& why = m.platform.messages[c.log.size() > 2 ? 1 : c.log.size() - 1];
        const std::string said = c.missing ? "Unable to find system.ini" : kIni + " is read-only";
        EXPECT_NE(why.find(said), std::string::npos) << why;
        if (!c.missing) EXPECT_EQ(m.platform.files[kIni], "[boot]\r\nshell=SwiftDash\r\n");
        EXPECT_EQ(FilesBesideIni(m.platform), std::vector<std::string>{});
    }
}

// The steps of each kind of command: the explanation once, a confirmation that stops on No, the
// shell line, the session end, the quit; a switch into shell mode forgets failed starts.
TEST(SessionCommands, RunTheirStepsInOrder) {
    Machine m;
    m.platform.settings[keys::UnfinishedShellStarts] = "2";
    EXPECT_TRUE(RunSessionCommand(m.program, SessionCommandId::EnterSwiftDashMode));
    EXPECT_EQ(m.platform.log, m.Log({"Message Welcome to Swiftdash", "LogOff"}, true));
    EXPECT_EQ(m.platform.files[kIni], RewriteShellLines(kOld, "SWIFTD~1"));  // the 16-bit loader's name
    EXPECT_EQ(m.platform.settings[keys::DisableSwitchMessage], "1");
    EXPECT_EQ(m.platform.settings[keys::UnfinishedShellStarts], "0");

    m.platform.log.clear();
    m.platform.answers = {MsgAnswer::No};
    EXPECT_FALSE(RunSessionCommand(m.program, SessionCommandId::CloseSwiftDash));
    EXPECT_EQ(m.platform.log, std::vector<std::string>{"Message SwiftDash"});
    EXPECT_EQ(m.platform.files[kIni], RewriteShellLines(kOld, "SWIFTD~1"));

    m.platform.log.clear();
    EXPECT_TRUE(RunSessionCommand(m.program, SessionCommandId::ShutDownWindows));
    EXPECT_EQ(m.platform.log, m.Log({"ShutDown"}, true));
    EXPECT_EQ(m.platform.files[kIni], RewriteShellLines(kOld, "explorer.exe"));

    m.platform.log.clear();
    m.program.vars.ShellMode = false;  // tray mode's Close takes its icon away first
    EXPECT_TRUE(RunSessionCommand(m.program, SessionCommandId::Close));
    EXPECT_EQ(m.platform.log, m.Log({"TrayDelete 1"}, true));
}

// Each Windows family keeps the shell choice where its log-on reads it: system.ini, the user's
// own value (the exe's path, quoted for its blank), or nowhere on NT 4.0, which has nothing to
// undo on a return. A choice not stored leaves the session alone; Close still closes.
TEST(ShellChoice, EachFamilyStoresItWhereItsLogOnReadsItOrLeavesTheSessionAlone) {
    using F = WindowsFamily;
    const std::vector<std::string> refused = {"Message SwiftDash"};
    const struct {
        const char* name;
        F family;
        SessionCommandId command;
        bool locked;
        std::string ini, userShell;
        std::vector<std::string> log;
    } cases[] = {
        {"98", F::Win9x, SessionCommandId::EnterSwiftDashMode, false, RewriteShellLines(kOld, "SWIFTD~1"), "C:\\other.exe",
         {"LogOff", kQuit[0], kQuit[1]}},
        {"XP", F::NT2000OrLater, SessionCommandId::EnterSwiftDashMode, false, kOld, "\"C:\\Swift Dash\\SwiftDash.exe\"",
         {"LogOff", kQuit[0], kQuit[1]}},
        {"XP, locked: no switch", F::NT2000OrLater, SessionCommandId::EnterSwiftDashMode, true, kOld, "C:\\other.exe", refused},
        {"XP, locked: no restart", F::NT2000OrLater, SessionCommandId::RestartWindows, true, kOld, "C:\\other.exe", refused},
        {"XP, locked: Close closes", F::NT2000OrLater, SessionCommandId::CloseSwiftDash, true, kOld, "C:\\other.exe",
         {"Message SwiftDash", "Message SwiftDash", "Message SwiftDash", kQuit[0], kQuit[1]}},
        {"NT 4", F::NT4OrEarlier, SessionCommandId::ReturnToWindows, false, kOld, "C:\\other.exe", {"LogOff", kQuit[0], kQuit[1]}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Machine m;
        m.platform.family = c.family;
        m.platform.userShellLocked = c.locked;
        m.platform.userShell = "C:\\other.exe";
        m.platform.exeDir = "C:\\Swift Dash";
        m.platform.settings[keys::DisableSwitchMessage] = "1";
        RunSessionCommand(m.program, c.command);
        EXPECT_EQ(m.platform.files[kIni], c.ini);
        EXPECT_EQ(m.platform.userShell, c.userShell);
        EXPECT_EQ(m.platform.log, c.log);
    }
}

// Two unfinished starts give Explorer back; when system.ini cannot be written the box says how
// to mend it and the count stays for the next start.
TEST(StartGuard, GivesExplorerBackAndKeepsTheCountWhenSystemIniCannotBeWritten) {
    for (const bool readOnly : {false, true}) {
        SCOPED_TRACE(readOnly);
        Machine m("[boot]\r\nshell=SwiftDash\r\n");
        if (readOnly) m.platform.readOnly.insert(kIni);
        m.platform.settings[keys::UnfinishedShellStarts] = "2";
        ASSERT_TRUE(MarkShellStart(m.program));
        GiveExplorerBack(m.program);
        const std::vector<std::string> boxes(readOnly ? 2 : 1, "Message SwiftDash");
        std::vector<std::string> log = boxes;
        log.push_back("Start explorer.exe");
        EXPECT_EQ(m.platform.log, m.Log(log, true));
        EXPECT_NE(m.platform.messages.back().find(readOnly ? "change its shell= line" : "made your shell again"),
                  std::string::npos);
        EXPECT_EQ(m.platform.settings[keys::UnfinishedShellStarts], readOnly ? "3" : "0");
        EXPECT_EQ(m.platform.files[kIni], readOnly ? "[boot]\r\nshell=SwiftDash\r\n" : "[boot]\r\nshell=explorer.exe\r\n");
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
    EXPECT_EQ(m.platform.log, (std::vector<std::string>{"Start [C:\\A.EXE] C:\\A.EXE", "Message SwiftDash",
                                                        "Start [C:\\B.EXE] C:\\B.EXE", "Start explorer C:\\Games"}));
}

}  // namespace
}  // namespace sd
