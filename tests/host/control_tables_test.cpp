// The window tables: unique names, dense tab order, children inside their frames, and that every
// name they refer to exists.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "info_windows/info_controls.h"
#include "session/frm_exit_controls.h"
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
            ASSERT_LT(control.parent, static_cast<int>(N));
            EXPECT_EQ(table[control.parent].kind, ControlKind::Frame);
            EXPECT_LE(control.left + control.width, table[control.parent].width);
            EXPECT_LE(control.top + control.height, table[control.parent].height);
        }
    }
    if (!tabs.empty()) EXPECT_EQ(*tabs.rbegin(), static_cast<int>(tabs.size()) - 1) << "tab indexes have gaps";
}

TEST(ControlTables, NamesUniqueTabIndexesDenseChildrenInsideTheirFrames) {
    ExpectConsistent(kMainControls);
    ExpectConsistent(kExitControls);
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
