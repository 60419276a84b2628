// The steps of the start-up sequence that the main window's load handler runs.
#include "shell_window/startup.h"

#include "core/setting_keys.h"
#include "session/set_shell.h"
#include "session/shell_choice.h"
#include "session/start_rule.h"

namespace sd {

void HideFromTaskList(Program& program) { program.platform.SetServiceProcess(true); }

void HandToExplorer(Program& program) {
    program.platform.StartProgram(ProgramStartFor("explorer.exe"));
    QuitProgram(program);
}

namespace {

// How to give Explorer back by hand, where this Windows keeps the shell choice.
std::string MendShellByHand(Program& program) {
    if (program.platform.Family() == WindowsFamily::NT2000OrLater)
        return "To mend it by hand, run regedit and delete the value Shell under "
               "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon.";
    return "To mend it by hand, open " + ShellFilesIn(program.vars.ProgramDir).ini +
           " in Notepad (clear its read-only attribute first if it has one) and change its "
           "shell= line to shell=explorer.exe.";
}

}  // namespace

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

}  // namespace sd
