// Running the session commands.
#include "session/session_commands.h"

#include "core/setting_keys.h"
#include "core/setting_numbers.h"
#include "core/start_guard.h"

namespace sd {

void CheckSwitch(Program& program) {
    Platform& platform = program.platform;
    if (IsSwitchMessageDisabled(platform.ReadSetting(keys::DisableSwitchMessage))) return;
    // NT 4.0 refuses the switch with a box of its own: no promise of a log-off before it.
    if (platform.Family() == WindowsFamily::NT4OrEarlier) return;
    // The marker goes first, so a user who ends the program at the box is not asked again.
    platform.WriteSetting(keys::DisableSwitchMessage, "1");
    platform.ShowMessage(
        "This is the first time you are switching to SwiftDash mode. Windows is going to Log Off, "
        "press OK when it asks for a password and you will se a small SwiftDash window. To bring "
        "the main menu, right click on that window.",
        "Welcome to Swiftdash", MsgButtons::Ok, MsgIcon::Information);
}

const SessionCommand& SessionCommandFor(SessionCommandId id) {
    return kSessionCommands[static_cast<std::size_t>(id)];
}

void EndWindowsSession(Program& program, SessionEnd how) {
    program.platform.EndSession(how);
    QuitProgram(program);
}

bool RunSessionCommand(Program& program, SessionCommandId id) {
    Platform& platform = program.platform;
    const SessionCommand& command = SessionCommandFor(id);
    if (command.checkSwitchFirst) CheckSwitch(program);
    if (command.confirmation &&
        platform.ShowMessage(command.confirmation, kAppTitle, MsgButtons::YesNo, MsgIcon::None) !=
            MsgAnswer::Yes)
        return false;
    const bool stored = ChooseShell(program, command.shell);
    // A new stay in shell mode: starts that failed before it no longer count.
    if (stored && command.shell == ShellChoice::Self) ForgetUnfinishedStarts(platform);
    // The reason has been shown; ending the session now would bring the user back to the shell
    // they meant to leave.
    if (!stored && command.end) return false;
    if (!stored)
        platform.ShowMessage("SwiftDash closes now, but Explorer could not be put back as your "
                             "shell: the next log-on starts SwiftDash again.",
                             kAppTitle, MsgButtons::Ok, MsgIcon::Information);
    if (command.end)
        EndWindowsSession(program, *command.end);
    else
        QuitProgram(program);
    return true;
}

}  // namespace sd
