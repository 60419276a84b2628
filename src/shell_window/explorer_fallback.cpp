// Handing the machine back to Explorer after shell-mode starts that never got going.
#include "shell_window/explorer_fallback.h"

#include "session/set_shell.h"

namespace sd {

void GiveExplorerBack(Program& program) {
    Platform& platform = program.platform;
    SetShell(program, "explorer.exe");
    platform.ShowMessage(kGaveUpText, kAppTitle, MsgButtons::Ok, MsgIcon::Information);
    // Without a shell the screen stays empty until the next log-on.
    platform.StartProgram("explorer.exe");
    QuitProgram(program);
}

}  // namespace sd
