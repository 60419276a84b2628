// Process-wide state, and the one way the program ends.
#pragma once

#include <string>

#include "platform/platform.h"

namespace sd {

inline constexpr const char* kAppTitle = "SwiftDash";

struct ProgramState {
    std::string ProgramDir;   // folder of the exe, no trailing separator
    std::string ExeName;      // exe file name without folder and extension
    bool ShellMode = false;   // true for every run but tray mode
    int DoubleClickAction = 0;
    std::string DoubleClickFile;
    std::string StartMenuFolderPath;
    std::string DesktopFolderPath;
    std::string ExplorerPathValue;
};

// What every procedure needs: the system, and the process-wide variables.
struct Program {
    explicit Program(Platform& p) : platform(p) {}
    Platform& platform;
    ProgramState vars;
    WindowHandle iconPic = nullptr;  // the window the tray icon reports to
    bool shellStartMarked = false;   // this process counts as a shell start under way
};

inline constexpr unsigned kTrayIconId = 1;
// The message the tray icon reports with (WM_APP + 1): its own, so that no real mouse move can
// be taken for an icon message.
inline constexpr unsigned kTrayCallbackMessage = 0x8001;

// Removes the tray icon in tray mode, leaves the task-list registration, clears this
// process's shell-start mark and ends the process at once. Callers treat it as the last
// thing they do.
void QuitProgram(Program& program);

}  // namespace sd
