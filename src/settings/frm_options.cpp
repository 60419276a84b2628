// The Options dialog. Its tabs and their controls come with the settings editor; for now it
// is the empty dialog frame, so the start-up roads that open it can be used and tested.
#include "settings/frm_options.h"

#include "shell_window/app.h"
#include "shell_window/controls.h"

namespace sd {

namespace {

constexpr int kClientWidthTwips = 4185;
constexpr int kClientHeightTwips = 4170;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
// Kept off the taskbar by its hidden owner window, not by a tool-window frame.
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

}  // namespace

frmOptions::~frmOptions() { Unload(); }

void frmOptions::Show() {
    if (hwnd_) return BringForward();
    const SIZE size = WindowSizeFor(kClientWidthTwips, kClientHeightTwips, app_.dpi, kStyle, kExStyle);
    CreateOwnWindow(app_.instance, "SwiftDashOptions", "Options", kStyle, kExStyle, CW_USEDEFAULT,
                    CW_USEDEFAULT, size.cx, size.cy, app_.hiddenOwner);
    if (!hwnd_) return;
    app_.AddDialog(hwnd_);
    BringForward();
}

bool frmOptions::IsVisible() const { return hwnd_ && IsWindowVisible(hwnd_); }

void frmOptions::Unload() {
    if (hwnd_) DestroyWindow(hwnd_);
}

LRESULT frmOptions::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE:
            Unload();
            return 0;
        case WM_DESTROY:
            app_.RemoveDialog(hwnd_);
            return 0;
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

}  // namespace sd
