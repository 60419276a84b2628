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
    SessionCommandId id;
    const char* name;
    bool checkSwitchFirst;            // the once-per-user explanation before anything else
    const char* confirmation;         // a Yes/No question that must be answered Yes, or null
    ShellChoice shell;                // what the next log-on's shell becomes first
    std::optional<SessionEnd> end;    // the session end asked for; none: the program just quits
};

inline constexpr SessionCommand kSessionCommands[] = {
    {SessionCommandId::ReturnToWindows, "ReturnToWindows", false, nullptr, ShellChoice::Explorer, SessionEnd::LogOff},
    {SessionCommandId::ShutDownWindows, "ShutDownWindows", false, nullptr, ShellChoice::Explorer, SessionEnd::ShutDown},
    {SessionCommandId::RestartWindows, "RestartWindows", false, nullptr, ShellChoice::Explorer, SessionEnd::Reboot},
    {SessionCommandId::RestartInSwiftDashMode, "RestartInSwiftDashMode", false, nullptr, ShellChoice::Self, SessionEnd::Reboot},
    {SessionCommandId::EnterSwiftDashMode, "EnterSwiftDashMode", true, nullptr, ShellChoice::Self, SessionEnd::LogOff},
    {SessionCommandId::LogOff, "Log off", false, nullptr, ShellChoice::Keep, SessionEnd::LogOff},
    {SessionCommandId::Restart, "Restart", false, nullptr, ShellChoice::Keep, SessionEnd::Reboot},
    {SessionCommandId::ShutDown, "Shut down", false, nullptr, ShellChoice::Keep, SessionEnd::ShutDown},
    {SessionCommandId::Close, "Close", false, nullptr, ShellChoice::Keep, std::nullopt},
    {SessionCommandId::CloseSwiftDash, "Close SwiftDash", false, "Are you sure you want to close SwiftDash?",
     ShellChoice::Explorer, std::nullopt},
};
static_assert(std::size(kSessionCommands) == static_cast<std::size_t>(SessionCommandId::Count));

// Shows the first-switch explanation once per user, writing its marker first.
void CheckSwitch(Program& program);

const SessionCommand& SessionCommandFor(SessionCommandId id);

// Runs the command's steps in order: explanation, confirmation, shell choice, session end,
// QuitProgram. Returns false when the user answered No to the confirmation, or when the shell
// choice was not stored: then the session is not ended and the program goes on.
bool RunSessionCommand(Program& program, SessionCommandId id);

// ExitWindowsEx(how, 1), result not examined, then QuitProgram.
void EndWindowsSession(Program& program, SessionEnd how);

inline void ReturnToWindows(Program& p) { RunSessionCommand(p, SessionCommandId::ReturnToWindows); }
inline void ShutDownWindows(Program& p) { RunSessionCommand(p, SessionCommandId::ShutDownWindows); }
inline void RestartWindows(Program& p) { RunSessionCommand(p, SessionCommandId::RestartWindows); }
inline void RestartInSwiftDashMode(Program& p) { RunSessionCommand(p, SessionCommandId::RestartInSwiftDashMode); }
inline bool EnterSwiftDashMode(Program& p) { return RunSessionCommand(p, SessionCommandId::EnterSwiftDashMode); }

}  // namespace sd
