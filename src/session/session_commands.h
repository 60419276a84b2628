// The fixed sequences that end the Windows session or the program.
#pragma once

#include <optional>

#include "core/program.h"
#include "platform/platform.h"
#include "session/shell_choice.h"

namespace sd {

enum class SessionCommandId {
    ReturnToWindows,
    ShutDownWindows,
    RestartWindows,
    RestartInSwiftDashMode,
    EnterSwiftDashMode,
    LogOff,
    Restart,
    ShutDown,
    Close,
    CloseSwiftDash,
    Count
};

struct SessionCommand {
    SessionCommandId id;              // the row's own id, checked against its place below
    bool checkSwitchFirst;            // the once-per-user explanation before anything else
    const char* confirmation;         // a Yes/No question that must be answered Yes, or null
    ShellChoice shell;                // what the next log-on's shell becomes first
    std::optional<SessionEnd> end;    // the session end asked for; none: the program just quits
};

inline constexpr SessionCommand kSessionCommands[] = {
    {SessionCommandId::ReturnToWindows, false, nullptr, ShellChoice::Explorer, SessionEnd::LogOff},
    {SessionCommandId::ShutDownWindows, false, nullptr, ShellChoice::Explorer, SessionEnd::ShutDown},
    {SessionCommandId::RestartWindows, false, nullptr, ShellChoice::Explorer, SessionEnd::Reboot},
    {SessionCommandId::RestartInSwiftDashMode, false, nullptr, ShellChoice::Self, SessionEnd::Reboot},
    {SessionCommandId::EnterSwiftDashMode, true, nullptr, ShellChoice::Self, SessionEnd::LogOff},
    {SessionCommandId::LogOff, false, nullptr, ShellChoice::Keep, SessionEnd::LogOff},
    {SessionCommandId::Restart, false, nullptr, ShellChoice::Keep, SessionEnd::Reboot},
    {SessionCommandId::ShutDown, false, nullptr, ShellChoice::Keep, SessionEnd::ShutDown},
    {SessionCommandId::Close, false, nullptr, ShellChoice::Keep, std::nullopt},
    {SessionCommandId::CloseSwiftDash, false, "Are you sure you want to close SwiftDash?",
     ShellChoice::Explorer, std::nullopt},
};

constexpr bool SessionCommandsInIdOrder() {
    if (std::size(kSessionCommands) != static_cast<std::size_t>(SessionCommandId::Count)) return false;
    for (std::size_t i = 0; i < std::size(kSessionCommands); ++i)
        if (kSessionCommands[i].id != static_cast<SessionCommandId>(i)) return false;
    return true;
}
static_assert(SessionCommandsInIdOrder());

// Shows the first-switch explanation once per user, writing its marker first.
void CheckSwitch(Program& program);

const SessionCommand& SessionCommandFor(SessionCommandId id);

// Runs the command's steps in order: explanation, confirmation, shell choice, session end,
// QuitProgram. Returns false when the user answered No to the confirmation, or when the shell
// choice was not stored: then the session is not ended and the program goes on.
bool RunSessionCommand(Program& program, SessionCommandId id);

// Asks the system to end the session that way, then QuitProgram.
void EndWindowsSession(Program& program, SessionEnd how);

}  // namespace sd
