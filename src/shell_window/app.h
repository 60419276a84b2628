// The program's windows and state, created by WinMain (or a test) and living for the process.
#pragma once

#include <windows.h>

#include "core/program.h"
#include "info_windows/frm_about.h"
#include "info_windows/frm_sysinfo.h"
#include "menus/dialogs.h"
#include "menus/frm_menu.h"
#include "session/frm_exit.h"
#include "settings/frm_options.h"
#include "shell_window/frm_main.h"
#include "ui/window_host.h"

namespace sd {

struct App {
    // dpi 0: the screen's.
    App(Platform& platform, HINSTANCE instance, int dpi = 0);
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    Program program;
    WindowHost host;
    frmOptions options;
    frmExit exit;
    frmSysInfo sysInfo;
    frmAbout about;
    Dialogs dialogs;
    frmMenu menu;  // created on first use
    frmMain main;

    // Creates the main window, runs its start-up sequence, then the message loop.
    int Run();
};

}  // namespace sd
