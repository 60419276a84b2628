// The names of the eleven settings keys, defined once.
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

// "StartUpItem" followed by the index in decimal: StartUpItem0 to StartUpItem2.
inline std::string StartUpItem(int index) { return "StartUpItem" + std::to_string(index); }

}  // namespace sd::keys
