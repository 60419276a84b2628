// What the menu entries do. The popup menus themselves are built from the menu tree.
#pragma once

namespace sd {

struct App;

// "SwiftDash Mode": the switch into shell mode; also run by the switch start and the tray icon.
void mnuSwiftDashMode_Click(App& app);

}  // namespace sd
