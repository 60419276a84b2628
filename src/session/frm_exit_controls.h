// The Exit dialog's size and controls, in twips, and what its OK button runs.
#pragma once

#include "session/session_commands.h"
#include "ui/control_table.h"

namespace sd {

inline constexpr int kExitClientWidthTwips = 3900;
inline constexpr int kExitClientHeightTwips = 3345;

enum class ExitControl {
    Image1, Label1, fraOptions, optLogoffWindows, optShutDown, optRestart, optRestartInSwiftDashMode,
    optCloseSwiftDash, cmdOK, cmdCancel, Count
};

inline constexpr ControlSpec kExitControls[] = {
    {ExitControl::Image1, ControlKind::Image, "", 120, 120, 480, 480, kNoTabIndex, kOnWindow, true},
    {ExitControl::Label1, ControlKind::Label, "What do you want SwiftDash to do?", 840, 120, 2670, 195, 2, kOnWindow, true},
    {ExitControl::fraOptions, ControlKind::Frame, "", 600, 600, 3015, 2175, 3, kOnWindow, true},
    {ExitControl::optLogoffWindows, ControlKind::OptionButton, "Return to Windows", 240, 240, 1695, 255, 6, ExitControl::fraOptions, true},
    {ExitControl::optShutDown, ControlKind::OptionButton, "Shut Down", 240, 600, 1215, 255, 5, ExitControl::fraOptions, true},
    {ExitControl::optRestart, ControlKind::OptionButton, "Restart", 240, 960, 975, 255, 4, ExitControl::fraOptions, true},
    {ExitControl::optRestartInSwiftDashMode, ControlKind::OptionButton, "Restart in SwiftDash mode", 240, 1320, 2295, 195, 8, ExitControl::fraOptions, true},
    {ExitControl::optCloseSwiftDash, ControlKind::OptionButton, "Close SwiftDash", 240, 1680, 1695, 255, 7, ExitControl::fraOptions, true},
    {ExitControl::cmdOK, ControlKind::CommandButton, "OK", 720, 2880, 1335, 375, 0, kOnWindow, true},
    {ExitControl::cmdCancel, ControlKind::CommandButton, "Cancel", 2160, 2880, 1335, 375, 1, kOnWindow, true},
};
static_assert(ControlTableMatches<ExitControl>(kExitControls));

// The option selected when the dialog opens.
inline constexpr ExitControl kExitDefaultOption = ExitControl::optLogoffWindows;

struct ExitChoice {
    ExitControl option;
    SessionCommandId command;
};

// OK looks at the options in this order and runs the command of the first one selected.
inline constexpr ExitChoice kExitChoices[] = {
    {ExitControl::optShutDown, SessionCommandId::ShutDownWindows},
    {ExitControl::optRestart, SessionCommandId::RestartWindows},
    {ExitControl::optCloseSwiftDash, SessionCommandId::CloseSwiftDash},
    {ExitControl::optLogoffWindows, SessionCommandId::ReturnToWindows},
    {ExitControl::optRestartInSwiftDashMode, SessionCommandId::RestartInSwiftDashMode},
};

}  // namespace sd
