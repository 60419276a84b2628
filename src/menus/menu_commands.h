// What the menu entries do that other parts of the program also run without the menu.
#pragma once

#include "core/program.h"

namespace sd {

// "SwiftDash Mode": the switch into shell mode; also run by the switch start and the tray icon.
void mnuSwiftDashMode_Click(Program& program);

}  // namespace sd
