// Running a program, or opening a document with its associated program.
#pragma once

#include <string>
#include <string_view>

#include "core/program.h"

namespace sd {

// True when the name ends, letter case included, in ".exe", ".com" or ".bat".
bool IsDirectlyStarted(std::string_view file);

// The command line that opens `file`: the name alone for a program, else the associated
// program (or "notepad" when there is none), a blank and the name, unquoted.
std::string OpenFileCommandLine(std::string_view file, std::string_view associatedProgram);

// Starts the command line for `file`; tells the user "File <command> not found" on failure.
// An empty name does nothing.
void OpenFile(Program& program, const std::string& file);

}  // namespace sd
