// The main window: creation, and what it does with the messages Windows sends it.
#include "shell_window/frm_main.h"

#include "shell_window/app.h"
#include "shell_window/control_table.h"
#include "shell_window/frm_main_controls.h"

namespace sd {

frmMain::~frmMain() { Unload(); }

bool frmMain::Create() {
    const int dpi = app_.dpi;
    icon_ = LoadIconA(app_.instance, MAKEINTRESOURCEA(1));
    if (!icon_) icon_ = LoadIconA(nullptr, IDI_APPLICATION);
    CreateOwnWindow(app_.instance, "SwiftDashMain", "SwiftDash", WS_POPUP | WS_CLIPCHILDREN, 0, 0,
                    0, TwipsToPixels(kMainClientWidthTwips, dpi),
                    TwipsToPixels(kMainClientHeightTwips, dpi), nullptr, icon_);
    if (!hwnd_) return false;
    const ControlSpec& pic = kMainControls[ControlIndex(kMainControls, "IconPic")];
    iconPic_ = CreateWindowExA(0, "STATIC", pic.name, WS_CHILD | SS_ICON,
                               TwipsToPixels(pic.left, dpi), TwipsToPixels(pic.top, dpi),
                               TwipsToPixels(pic.width, dpi), TwipsToPixels(pic.height, dpi),
                               hwnd_, nullptr, app_.instance, nullptr);
    return true;
}

void frmMain::Unload() {
    if (hwnd_) DestroyWindow(hwnd_);
}

void frmMain::CreateIcon() {
    app_.program.platform.AddTrayIcon(iconPic_, kTrayIconId, WM_MOUSEMOVE, icon_,
                                      "SwiftDash tray");
}

void frmMain::Form_EndSession(bool ending) {
    // Windows is ending the session by its own means. A process registered with
    // RegisterServiceProcess outlives a log-off on 9x, and the next log-on would then find
    // this instance "already running" and end the new shell: leave now instead.
    if (ending) QuitProgram(app_.program);
}

LRESULT frmMain::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ENDSESSION:
            Form_EndSession(wParam != 0);
            return 0;
        case WM_CLOSE:
            // No close of its own: in shell mode that would leave the user without a shell.
            return 0;
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

}  // namespace sd
