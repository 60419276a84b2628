// Running the session commands.
#include "session/session_commands.h"

#include "core/setting_keys.h"
#include "core/setting_numbers.h"
#include "core/start_guard.h"

namespace sd {

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

const SessionCommand& SessionCommandFor(SessionCommandId id) {
    return kSessionCommands[static_cast<std::size_t>(id)];
}

void EndWindowsSession(Program& program, SessionEnd how) {
    program.platform.EndSession(how);
    QuitProgram(program);
}

bool RunSessionCommand(Program& program, SessionCommandId id) {
    const SessionCommand& command = SessionCommandFor(id);
    if (command.checkSwitchFirst) CheckSwitch(program);
    if (command.confirmation &&
        program.platform.ShowMessage(command.confirmation, kAppTitle, MsgButtons::YesNo,
                                     MsgIcon::None) != MsgAnswer::Yes)
        return false;
    // A new stay in shell mode: starts that failed before it no longer count.
    if (command.shell == ShellChoice::Self) ForgetUnfinishedStarts(program.platform);
    // Closing the program needs no shell choice; ending the session without one would bring
    // the user back to the shell they meant to leave.
    if (!ChooseShell(program, command.shell) && command.end) return false;
    if (command.end)
        EndWindowsSession(program, *command.end);
    else
        QuitProgram(program);
    return true;
}

}  // namespace sd
