// The names of the settings keys, defined once: the user's eleven, and the shell's own count.
#pragma once

namespace sd::keys {

inline constexpr const char* StartUpFolder = "StartUpFolder";
inline constexpr const char* StartMenuFolder = "StartMenuFolder";
inline constexpr const char* DesktopFolder = "DesktopFolder";
inline constexpr const char* ExplorerPath = "ExplorerPath";
inline constexpr const char* DoubleClickOnMainWindow = "DoubleClickOnMainWindow";
inline constexpr const char* DoubleClickOpenFile = "DoubleClickOpenFile";
inline constexpr const char* Version = "Version";
inline constexpr const char* DisableSwitchMessage = "DisableSwitchMessage";

inline constexpr const char* StartUpItem0 = "StartUpItem0";
inline constexpr const char* StartUpItem1 = "StartUpItem1";
inline constexpr const char* StartUpItem2 = "StartUpItem2";
// The start-up items in their order.
inline constexpr const char* kStartUpItems[] = {StartUpItem0, StartUpItem1, StartUpItem2};

// Not one of the eleven: the crash-loop guard's count of shell-mode starts that never got
// going (core/start_guard.h). Its name shares no prefix with theirs.
inline constexpr const char* UnfinishedShellStarts = "UnfinishedShellStarts";

}  // namespace sd::keys
