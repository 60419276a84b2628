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

template <std::size_t N, std::size_t M>
void ExpectTooltipsOnNamedControls(const ControlSpec (&table)[N], const TooltipSpec (&tips)[M]) {
    std::set<std::string> named;
    for (const TooltipSpec& tip : tips) {
        SCOPED_TRACE(tip.control);
        EXPECT_GE(ControlIndex(table, tip.control), 0) << "no such control";
        EXPECT_TRUE(named.insert(tip.control).second) << "two tips";
    }
}

TEST(ControlTables, NamesUniqueTabIndexesDenseChildrenInsideTheirContainers) {
    ExpectConsistent(kMainControls);
    ExpectConsistent(kExitControls);
    ExpectConsistent(kOptionsControls);
    ExpectTooltipsOnNamedControls(kOptionsControls, kOptionsTooltips);
    for (const BrowseButton& browse : kBrowseButtons) {
        SCOPED_TRACE(browse.button);
        EXPECT_EQ(kOptionsControls[ControlIndex(kOptionsControls, browse.button)].kind, ControlKind::GraphicalButton);
        EXPECT_EQ(kOptionsControls[ControlIndex(kOptionsControls, browse.textBox)].kind, ControlKind::TextBox);
    }
    ExpectConsistent(kAboutControls);
    ExpectConsistent(kSysInfoControls);
}

TEST(ControlTables, EveryExitOptionRunsExactlyOneCommand) {
    std::set<std::string> options;
    for (const ControlSpec& control : kExitControls)
        if (control.kind == ControlKind::OptionButton) options.insert(control.name);
    std::set<std::string> chosen;
    for (const ExitChoice& choice : kExitChoices) {
        EXPECT_TRUE(options.count(choice.option)) << choice.option;
        EXPECT_TRUE(chosen.insert(choice.option).second) << choice.option;
    }
    EXPECT_EQ(chosen, options);
    EXPECT_TRUE(options.count(kExitDefaultOption));
    EXPECT_EQ(std::string(kExitChoices[0].option), "optShutDown");  // OK's order of tests
}

}  // namespace
}  // namespace sd
