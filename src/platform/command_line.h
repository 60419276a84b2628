// Splitting the process's raw command line into the program's name and what follows it.
#pragma once

#include <string_view>

namespace sd {

// The text after the program's name in a raw command line (the name may be quoted), without
// the blanks around it.
std::string_view ArgumentsOf(std::string_view rawCommandLine);

}  // namespace sd
