// The start-up sequence: the main window's load handler, and the checks it runs.
#include <windows.h>

#include "core/setting_keys.h"
#include "core/setting_numbers.h"
#include "core/start_guard.h"
#include "menus/menu_commands.h"
#include "session/start_rule.h"
#include "session/session_commands.h"
#include "session/set_shell.h"
#include "session/shell_choice.h"
#include "shell_window/frm_main.h"
#include "shell_window/frm_main_controls.h"
#include "shell_window/run_mode.h"
#include "shell_window/startup_items.h"

namespace sd {

void CheckVersion(Program& program, Dialogs& dialogs) {
    Platform& platform = program.platform;
    if (!IsFirstRun(platform.ReadSetting(keys::Version))) return;
    // The marker goes first, so a user who ends the program at the box is not asked again.
    platform.WriteSetting(keys::Version, kCurrentVersionText);
    platform.ShowMessage(
        "It appears that you are running SwiftDash for the first time. Please set your options",
        kAppTitle, MsgButtons::Ok, MsgIcon::None);
    dialogs.options.Show();
}

void HideFromTaskList(Program& program) { program.platform.SetServiceProcess(true); }

namespace {

// The session goes on with Explorer, started the way a log-on starts it.
void HandToExplorer(Program& program) {
    program.platform.StartProgram(ProgramStartFor("explorer.exe"));
    QuitProgram(program);
}

// How to give Explorer back by hand, where this Windows keeps the shell choice.
std::string MendShellByHand(Program& program) {
    if (program.platform.Family() == WindowsFamily::NT2000OrLater)
        return "To mend it by hand, run regedit and delete the value Shell under "
               "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon.";
    return "To mend it by hand, open " + ShellFilesIn(program.vars.ProgramDir).ini +
           " in Notepad (clear its read-only attribute first if it has one) and change its "
           "shell= line to shell=explorer.exe.";
}

// Two shell-mode starts in a row never got going: rather than fail a third time, hand the
// session back to Explorer, now and from the next log-on.
void GiveExplorerBack(Program& program) {
    Platform& platform = program.platform;
    if (ChooseShell(program, ShellChoice::Explorer)) {
        platform.ShowMessage(
            "SwiftDash did not start properly the last two times. Explorer has been made your "
            "shell again and will come back at your next log-on; it is started now for this "
            "session.",
            kAppTitle, MsgButtons::Ok, MsgIcon::Information);
    } else {
        platform.ShowMessage(
            "SwiftDash did not start properly the last two times, and Explorer could not be made "
            "your shell again. " + MendShellByHand(program) + " Explorer is started now for this "
                "session; until the shell is mended, each log-on starts SwiftDash, which hands "
                "over to Explorer again.",
            kAppTitle, MsgButtons::Ok, MsgIcon::Stop);
        // The count stays: the next start gives up again rather than run into the fault.
        program.shellStartMarked = false;
    }
    HandToExplorer(program);
}

void ReadCachedSettings(Program& program) {
    Platform& platform = program.platform;
    ProgramState& vars = program.vars;
    vars.DoubleClickAction = ReadDoubleClickAction(platform.ReadSetting(keys::DoubleClickOnMainWindow));
    vars.DoubleClickFile = platform.ReadSetting(keys::DoubleClickOpenFile);
    vars.StartMenuFolderPath = platform.ReadSetting(keys::StartMenuFolder);
    vars.DesktopFolderPath = platform.ReadSetting(keys::DesktopFolder);
    vars.ExplorerPathValue = platform.ReadSetting(keys::ExplorerPath);
}

}  // namespace

void frmMain::Form_Load() {
    Program& program = program_;
    Platform& platform = program.platform;
    ProgramState& vars = program.vars;

    SetWindowPos(hwnd_, nullptr, TwipsToPixels(kMainLeftTwips, host_.dpi()),
                 TwipsToPixels(kMainTopTwips, host_.dpi()), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    vars.ProgramDir = platform.ExecutableDirectory();
    // A replace of system.ini cut short by a crash or power loss is finished first.
    RecoverShellFile(platform, ShellFilesIn(vars.ProgramDir));
    iconPic_.SetPicture(icon_);
    program.iconPic = iconPic_.hwnd();
    vars.ShellMode = true;
    vars.ExeName = platform.ExecutableBaseName();
    ReadCachedSettings(program);

    runMode_ = RunModeFor(platform.CommandLineArguments());
    switch (runMode_) {
        case RunMode::Options:
            ShowWindow(hwnd_, SW_HIDE);
            dialogs_.options.Show();
            while (dialogs_.options.IsVisible() && host_.PumpMessage()) {
            }
            platform.EndProcess();
            return;
        case RunMode::Tray:
            if (platform.AnotherInstanceRunning()) {
                QuitProgram(program);
                return;
            }
            vars.ShellMode = false;
            CreateIcon();
            ShowWindow(hwnd_, SW_HIDE);
            CheckVersion(program, dialogs_);
            return;
        case RunMode::Switch:
            CheckSwitch(program);
            // A switch that did not take has said why; this run ends without a log-off.
            if (!mnuSwiftDashMode_Click(program)) QuitProgram(program);
            return;
        case RunMode::Shell:
            // A user who starts Windows in Safe Mode is mending something: no SwiftDash then,
            // and system.ini as it is.
            if (platform.SafeMode()) {
                HandToExplorer(program);
                return;
            }
            if (platform.AnotherInstanceRunning()) {
                QuitProgram(program);
                return;
            }
            // Marked before anything else can fail; cleared once the shell has run a while.
            if (MarkShellStart(program)) {
                GiveExplorerBack(program);
                return;
            }
            // Before anything is started: an Explorer of the start-up folder must find the
            // shell window taken.
            platform.AnnounceShell(host_.hiddenOwner());
            CheckVersion(program, dialogs_);
            // Shift held skips the user's start-up list, as it does Windows' own StartUp group.
            if (!platform.ShiftKeyDown()) LaunchStartUpItems(program);
            HideFromTaskList(program);
            SetTimer(hwnd_, kStartSettledTimer, kStartSettleMilliseconds, nullptr);
            break;
        case RunMode::MainWindowOnly:
            break;
    }
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    UpdateWindow(hwnd_);
}

}  // namespace sd
