// The program's windows, the shared message loop and the start of a run.
#include "shell_window/app.h"

#include <algorithm>

namespace sd {

App::App(Platform& platform, HINSTANCE inst)
    : program(platform), instance(inst), options(*this), exit(*this), main(*this) {
    HDC screen = GetDC(nullptr);
    if (screen) {
        dpi = GetDeviceCaps(screen, LOGPIXELSX);
        ReleaseDC(nullptr, screen);
    }
    hiddenOwner = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr,
                                  nullptr, instance, nullptr);
}

App::~App() {
    options.Unload();
    exit.Unload();
    main.Unload();
    if (hiddenOwner) DestroyWindow(hiddenOwner);
}

void App::AddDialog(HWND dialog) { dialogs_.push_back(dialog); }

void App::RemoveDialog(HWND dialog) {
    dialogs_.erase(std::remove(dialogs_.begin(), dialogs_.end(), dialog), dialogs_.end());
}

bool App::PumpMessage() {
    MSG msg;
    if (GetMessageA(&msg, nullptr, 0, 0) <= 0) return false;
    for (HWND dialog : dialogs_)
        if (IsDialogMessageA(dialog, &msg)) return true;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
    return true;
}

int App::Run() {
    if (!main.Create()) return 1;
    main.Form_Load();
    while (PumpMessage()) {
    }
    return 0;
}

}  // namespace sd
