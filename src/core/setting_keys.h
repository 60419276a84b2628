// The names of the settings keys, defined once: the user's eleven, and the shell's own count.
#pragma once

#include <string>

namespace sd::keys {

inline constexpr const char* StartUpFolder = "StartUpFolder";
inline constexpr const char* StartMenuFolder = "StartMenuFolder";
inline constexpr const char* DesktopFolder = "DesktopFolder";
inline constexpr const char* ExplorerPath = "ExplorerPath";
inline constexpr const char* DoubleClickOnMainWindow = "DoubleClickOnMainWindow";
inline constexpr const char* DoubleClickOpenFile = "DoubleClickOpenFile";
inline constexpr const char* Version = "Version";
inline constexpr const char* DisableSwitchMessage = "DisableSwitchMessage";

inline constexpr int kStartUpItemCount = 3;

// Not one of the eleven: the crash-loop guard's count of shell-mode starts that never got
// going (core/start_guard.h). Its name shares no prefix with theirs.
inline constexpr const char* UnfinishedShellStarts = "UnfinishedShellStarts";

// "StartUpItem" followed by the index in decimal: StartUpItem0 to StartUpItem2.
inline std::string StartUpItem(int index) { return "StartUpItem" + std::to_string(index); }

}  // namespace sd::keys
