// The tables that windows and menus are built from hold together.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <span>
#include <string_view>

#include "info_windows/info_controls.h"
#include "menus/menu_tree.h"
#include "session/frm_exit_controls.h"
#include "settings/frm_options_controls.h"
#include "shell_window/frm_main_controls.h"

namespace sd {
namespace {

// Focus order without ties; a container is a frame or tab control listed before what it holds,
// which lies inside it, on one of its tabs. A menu entry is at most one level below the one before;
// command entries, and only they, have a handler; menus and submenus hold entries.
TEST(Tables, ControlsAndMenusHoldTogether) {
    using Table = std::span<const ControlSpec>;
    for (Table table : {Table(kOptionsControls), Table(kExitControls), Table(kAboutControls),
                        Table(kSysInfoControls), Table(kMainControls)}) {
        std::set<int> tabIndexes;
        for (int i = 0; i < static_cast<int>(table.size()); ++i) {
            const ControlSpec& control = table[i];
            EXPECT_TRUE(control.tabIndex == kNoTabIndex || tabIndexes.insert(control.tabIndex).second) << i;
            if (control.parent == kNoParent) continue;
            ASSERT_LT(control.parent, i);
            const ControlSpec& parent = table[control.parent];
            EXPECT_TRUE(parent.kind == ControlKind::Frame || parent.kind == ControlKind::TabControl) << i;
            EXPECT_LE(control.left + control.width, parent.width) << i;
            EXPECT_LE(control.top + control.height, parent.height) << i;
            const auto pages = 1 + std::ranges::count(std::string_view(parent.caption), '|');
            EXPECT_LT(control.page, parent.kind == ControlKind::TabControl ? pages : 1) << i;
        }
    }
    for (std::size_t row = 0; row < kMenuTreeSize; ++row) {
        const MenuEntry& entry = kMenuTree[row];
        EXPECT_LE(entry.level, row == 0 ? 1 : kMenuTree[row - 1].level + 1) << entry.name;
        EXPECT_EQ(entry.handler != nullptr, entry.kind == MenuKind::Command) << entry.name;
        EXPECT_EQ(entry.level == 1, entry.kind == MenuKind::Menu) << entry.name;
        EXPECT_EQ(entry.kind == MenuKind::Menu || entry.kind == MenuKind::Submenu, EndOfChildren(row) > row + 1) << row;
    }
}

}  // namespace
}  // namespace sd
