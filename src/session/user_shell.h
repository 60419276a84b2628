// The NT family's per-user shell: the Shell value under the user's Winlogon key.
#pragma once

#include <string>

#include "core/program.h"

namespace sd {

// What the log-on runs to start SwiftDash: the exe's full path, in quotes when it holds a
// blank, so that "C:\Program Files\..." is not taken for C:\Program with arguments.
std::string UserShellCommandLine(const std::string& exePath);

// Writes SwiftDash's command line (self) or deletes the value, so that the machine's own
// choice applies again (not self). False, after one box saying what failed, when it did not.
bool SetUserShell(Program& program, bool self);

}  // namespace sd
