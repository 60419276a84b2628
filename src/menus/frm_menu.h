// frmMenu: the hidden window that owns the two popup menus and the Open dialog, and the
// handlers of the menu entries.
#pragma once

#include <windows.h>

#include <string>

#include "core/program.h"
#include "menus/dialogs.h"
#include "ui/window_class.h"
#include "ui/window_host.h"

namespace sd {

class frmMenu : public WindowClass<frmMenu> {
public:
    frmMenu(WindowHost& host, Program& program, Dialogs& dialogs)
        : host_(host), program_(program), dialogs_(dialogs) {}
    ~frmMenu();

    // Creates the window and its menus the first time; it is never shown and lives until the
    // process ends. Null if the system refused.
    HWND Load();

    // Pop a menu up at the pointer and run the chosen entry's handler; a dismissed menu runs
    // nothing. The shell menu opens on a right press on the main window, the tray menu on one
    // on the tray icon.
    void ShowShellMenu() { PopUp(&frmMenu::shellMenu_, "SwiftDash Menu"); }
    void ShowTrayMenu() { PopUp(&frmMenu::trayMenu_, "Windows Menu"); }

    // The entries' handlers.
    void mnuOpen_Click();
    void mnuExplorer_Click();
    void mnuStartMenu_Click();
    void mnuDesktop_Click();
    void mnuAbout_Click();
    void mnuOptions_Click();
    void mnuExit_Click();
    void mnuSwiftDashMode_Click();
    void mnuShutDown_Click();
    void mnuRestart_Click();
    void mnuLogOff_Click();
    void mnuRestartSwiftdash_Click();
    void mnuAbout1_Click() { mnuAbout_Click(); }
    void mnuOptions1_Click() { mnuOptions_Click(); }
    void mnuClose_Click();

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_CLOSE) return 0;  // it lives until the process ends
        return DefWindowProcA(hwnd_, message, wParam, lParam);
    }

private:
    void PopUp(HMENU frmMenu::*menu, const char* caption);
    // The Open dialog with the file commands' flags and filter, then OpenFile on the choice.
    void OpenChosenFile(const char* title, const std::string& initialDir);

    WindowHost& host_;
    Program& program_;
    Dialogs& dialogs_;
    HMENU shellMenu_ = nullptr;
    HMENU trayMenu_ = nullptr;
};

}  // namespace sd
