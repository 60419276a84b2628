// Running the session commands.
#include "session/session_commands.h"

#include "session/set_shell.h"

namespace sd {

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
    switch (command.shell) {
        case ShellChoice::Keep: break;
        case ShellChoice::Explorer: SetShell(program, "explorer.exe"); break;
        case ShellChoice::Self: SetShell(program, program.vars.ExeName); break;
    }
    if (command.end)
        EndWindowsSession(program, *command.end);
    else
        QuitProgram(program);
    return true;
}

}  // namespace sd
