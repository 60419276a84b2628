// Command-line word to run mode.
#include "shell_window/run_mode.h"

namespace sd {

RunMode RunModeFor(std::string_view commandLine) {
    if (commandLine == "options") return RunMode::Options;
    if (commandLine == "tray") return RunMode::Tray;
    if (commandLine == "switch") return RunMode::Switch;
    if (commandLine.empty()) return RunMode::Shell;
    return RunMode::MainWindowOnly;
}

}  // namespace sd
