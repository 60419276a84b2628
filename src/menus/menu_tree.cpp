// Looking entries up in the menu tree.
#include "menus/menu_tree.h"

namespace sd {

MenuCommand MenuCommandFor(unsigned id) {
    if (id < kFirstMenuId || id - kFirstMenuId >= kMenuTreeSize) return MenuCommand::None;
    const MenuEntry& entry = kMenuTree[id - kFirstMenuId];
    return entry.kind == MenuKind::Command ? entry.command : MenuCommand::None;
}

std::size_t MenuRow(std::string_view name) {
    std::size_t row = 0;
    while (row < kMenuTreeSize && name != kMenuTree[row].name) ++row;
    return row;
}

std::size_t EndOfChildren(std::size_t row) {
    std::size_t end = row + 1;
    while (end < kMenuTreeSize && kMenuTree[end].level > kMenuTree[row].level) ++end;
    return end;
}

}  // namespace sd
