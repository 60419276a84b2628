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

// Focus order without ties; each container a frame or tab control listed before what it holds,
// which lies inside it and, on a tab control, on one of its tabs. Each menu entry sits at most
// one level below the one before; command entries, and only they, have a handler; menus and
// submenus hold entries.
TEST(Tables, ControlsAndMenusHoldTogether) {
    using Table = std::span<const ControlSpec>;
    for (Table table : {Table(kOptionsControls), Table(kExitControls), Table(kAboutControls),
                        Table(kSysInfoControls), Table(kMainControls)}) {
        std::set<int> tabIndexes;
        for (int i = 0; i < static_cast<int>(table.size()); ++i) {
            const ControlSpec& control = table[i];
            if (control.tabIndex != kNoTabIndex) EXPECT_TRUE(tabIndexes.insert(control.tabIndex).second) << i;
            if (control.parent == kNoParent) continue;
            ASSERT_LT(control.parent, i);
            const ControlSpec& parent = table[control.parent];
            EXPECT_TRUE(parent.kind == ControlKind::Frame || parent.kind == ControlKind::TabControl) << i;
            EXPECT_LE(control.left + control.width, parent.width) << i;
            EXPECT_LE(control.top + control.height, parent.height) << i;
            if (parent.kind == ControlKind::TabControl)
                EXPECT_LE(control.page, std::ranges::count(std::string_view(parent.caption), '|')) << i;
        }
    }
    EXPECT_EQ(kMenuTree[0].level, 1);
    for (std::size_t row = 0; row < kMenuTreeSize; ++row) {
        const MenuEntry& entry = kMenuTree[row];
        SCOPED_TRACE(entry.name);
        if (row > 0) EXPECT_LE(entry.level, kMenuTree[row - 1].level + 1);
        EXPECT_EQ(entry.handler != nullptr, entry.kind == MenuKind::Command);
        EXPECT_EQ(entry.level == 1, entry.kind == MenuKind::Menu);
        if (entry.kind == MenuKind::Menu || entry.kind == MenuKind::Submenu) EXPECT_GT(EndOfChildren(row), row + 1);
    }
}

}  // namespace
}  // namespace sd
