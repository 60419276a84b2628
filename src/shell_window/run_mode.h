// Which run the command line asks for: the words are compared whole, letter case included.
#pragma once

#include <string_view>

namespace sd {

enum class RunMode { Options, Tray, Switch, Shell, MainWindowOnly };

RunMode RunModeFor(std::string_view commandLine);

}  // namespace sd
