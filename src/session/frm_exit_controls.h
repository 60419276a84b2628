// The Exit dialog's size and controls, in twips, and what its OK button runs.
#pragma once

#include "session/session_commands.h"
#include "ui/control_table.h"

namespace sd {

inline constexpr int kExitClientWidthTwips = 3900;
inline constexpr int kExitClientHeightTwips = 3345;
inline constexpr int kExitFrame = 2;  // index of fraOptions below

inline constexpr ControlSpec kExitControls[] = {
    {"Image1", ControlKind::Image, "", 120, 120, 480, 480, kNoTabIndex, kNoParent, true},
    {"Label1", ControlKind::Label, "What do you want SwiftDash to do?", 840, 120, 2670, 195, 2, kNoParent, true},
    {"fraOptions", ControlKind::Frame, "", 600, 600, 3015, 2175, 3, kNoParent, true},
    {"optLogoffWindows", ControlKind::OptionButton, "Return to Windows", 240, 240, 1695, 255, 6, kExitFrame, true},
    {"optShutDown", ControlKind::OptionButton, "Shut Down", 240, 600, 1215, 255, 5, kExitFrame, true},
    {"optRestart", ControlKind::OptionButton, "Restart", 240, 960, 975, 255, 4, kExitFrame, true},
    {"optRestartInSwiftDashMode", ControlKind::OptionButton, "Restart in SwiftDash mode", 240, 1320, 2295, 195, 8, kExitFrame, true},
    {"optCloseSwiftDash", ControlKind::OptionButton, "Close SwiftDash", 240, 1680, 1695, 255, 7, kExitFrame, true},
    {"cmdOK", ControlKind::CommandButton, "OK", 720, 2880, 1335, 375, 0, kNoParent, true},
    {"cmdCancel", ControlKind::CommandButton, "Cancel", 2160, 2880, 1335, 375, 1, kNoParent, true},
};

// The option selected when the dialog opens.
inline constexpr const char* kExitDefaultOption = "optLogoffWindows";

struct ExitChoice {
    const char* option;
    SessionCommandId command;
};

// OK looks at the options in this order and runs the command of the first one selected.
inline constexpr ExitChoice kExitChoices[] = {
    {"optShutDown", SessionCommandId::ShutDownWindows},
    {"optRestart", SessionCommandId::RestartWindows},
    {"optCloseSwiftDash", SessionCommandId::CloseSwiftDash},
    {"optLogoffWindows", SessionCommandId::ReturnToWindows},
    {"optRestartInSwiftDashMode", SessionCommandId::RestartInSwiftDashMode},
};

}  // namespace sd
