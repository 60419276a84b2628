// Where the next log-on's shell is chosen, for each Windows family.
#pragma once

#include "core/program.h"

namespace sd {

enum class ShellChoice { Keep, Explorer, Self };

// Puts the choice where this Windows reads it: the shell= line of system.ini on 95/98/Me, the
// user's own Winlogon value on 2000 and later. NT 4.0 and earlier let only administrators
// change the shell, so SwiftDash mode is refused there with one box. False, after a box that
// says why, when the choice was not stored: the caller then leaves the session as it is.
bool ChooseShell(Program& program, ShellChoice choice);

}  // namespace sd
