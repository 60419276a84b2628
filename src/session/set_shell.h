// Rewriting the shell= line of system.ini in the program's folder, safely.
#pragma once

#include <string>

#include "core/program.h"

namespace sd {

struct ShellFiles {
    std::string ini;     // ProgramDir + "\system.ini"
    std::string temp;    // ProgramDir + "\temp11.tmp"
    std::string backup;  // where the old file waits while it is replaced without an atomic move
};
ShellFiles ShellFilesIn(const std::string& programDir);

// Writes "shell=" + value over every shell line of system.ini; true when the new line stands
// in the file. At every instant the name system.ini holds the old or the new complete file, or
// the old one waits under the backup name for RecoverShellFile. When it fails, one box says why
// (the missing-file box when system.ini cannot be read) and system.ini is as it was. A file
// with no shell line makes Windows start Explorer whatever is written there, so any other value
// is then refused with a box: a log-off would change nothing.
bool SetShell(Program& program, const std::string& value);
inline constexpr const char* kExplorerShell = "explorer.exe";

// The name that enters shell mode on the shell= line: ExeName as it is when it is a valid 8.3
// base name, else the exe's short name, which the 16-bit loader of Windows 95/98 can start.
std::string ShellLineName(Program& program);

// Finishes a replace that was cut short: puts the backup back when system.ini is missing,
// and drops a backup that a finished replace left behind.
void RecoverShellFile(Platform& platform, const ShellFiles& files);

}  // namespace sd
