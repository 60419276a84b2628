// What the menu entries do that other parts of the program also run without the menu.
#pragma once

#include "core/program.h"

namespace sd {

// "SwiftDash Mode": the switch into shell mode; also run by the switch start and the tray icon.
// Returns only when the switch did not take (false); the program then goes on.
bool mnuSwiftDashMode_Click(Program& program);

}  // namespace sd
