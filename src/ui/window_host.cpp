// The shared window state and the message loop.
#include "ui/window_host.h"

#include <algorithm>
#include <string>

namespace sd {

namespace {

constexpr const char* kOwnerClass = "SwiftDashOwner";

// Only the program destroys the owner: a close request, such as a task killer sends to every
// top-level window, would take every dialog with it and leave none that could be made again.
LRESULT CALLBACK OwnerProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) return 0;
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

WindowHost::WindowHost(Platform& platform, HINSTANCE instance, int dpi)
    : platform_(platform), instance_(instance), dpi_(dpi) {
    if (dpi_ <= 0) {
        dpi_ = 96;
        if (HDC screen = GetDC(nullptr)) {
            dpi_ = GetDeviceCaps(screen, LOGPIXELSX);
            ReleaseDC(nullptr, screen);
        }
    }
    // The dialog font of Windows 95/98, whose metrics the control tables were laid out for.
    // Systems whose own dialog font is wider (Tahoma) would clip the captions. The system's
    // own character set, so that paths show in the user's script (Cyrillic, Greek, Japanese).
    dialogFont_ = CreateFontA(-MulDiv(8, dpi_, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                              DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                              DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "MS Sans Serif");
    if (!dialogFont_) dialogFont_ = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    WNDCLASSA owner = {};
    owner.lpfnWndProc = OwnerProcedure;
    owner.hInstance = instance_;
    owner.lpszClassName = kOwnerClass;
    RegisterClassA(&owner);  // fails harmlessly when a second host registers it again
    hiddenOwner_ = CreateWindowExA(0, kOwnerClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                   instance_, nullptr);
}

WindowHost::~WindowHost() {
    if (hiddenOwner_) DestroyWindow(hiddenOwner_);
    DeleteObject(dialogFont_);  // a stock font ignores it
}

void WindowHost::AddDialog(HWND dialog) { dialogs_.push_back(dialog); }

void WindowHost::RemoveDialog(HWND dialog) {
    dialogs_.erase(std::remove(dialogs_.begin(), dialogs_.end(), dialog), dialogs_.end());
    PostMessageA(nullptr, WM_NULL, 0, 0);
}

void WindowHost::ReportNoWindow(const char* caption) {
    platform_.ShowMessage(std::string("SwiftDash could not open the \"") + caption +
                              "\" window: Windows is short of memory. Close a program and try again.",
                          "SwiftDash", MsgButtons::Ok, MsgIcon::Stop);
}

bool WindowHost::PumpMessage() {
    MSG msg;
    if (GetMessageA(&msg, nullptr, 0, 0) <= 0) return false;
    for (HWND dialog : dialogs_)
        if ((msg.hwnd == dialog || IsChild(dialog, msg.hwnd)) &&
            SendMessageA(dialog, kPreTranslateMessage, 0, reinterpret_cast<LPARAM>(&msg)))
            return true;
    for (HWND dialog : dialogs_)
        if (IsDialogMessageA(dialog, &msg)) return true;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
    return true;
}

}  // namespace sd
