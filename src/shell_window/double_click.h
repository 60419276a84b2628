// What a double-click on the main window does for each stored action number.
#pragma once

namespace sd {

enum class DoubleClickCommand { Nothing, Minimize, LaunchStartUpItems, ShowOptions, OpenFile };

// 1 does nothing, 2 minimizes, 3 starts the start-up items, 4 shows the Options dialog,
// 5 opens the double-click file; any other number (0 when the setting is absent) does nothing.
constexpr DoubleClickCommand DoubleClickCommandFor(int action) {
    switch (action) {
        case 2: return DoubleClickCommand::Minimize;
        case 3: return DoubleClickCommand::LaunchStartUpItems;
        case 4: return DoubleClickCommand::ShowOptions;
        case 5: return DoubleClickCommand::OpenFile;
        default: return DoubleClickCommand::Nothing;
    }
}

}  // namespace sd
