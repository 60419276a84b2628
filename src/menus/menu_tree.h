// The two popup menus as data: every entry's name, caption, kind, nesting and handler, in
// display order. Adding an entry is a row here and its handler in frmMenu.
#pragma once

#include <cstddef>
#include <string_view>

#include "menus/frm_menu.h"

namespace sd {

enum class MenuKind { Menu, Command, Separator, Submenu };

struct MenuEntry {
    int level;  // 1: a menu itself; 2: its items; 3: the items of the submenu just above
    const char* name;
    const char* caption;  // "-" for a separator
    MenuKind kind;
    void (frmMenu::*handler)() = nullptr;  // what choosing a command entry runs
};

inline constexpr MenuEntry kMenuTree[] = {
    {1, "mnuSwiftDashMenu", "SwiftDash Menu", MenuKind::Menu},
    {2, "mnuOpen", "Open...", MenuKind::Command, &frmMenu::mnuOpen_Click},
    {2, "mnuExplorer", "Explorer", MenuKind::Command, &frmMenu::mnuExplorer_Click},
    {2, "mnuStartMenu", "Start Menu", MenuKind::Command, &frmMenu::mnuStartMenu_Click},
    {2, "mnuDesktop", "Desktop", MenuKind::Command, &frmMenu::mnuDesktop_Click},
    {2, "mnu1", "-", MenuKind::Separator},
    {2, "mnuAbout", "About", MenuKind::Command, &frmMenu::mnuAbout_Click},
    {2, "mnuOptions", "Options...", MenuKind::Command, &frmMenu::mnuOptions_Click},
    {2, "mnuExit", "Exit", MenuKind::Command, &frmMenu::mnuExit_Click},
    {1, "mnuWindowsMenu", "Windows Menu", MenuKind::Menu},
    {2, "mnuSwiftDashMode", "SwiftDash Mode", MenuKind::Command, &frmMenu::mnuSwiftDashMode_Click},
    {2, "mnu0", "-", MenuKind::Separator},
    {2, "mnuShutDownMenu", "Shut Down", MenuKind::Submenu},
    {3, "mnuShutDown", "Shut Down", MenuKind::Command, &frmMenu::mnuShutDown_Click},
    {3, "mnuRestart", "Restart", MenuKind::Command, &frmMenu::mnuRestart_Click},
    {3, "mnuLogOff", "Log Off", MenuKind::Command, &frmMenu::mnuLogOff_Click},
    {3, "mnuRestartSwiftdash", "Restart in SwiftDash Mode", MenuKind::Command, &frmMenu::mnuRestartSwiftdash_Click},
    {2, "mnuAbout1", "About", MenuKind::Command, &frmMenu::mnuAbout1_Click},
    {2, "mnuOptions1", "Options...", MenuKind::Command, &frmMenu::mnuOptions1_Click},
    {2, "mnuClose", "Close", MenuKind::Command, &frmMenu::mnuClose_Click},
};

inline constexpr std::size_t kMenuTreeSize = std::size(kMenuTree);

// A popup menu's command ids are the rows' indexes from here; 0 means nothing was chosen.
inline constexpr unsigned kFirstMenuId = 100;

constexpr unsigned MenuIdOf(std::size_t row) { return kFirstMenuId + static_cast<unsigned>(row); }

// The command entry of a chosen id; null for 0 and for any id that is not a command entry's.
constexpr const MenuEntry* CommandEntryFor(unsigned id) {
    if (id < kFirstMenuId || id - kFirstMenuId >= kMenuTreeSize) return nullptr;
    const MenuEntry& entry = kMenuTree[id - kFirstMenuId];
    return entry.kind == MenuKind::Command ? &entry : nullptr;
}

// The row of the entry of that name, or kMenuTreeSize.
constexpr std::size_t MenuRow(std::string_view name) {
    std::size_t row = 0;
    while (row < kMenuTreeSize && name != kMenuTree[row].name) ++row;
    return row;
}

// The row just past the entries nested below `row` (those of a deeper level that follow it).
constexpr std::size_t EndOfChildren(std::size_t row) {
    std::size_t end = row + 1;
    while (end < kMenuTreeSize && kMenuTree[end].level > kMenuTree[row].level) ++end;
    return end;
}

// The two popup menus' rows.
inline constexpr std::size_t kShellMenuRow = MenuRow("mnuSwiftDashMenu");
inline constexpr std::size_t kTrayMenuRow = MenuRow("mnuWindowsMenu");
static_assert(kShellMenuRow < kMenuTreeSize && kTrayMenuRow < kMenuTreeSize);

}  // namespace sd
