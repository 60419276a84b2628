// frmMenu: the hidden host of the popup menus, and the dispatch of a chosen entry.
#include "menus/frm_menu.h"

#include "menus/menu_commands.h"

namespace sd {

namespace {

constexpr int kOpenDialogWidth = 500, kOpenDialogHeight = 280;  // pixels at 96 DPI, about

// The popup menu of the entries nested below `row`, submenus included.
HMENU BuildMenu(std::size_t row) {
    HMENU menu = CreatePopupMenu();
    if (!menu) return nullptr;
    const int level = kMenuTree[row].level + 1;
    for (std::size_t item = row + 1; item < EndOfChildren(row); ++item) {
        const MenuEntry& entry = kMenuTree[item];
        if (entry.level != level) continue;  // a deeper entry belongs to its submenu
        switch (entry.kind) {
            case MenuKind::Separator: AppendMenuA(menu, MF_SEPARATOR, 0, nullptr); break;
            case MenuKind::Submenu:
            case MenuKind::Menu:
                if (HMENU submenu = BuildMenu(item))
                    AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), entry.caption);
                break;
            case MenuKind::Command:
                AppendMenuA(menu, MF_STRING, MenuIdOf(item), entry.caption);
                break;
        }
    }
    return menu;
}

}  // namespace

frmMenu::~frmMenu() {
    if (hwnd_) DestroyWindow(hwnd_);
    // Destroying a menu destroys its submenus with it.
    if (shellMenu_) DestroyMenu(shellMenu_);
    if (trayMenu_) DestroyMenu(trayMenu_);
}

HWND frmMenu::Load() {
    if (hwnd_) return hwnd_;
    // The Open dialog opens at its owner's top left corner: placed so, it stands about in the
    // middle of the screen, clear of the main window in its corner.
    const int x = (GetSystemMetrics(SM_CXSCREEN) - MulDiv(kOpenDialogWidth, host_.dpi(), 96)) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - MulDiv(kOpenDialogHeight, host_.dpi(), 96)) / 2;
    CreateOwnWindow(host_.instance(), "SwiftDashMenu", "Menu", WS_POPUP, 0, x > 0 ? x : 0,
                    y > 0 ? y : 0, 0, 0);
    if (!hwnd_) return nullptr;
    shellMenu_ = BuildMenu(MenuRow("mnuSwiftDashMenu"));
    trayMenu_ = BuildMenu(MenuRow("mnuWindowsMenu"));
    return hwnd_;
}

void frmMenu::PopUp(HMENU frmMenu::*menu, const char* caption) {
    // The Open dialog leaves the main window enabled: no second menu while an entry runs.
    const WindowHost::Busy busy(host_);
    if (!busy) return;
    if (!Load()) return host_.ReportNoWindow(caption);
    POINT at;
    GetCursorPos(&at);
    // The menu closes on a click elsewhere only while its owner is the foreground window, and
    // only when a message reaches that owner after the menu.
    SetForegroundWindow(hwnd_);
    const UINT id = TrackPopupMenu(this->*menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_NONOTIFY,
                                   at.x, at.y, 0, hwnd_, nullptr);
    PostMessageA(hwnd_, WM_NULL, 0, 0);
    Run(MenuCommandFor(id));
}

void frmMenu::Run(MenuCommand command) {
    switch (command) {
        case MenuCommand::None: break;
        case MenuCommand::Open: mnuOpen_Click(); break;
        case MenuCommand::Explorer: mnuExplorer_Click(); break;
        case MenuCommand::StartMenu: mnuStartMenu_Click(); break;
        case MenuCommand::Desktop: mnuDesktop_Click(); break;
        case MenuCommand::About: mnuAbout_Click(); break;
        case MenuCommand::Options: mnuOptions_Click(); break;
        case MenuCommand::Exit: mnuExit_Click(); break;
        case MenuCommand::SwiftDashMode: mnuSwiftDashMode_Click(program_); break;
        case MenuCommand::ShutDown: mnuShutDown_Click(); break;
        case MenuCommand::Restart: mnuRestart_Click(); break;
        case MenuCommand::LogOff: mnuLogOff_Click(); break;
        case MenuCommand::RestartSwiftdash: mnuRestartSwiftdash_Click(); break;
        case MenuCommand::About1: mnuAbout1_Click(); break;
        case MenuCommand::Options1: mnuOptions1_Click(); break;
        case MenuCommand::Close: mnuClose_Click(); break;
    }
}

}  // namespace sd
