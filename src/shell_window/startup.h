// The steps of the start-up sequence that need no window.
#pragma once

#include "core/program.h"

namespace sd {

// Takes the shell-mode process out of the Windows 95/98 task list.
void HideFromTaskList(Program& program);

// The session goes on with Explorer, started the way a log-on starts it; the program ends.
void HandToExplorer(Program& program);

// Two shell-mode starts in a row never got going: rather than fail a third time, the session
// goes back to Explorer, now and from the next log-on. One box says so, or says how to mend
// system.ini by hand when it cannot be written (the count then stays).
void GiveExplorerBack(Program& program);

}  // namespace sd
