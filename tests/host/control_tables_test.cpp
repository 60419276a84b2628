// The window tables: unique names, dense tab order, children inside their frames, and that every
// name they refer to exists.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>

#include "info_windows/info_controls.h"
#include "session/frm_exit_controls.h"
#include "settings/frm_options_controls.h"
#include "shell_window/frm_main_controls.h"

namespace sd {
namespace {

template <std::size_t N>
void ExpectConsistent(const ControlSpec (&table)[N]) {
    std::set<std::string> names;
    std::set<int> tabs;
    for (const ControlSpec& control : table) {
        SCOPED_TRACE(control.name);
        EXPECT_TRUE(names.insert(control.name).second) << "duplicate name";
        if (control.tabIndex != kNoTabIndex) EXPECT_TRUE(tabs.insert(control.tabIndex).second) << "duplicate tab index";
        if (control.parent != kNoParent) {
            // Containers come first, so walking up the parents always ends.
            ASSERT_LT(control.parent, static_cast<int>(&control - table));
            const ControlSpec& parent = table[control.parent];
            EXPECT_TRUE(parent.kind == ControlKind::Frame || parent.kind == ControlKind::TabControl);
            EXPECT_LE(control.left + control.width, parent.width);
            EXPECT_LE(control.top + control.height, parent.height);
            if (parent.kind == ControlKind::TabControl) {
                const int tabCount = static_cast<int>(std::count(parent.caption, parent.caption + std::strlen(parent.caption), '|')) + 1;
                EXPECT_LT(control.page, tabCount) << "on a tab that does not exist";
            }
        }
    }
    if (!tabs.empty()) EXPECT_EQ(*tabs.rbegin(), static_cast<int>(tabs.size()) - 1) << "tab indexes have gaps";
}

TEST(ControlTables, NamesUniqueTabIndexesDenseChildrenInsideTheirContainersTipsOnRealControls) {
    ExpectConsistent(kMainControls);
    ExpectConsistent(kExitControls);
    ExpectConsistent(kOptionsControls);
    ExpectConsistent(kAboutControls);
    ExpectConsistent(kSysInfoControls);
    std::set<std::string> tipped;
    for (const TooltipSpec& tip : kOptionsTooltips) {
        SCOPED_TRACE(tip.control);
        EXPECT_GE(ControlIndex(kOptionsControls, tip.control), 0) << "no such control";
        EXPECT_TRUE(tipped.insert(tip.control).second) << "two tips";
    }
}

}  // namespace
}  // namespace sd
