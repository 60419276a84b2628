// What the menu entries do.
#include "menus/menu_commands.h"

#include "session/session_commands.h"

namespace sd {

void mnuSwiftDashMode_Click(Program& program) { EnterSwiftDashMode(program); }

void ShowShellMenu(Program&, WindowHost&, Dialogs&) {}

void ShowTrayMenu(Program&, WindowHost&, Dialogs&) {}

}  // namespace sd
