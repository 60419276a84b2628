// The menu tree's shape and the lookup from a chosen id to its command.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "menus/menu_tree.h"

namespace sd {
namespace {

TEST(MenuTree, NestsWellAndCaptionsCarryNoMarkers) {
    ASSERT_EQ(kMenuTree[0].level, 1);
    for (std::size_t row = 0; row < kMenuTreeSize; ++row) {
        const MenuEntry& entry = kMenuTree[row];
        SCOPED_TRACE(entry.name);
        if (row > 0) EXPECT_LE(entry.level, kMenuTree[row - 1].level + 1);
        EXPECT_EQ(entry.kind == MenuKind::Menu, entry.level == 1);
        const bool hasChildren = EndOfChildren(row) > row + 1;
        EXPECT_EQ(hasChildren, entry.kind == MenuKind::Menu || entry.kind == MenuKind::Submenu);
        EXPECT_EQ(std::string(entry.caption) == "-", entry.kind == MenuKind::Separator);
        EXPECT_EQ(std::string(entry.caption).find_first_of("&\t"), std::string::npos);
    }
    EXPECT_LT(MenuRow("mnuSwiftDashMenu"), kMenuTreeSize);
    EXPECT_LT(MenuRow("mnuWindowsMenu"), kMenuTreeSize);
    EXPECT_EQ(MenuRow("mnuNothing"), kMenuTreeSize);
}

TEST(MenuTree, EveryCommandHasOneEntryAndOnlyItsIdRunsIt) {
    std::set<MenuCommand> seen;
    for (std::size_t row = 0; row < kMenuTreeSize; ++row) {
        const MenuEntry& entry = kMenuTree[row];
        SCOPED_TRACE(entry.name);
        EXPECT_EQ(entry.kind == MenuKind::Command, entry.command != MenuCommand::None);
        EXPECT_EQ(MenuCommandFor(MenuIdOf(row)), entry.command);
        if (entry.command != MenuCommand::None) EXPECT_TRUE(seen.insert(entry.command).second);
    }
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(MenuCommand::Close));  // all but None
    for (unsigned id : {0u, kFirstMenuId - 1, MenuIdOf(kMenuTreeSize), 0xFFFFFFFFu})
        EXPECT_EQ(MenuCommandFor(id), MenuCommand::None) << id;
}

}  // namespace
}  // namespace sd
