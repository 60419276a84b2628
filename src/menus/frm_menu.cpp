// frmMenu: the hidden host of the popup menus, and what their entries do.
#include "menus/frm_menu.h"

#include "menus/menu_tree.h"
#include "session/open_file.h"
#include "session/session_commands.h"
#include "session/start_rule.h"

namespace sd {

namespace {

constexpr int kOpenDialogWidth = 500, kOpenDialogHeight = 280;  // pixels at 96 DPI, about
constexpr const char* kProgramFilter = "Program Files|*.exe; *.com; *.bat|All Files|*.*";

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
    shellMenu_ = BuildMenu(kShellMenuRow);
    trayMenu_ = BuildMenu(kTrayMenuRow);
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
    if (const MenuEntry* entry = CommandEntryFor(id)) (this->*entry->handler)();
}

void frmMenu::OpenChosenFile(const char* title, const std::string& initialDir) {
    // A picked shortcut comes back as itself, so that it starts with its own arguments and folder.
    const BrowseFileRequest request{title, kProgramFilter, "", initialDir, FileDialogUse::FileCommand, true};
    OpenFile(program_, program_.platform.BrowseForFile(Load(), request));
}

void frmMenu::mnuOpen_Click() { OpenChosenFile("Browse for EXE", ""); }

void frmMenu::mnuStartMenu_Click() {
    const ProgramState& vars = program_.vars;
    OpenChosenFile("Browse Start Menu", program_.platform.FolderExists(vars.StartMenuFolderPath)
                                            ? vars.StartMenuFolderPath
                                            : vars.ProgramDir + "\\Start Menu\\Programs");
}

void frmMenu::mnuDesktop_Click() {
    const ProgramState& vars = program_.vars;
    OpenChosenFile("Browse Desktop", program_.platform.FolderExists(vars.DesktopFolderPath)
                                         ? vars.DesktopFolderPath
                                         : vars.ProgramDir + "\\Desktop");
}

void frmMenu::mnuExplorer_Click() {
    Platform& platform = program_.platform;
    const ProgramState& vars = program_.vars;
    const ProgramStart start = platform.FileExists(vars.ExplorerPathValue)
                                   ? ProgramStartFor(vars.ExplorerPathValue)
                                   : ProgramStartFor("explorer", vars.ProgramDir + "\\Desktop");
    if (platform.StartProgram(start)) return;
    platform.ShowMessage("Path to Explorer is invalid. Please check your options", "Error",
                         MsgButtons::Ok, MsgIcon::Stop);
    dialogs_.options.Show();
}

void frmMenu::mnuAbout_Click() { dialogs_.about.Show(); }
void frmMenu::mnuOptions_Click() { dialogs_.options.Show(); }
void frmMenu::mnuExit_Click() { dialogs_.exit.Show(); }
void frmMenu::mnuSwiftDashMode_Click() { RunSessionCommand(program_, SessionCommandId::EnterSwiftDashMode); }
void frmMenu::mnuShutDown_Click() { RunSessionCommand(program_, SessionCommandId::ShutDown); }
void frmMenu::mnuRestart_Click() { RunSessionCommand(program_, SessionCommandId::Restart); }
void frmMenu::mnuLogOff_Click() { RunSessionCommand(program_, SessionCommandId::LogOff); }
void frmMenu::mnuRestartSwiftdash_Click() { RunSessionCommand(program_, SessionCommandId::RestartInSwiftDashMode); }
void frmMenu::mnuClose_Click() { RunSessionCommand(program_, SessionCommandId::Close); }

}  // namespace sd
