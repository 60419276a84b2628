// What the menu entries do.
#include "menus/menu_commands.h"

#include "session/session_commands.h"
#include "shell_window/app.h"

namespace sd {

void mnuSwiftDashMode_Click(App& app) { EnterSwiftDashMode(app.program); }

void ShowShellMenu(App&) {}

}  // namespace sd
