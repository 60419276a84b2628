// Running a program, or opening a document with its associated program.
#pragma once

#include <string>
#include <string_view>

#include "core/program.h"

namespace sd {

// True when the name ends, letter case included, in ".exe", ".com" or ".bat".
bool IsDirectlyStarted(std::string_view file);

// The command line that opening `file` is told as: the name alone for a program, else the
// associated program (or "notepad" when there is none), a blank and the name, unquoted.
std::string OpenFileCommandLine(std::string_view file, std::string_view associatedProgram);

// `text` in double quotes: one argument whatever blanks it holds.
std::string Quoted(std::string_view text);

// How to start `program` with `arguments` (passed on as they are). A program given with a
// folder is started as exactly that file, so that "C:\Program Files\A\a.exe" never runs
// "C:\Program.exe"; a bare name ("notepad", "explorer") is found by the system's search. On
// the command line the program's name is quoted when it holds a blank.
ProgramStart ProgramStartFor(std::string_view program, std::string_view arguments = {});

// How opening `file` starts its program: a program itself, or the associated program (or
// "notepad") with the document as one quoted argument.
ProgramStart OpenFileStart(std::string_view file, std::string_view associatedProgram);

// Starts the program for `file`; tells the user "File <command line> not found" on failure.
// An empty name does nothing.
void OpenFile(Program& program, const std::string& file);

}  // namespace sd
