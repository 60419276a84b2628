// Process-wide procedures: ending the program.
#include "core/program.h"

namespace sd {

void QuitProgram(Program& program) {
    Platform& platform = program.platform;
    if (!program.vars.ShellMode) platform.DeleteTrayIcon(program.iconPic, kTrayIconId);
    platform.SetServiceProcess(false);
    platform.EndProcess();
}

}  // namespace sd
