// Which run the command line asks for: the words are compared whole, letter case included.
#pragma once

#include <string_view>

namespace sd {

enum class RunMode { Options, Tray, Switch, Shell, MainWindowOnly };

RunMode RunModeFor(std::string_view commandLine);

// The text after the program's name in a raw command line (the name may be quoted), without
// the blanks around it: what the words above are compared with.
std::string_view ArgumentsOf(std::string_view rawCommandLine);

}  // namespace sd
