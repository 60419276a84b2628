// The program's entry: the main window is the start-up object.
#include <windows.h>

#include "platform/win32_platform.h"
#include "shell_window/app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    sd::Win32Platform platform;
    sd::App app(platform, instance);
    return app.Run();
}

// The library's default terminate handler prints demangled names and costs about 100 KB of
// this exe; without exceptions nothing would call it but std::string's length checks.
namespace __gnu_cxx {
void __verbose_terminate_handler() { ExitProcess(3); }
}  // namespace __gnu_cxx
