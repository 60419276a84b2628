// The two popup menus as data: every entry's name, caption, kind and nesting, in display order.
#pragma once

#include <cstddef>
#include <string_view>

namespace sd {

enum class MenuKind { Menu, Command, Separator, Submenu };

// What choosing a command entry runs; None for containers and separators.
enum class MenuCommand {
    None, Open, Explorer, StartMenu, Desktop, About, Options, Exit,
    SwiftDashMode, ShutDown, Restart, LogOff, RestartSwiftdash, About1, Options1, Close,
};

struct MenuEntry {
    int level;  // 1: a menu itself; 2: its items; 3: the items of the submenu just above
    const char* name;
    const char* caption;  // "-" for a separator
    MenuKind kind;
    MenuCommand command;
};

inline constexpr MenuEntry kMenuTree[] = {
    {1, "mnuSwiftDashMenu", "SwiftDash Menu", MenuKind::Menu, MenuCommand::None},
    {2, "mnuOpen", "Open...", MenuKind::Command, MenuCommand::Open},
    {2, "mnuExplorer", "Explorer", MenuKind::Command, MenuCommand::Explorer},
    {2, "mnuStartMenu", "Start Menu", MenuKind::Command, MenuCommand::StartMenu},
    {2, "mnuDesktop", "Desktop", MenuKind::Command, MenuCommand::Desktop},
    {2, "mnu1", "-", MenuKind::Separator, MenuCommand::None},
    {2, "mnuAbout", "About", MenuKind::Command, MenuCommand::About},
    {2, "mnuOptions", "Options...", MenuKind::Command, MenuCommand::Options},
    {2, "mnuExit", "Exit", MenuKind::Command, MenuCommand::Exit},
    {1, "mnuWindowsMenu", "Windows Menu", MenuKind::Menu, MenuCommand::None},
    {2, "mnuSwiftDashMode", "SwiftDash Mode", MenuKind::Command, MenuCommand::SwiftDashMode},
    {2, "mnu0", "-", MenuKind::Separator, MenuCommand::None},
    {2, "mnuShutDownMenu", "Shut Down", MenuKind::Submenu, MenuCommand::None},
    {3, "mnuShutDown", "Shut Down", MenuKind::Command, MenuCommand::ShutDown},
    {3, "mnuRestart", "Restart", MenuKind::Command, MenuCommand::Restart},
    {3, "mnuLogOff", "Log Off", MenuKind::Command, MenuCommand::LogOff},
    {3, "mnuRestartSwiftdash", "Restart in SwiftDash Mode", MenuKind::Command, MenuCommand::RestartSwiftdash},
    {2, "mnuAbout1", "About", MenuKind::Command, MenuCommand::About1},
    {2, "mnuOptions1", "Options...", MenuKind::Command, MenuCommand::Options1},
    {2, "mnuClose", "Close", MenuKind::Command, MenuCommand::Close},
};

inline constexpr std::size_t kMenuTreeSize = std::size(kMenuTree);

// A popup menu's command ids are the rows' indexes from here; 0 means nothing was chosen.
inline constexpr unsigned kFirstMenuId = 100;

inline constexpr unsigned MenuIdOf(std::size_t row) { return kFirstMenuId + static_cast<unsigned>(row); }

// The command of a chosen id; None for 0 and for any id that is not a command entry's.
MenuCommand MenuCommandFor(unsigned id);

// The row of the entry of that name, or kMenuTreeSize.
std::size_t MenuRow(std::string_view name);

// The row just past the entries nested below `row` (those of a deeper level that follow it).
std::size_t EndOfChildren(std::size_t row);

}  // namespace sd
