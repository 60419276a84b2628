// Tray mode's notification icon: adding it (again when the notification area is rebuilt) and
// what its mouse messages do.
#include "menus/menu_commands.h"
#include "shell_window/frm_main.h"
#include "shell_window/icon_pic.h"

namespace sd {

bool IconPic::Create(HWND parent, HINSTANCE instance, const RECT& rect) {
    return CreateOwnWindow(instance, "SwiftDashIconPic", "IconPic", WS_CHILD, 0, rect.left,
                           rect.top, rect.right - rect.left, rect.bottom - rect.top, parent);
}

LRESULT IconPic::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // The icon's own message carries the mouse message that happened on it in lParam.
    if (message == kTrayCallbackMessage && wParam == kTrayIconId) {
        main_.IconPic_MouseMove(LOWORD(lParam));
        return 0;
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

void frmMain::CreateIcon() {
    program_.platform.AddTrayIcon(iconPic_.hwnd(), kTrayIconId, kTrayCallbackMessage,
                                  iconPic_.picture(), "SwiftDash tray");
}

void frmMain::IconPic_MouseMove(unsigned iconMessage) {
    switch (iconMessage) {
        case WM_RBUTTONDOWN:
            menu_.ShowTrayMenu();
            break;
        case WM_LBUTTONDBLCLK: {
            const WindowHost::Busy busy(host_);
            if (busy && program_.platform.ShowMessage("Are you sure you want to enter SwiftDash mode?",
                                                      kAppTitle, MsgButtons::YesNo,
                                                      MsgIcon::None) == MsgAnswer::Yes)
                mnuSwiftDashMode_Click(program_);
            break;
        }
        default:  // the left press, releases, moves and the middle button do nothing
            break;
    }
}

void frmMain::Form_TaskbarCreated() {
    // Explorer restarted and lost every icon: without ours again the tray-mode program would
    // be unreachable, and its instance test would refuse every new start.
    if (!program_.vars.ShellMode) CreateIcon();
}

}  // namespace sd
