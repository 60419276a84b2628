// IconPic: the window the notification icon reports to.
#include "shell_window/icon_pic.h"

#include "shell_window/frm_main.h"

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

}  // namespace sd
