// The program's entry: the main window is the start-up object.
#include <windows.h>

#include "platform/win32_platform.h"
#include "shell_window/app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    sd::Win32Platform platform;
    sd::App app(platform, instance);
    return app.Run();
}
