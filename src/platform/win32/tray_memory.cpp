// Win32 platform: the notification-area icon and the memory figures.
#include <windows.h>
#include <shellapi.h>

#include <cstring>

#include "platform/win32/lazy_library.h"
#include "platform/win32_platform.h"

namespace sd {

namespace {

// The first form of the record, the only one Windows 95/98 know; the headers' sizeof is larger.
constexpr DWORD kNotifyIconDataV1Size = 88;
static_assert(offsetof(NOTIFYICONDATAA, szTip) + 64 == kNotifyIconDataV1Size);

bool NotifyIcon(DWORD message, NOTIFYICONDATAA& data) {
    using Fn = BOOL(WINAPI*)(DWORD, PNOTIFYICONDATAA);
    auto notify = LazyFunction<Fn>("SHELL32.DLL", "Shell_NotifyIconA");
    return notify && notify(message, &data);
}

}  // namespace

bool Win32Platform::AddTrayIcon(WindowHandle window, unsigned id, unsigned callbackMessage,
                                IconHandle icon, const std::string& tip) {
    NOTIFYICONDATAA data = {};
    data.cbSize = kNotifyIconDataV1Size;
    data.hWnd = static_cast<HWND>(window);
    data.uID = id;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = callbackMessage;
    data.hIcon = static_cast<HICON>(icon);
    // The tip ends at its NUL; the rest of the 64-byte field is blanks.
    std::memset(data.szTip, ' ', 64);
    const std::size_t length = tip.size() < 63 ? tip.size() : 63;
    std::memcpy(data.szTip, tip.data(), length);
    data.szTip[length] = '\0';
    return NotifyIcon(NIM_ADD, data);
}

bool Win32Platform::DeleteTrayIcon(WindowHandle window, unsigned id) {
    NOTIFYICONDATAA data = {};
    data.cbSize = kNotifyIconDataV1Size;
    data.hWnd = static_cast<HWND>(window);
    data.uID = id;
    return NotifyIcon(NIM_DELETE, data);
}

MemoryStatus Win32Platform::GetMemoryStatus() {
    MemoryStatus status;
    // GlobalMemoryStatus caps at 2 GiB for this exe; the Ex form exists from Windows 2000 on.
    using ExFn = BOOL(WINAPI*)(LPMEMORYSTATUSEX);
    if (auto ex = OptionalFunction<ExFn>("KERNEL32.DLL", "GlobalMemoryStatusEx")) {
        MEMORYSTATUSEX data = {};
        data.dwLength = sizeof data;
        if (ex(&data)) {
            status.memoryLoad = data.dwMemoryLoad;
            status.totalPhys = data.ullTotalPhys;
            status.availPhys = data.ullAvailPhys;
            return status;
        }
    }
    MEMORYSTATUS data = {};
    data.dwLength = sizeof data;
    GlobalMemoryStatus(&data);
    status.memoryLoad = data.dwMemoryLoad;
    status.totalPhys = data.dwTotalPhys;
    status.availPhys = data.dwAvailPhys;
    return status;
}

}  // namespace sd
