// Writing and deleting the per-user shell value.
#include "session/user_shell.h"

namespace sd {

std::string UserShellCommandLine(const std::string& exePath) {
    return exePath.find(' ') == std::string::npos ? exePath : "\"" + exePath + "\"";
}

bool SetUserShell(Program& program, bool self) {
    Platform& platform = program.platform;
    if (self ? platform.WriteUserShell(UserShellCommandLine(platform.ExecutablePath()))
             : platform.DeleteUserShell())
        return true;
    platform.ShowMessage(
        self ? "Unable to make SwiftDash your shell: the value Shell under HKEY_CURRENT_USER\\Software\\"
               "Microsoft\\Windows NT\\CurrentVersion\\Winlogon could not be written. Nothing has been "
               "changed."
             : "Unable to give Explorer back: the value Shell under HKEY_CURRENT_USER\\Software\\Microsoft\\"
               "Windows NT\\CurrentVersion\\Winlogon could not be deleted. Delete it with regedit, and "
               "Explorer comes back at your next log-on.",
        kAppTitle, MsgButtons::Ok, MsgIcon::Stop);
    return false;
}

}  // namespace sd
