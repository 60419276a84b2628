// Process-wide procedures: ending the program.
#include "core/program.h"

#include "core/start_guard.h"

namespace sd {

void QuitProgram(Program& program) {
    Platform& platform = program.platform;
    if (!program.vars.ShellMode) platform.DeleteTrayIcon(program.iconPic, kTrayIconId);
    platform.SetServiceProcess(false);
    ClearShellStartMark(program);
    platform.EndProcess();
}

}  // namespace sd
