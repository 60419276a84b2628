// Where the shell choice goes, by Windows family.
#include "session/shell_choice.h"

#include "session/set_shell.h"
#include "session/user_shell.h"

namespace sd {

bool ChooseShell(Program& program, ShellChoice choice) {
    if (choice == ShellChoice::Keep) return true;
    const bool self = choice == ShellChoice::Self;
    switch (program.platform.Family()) {
        case WindowsFamily::Win9x:
            return SetShell(program, self ? ShellLineName(program) : std::string(kExplorerShell));
        case WindowsFamily::NT2000OrLater:
            return SetUserShell(program, self);
        case WindowsFamily::NT4OrEarlier:
            break;
    }
    // Nothing was ever switched here, so giving Explorer back has nothing to undo.
    if (!self) return true;
    program.platform.ShowMessage(
        "SwiftDash mode needs Windows 95, 98, Me or Windows 2000 and later. On this version of "
        "Windows only an administrator can change the shell, so nothing has been changed.",
        kAppTitle, MsgButtons::Ok, MsgIcon::Stop);
    return false;
}

}  // namespace sd
