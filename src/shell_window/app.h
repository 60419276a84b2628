// The program's windows and state, created by WinMain (or a test) and living for the process.
#pragma once

#include <windows.h>

#include <vector>

#include "session/frm_exit.h"
#include "settings/frm_options.h"
#include "shell_window/frm_main.h"
#include "shell_window/program.h"

namespace sd {

struct App {
    App(Platform& platform, HINSTANCE instance);
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    Program program;
    HINSTANCE instance;
    int dpi = 96;
    HWND hiddenOwner = nullptr;  // owns the dialogs, so they stay off the taskbar
    frmOptions options;
    frmExit exit;
    frmMain main;

    // Modeless dialogs share the one message loop through IsDialogMessage.
    void AddDialog(HWND dialog);
    void RemoveDialog(HWND dialog);
    // Handles one message (waiting for it); false once WM_QUIT arrives.
    bool PumpMessage();
    // Creates the main window, runs its start-up sequence, then the message loop.
    int Run();

private:
    std::vector<HWND> dialogs_;
};

}  // namespace sd
