// What the menu entries do. The popup menus themselves are built from the menu tree.
#pragma once

#include "core/program.h"
#include "menus/dialogs.h"
#include "ui/window_host.h"

namespace sd {

// "SwiftDash Mode": the switch into shell mode; also run by the switch start and the tray icon.
void mnuSwiftDashMode_Click(Program& program);

// Pops up the shell menu at the pointer (a right press on the main window). The menu tree and
// its host window come with the menus; until then the press shows nothing.
void ShowShellMenu(Program& program, WindowHost& host, Dialogs& dialogs);

// Pops up the tray menu "Windows Menu" at the pointer (a right press on the tray icon).
void ShowTrayMenu(Program& program, WindowHost& host, Dialogs& dialogs);

}  // namespace sd
