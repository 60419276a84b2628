// Functions registered with atexit (static objects' destructors) run when WinMain returns.
#pragma once

namespace sd::runtime {
void RunExitFunctions();
}
