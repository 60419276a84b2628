// Running a program, a shortcut, or opening a document with its associated program.
#pragma once

#include <string>

#include "core/program.h"

namespace sd {

// Starts what `file` names by the start rule; tells the user "File <command line> not found"
// when it does not start. An empty or blank name does nothing.
void OpenFile(Program& program, const std::string& file);

}  // namespace sd
