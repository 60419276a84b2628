// Win32 platform: the NT family's shell, chosen per user in the registry and announced at log-on.
#include <windows.h>

#include "platform/win32/lazy_library.h"
#include "platform/win32_platform.h"

namespace sd {

namespace {

// The log-on process reads Shell here before the machine-wide value under HKEY_LOCAL_MACHINE;
// a user may write their own key without administrator rights.
constexpr const char* kWinlogonKey = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
constexpr const char* kShellValue = "Shell";

// 2000/XP's log-on screen waits for the first, Vista and later for the last; each exists only
// while someone waits for it.
constexpr const char* kShellReadyEvents[] = {"msgina: ShellReadyEvent", "Global\\msgina: ShellReadyEvent",
                                             "ShellDesktopSwitchEvent"};

}  // namespace

bool Win32Platform::WriteUserShell(const std::string& commandLine) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kWinlogonKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    const LONG result = RegSetValueExA(key, kShellValue, 0, REG_SZ,
                                       reinterpret_cast<const BYTE*>(commandLine.c_str()),
                                       static_cast<DWORD>(commandLine.size() + 1));
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

bool Win32Platform::DeleteUserShell() {
    HKEY key = nullptr;
    LONG result = RegOpenKeyExA(HKEY_CURRENT_USER, kWinlogonKey, 0, KEY_SET_VALUE, &key);
    if (result == ERROR_FILE_NOT_FOUND) return true;
    if (result != ERROR_SUCCESS) return false;
    result = RegDeleteValueA(key, kShellValue);
    RegCloseKey(key);
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

void Win32Platform::AnnounceShell(WindowHandle shellWindow) {
    if (IsWin9x()) return;
    // Explorer takes the desktop only while no shell window is set; with one it opens the
    // folder it was given. The function is exported from 2000 on, though not documented.
    using SetShellWindowFn = BOOL(WINAPI*)(HWND);
    if (auto setShellWindow = OptionalFunction<SetShellWindowFn>("USER32.DLL", "SetShellWindow"))
        setShellWindow(static_cast<HWND>(shellWindow));
    for (const char* name : kShellReadyEvents) {
        if (HANDLE event = OpenEventA(EVENT_MODIFY_STATE, FALSE, name)) {
            SetEvent(event);
            CloseHandle(event);
        }
    }
}

}  // namespace sd
