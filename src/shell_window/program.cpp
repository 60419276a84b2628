// Process-wide procedures: ending the program, and the first-switch explanation.
#include "shell_window/program.h"

#include "settings/setting_keys.h"
#include "settings/setting_numbers.h"

namespace sd {

void QuitProgram(Program& program) {
    Platform& platform = program.platform;
    if (!program.vars.ShellMode) platform.DeleteTrayIcon(program.iconPic, kTrayIconId);
    platform.SetServiceProcess(false);
    platform.EndProcess();
}

void CheckSwitch(Program& program) {
    Platform& platform = program.platform;
    if (IsSwitchMessageDisabled(platform.ReadSetting(keys::DisableSwitchMessage))) return;
    // The marker goes first, so a user who ends the program at the box is not asked again.
    platform.WriteSetting(keys::DisableSwitchMessage, "1");
    platform.ShowMessage(
        "This is the first time you are switching to SwiftDash mode. Windows is going to Log Off, "
        "press OK when it asks for a password and you will se a small SwiftDash window. To bring "
        "the main menu, right click on that window.",
        "Welcome to Swiftdash", MsgButtons::Ok, MsgIcon::Information);
}

}  // namespace sd
