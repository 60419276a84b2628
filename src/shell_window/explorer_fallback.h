// What a shell-mode start does instead of starting when the starts before it never got going.
#pragma once

#include "core/program.h"

namespace sd {

inline constexpr const char* kGaveUpText =
    "SwiftDash did not start properly the last two times. Explorer has been made your shell "
    "again and will come back at your next log-on; it is started now for this session.";

// Writes "shell=explorer.exe", tells the user, starts Explorer and ends the program.
void GiveExplorerBack(Program& program);

}  // namespace sd
