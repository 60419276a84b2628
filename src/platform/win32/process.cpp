// Win32 platform: the process, instance test, task-list registration, Shift key, session end.
#include <windows.h>

#include "platform/win32/lazy_library.h"
#include "platform/win32_platform.h"
#include "platform/command_line.h"

namespace sd {

namespace {

// Bit 31 of GetVersion marks 95/98/Me; on the NT family the low byte is the major version.
WindowsFamily FamilyOfTheSystem() {
    const DWORD version = GetVersion();
    if (version & 0x80000000u) return WindowsFamily::Win9x;
    return LOBYTE(LOWORD(version)) >= 5 ? WindowsFamily::NT2000OrLater : WindowsFamily::NT4OrEarlier;
}

}  // namespace

Win32Platform::Win32Platform(Win32PlatformOptions options)
    : options_(std::move(options)),
      family_(options_.family       ? *options_.family
              : options_.forceWin9x ? WindowsFamily::Win9x
                                    : FamilyOfTheSystem()) {}

Win32Platform::~Win32Platform() {
    if (instanceMutex_) CloseHandle(instanceMutex_);
}

bool Win32Platform::IsWin9x() const { return family_ == WindowsFamily::Win9x; }

namespace {

std::string ModulePath() {
    char path[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, length);
}

std::string BaseNameOf(std::string path) {
    const std::size_t slash = path.find_last_of("\\/");
    if (slash != std::string::npos) path.erase(0, slash + 1);
    const std::size_t dot = path.rfind('.');
    if (dot != std::string::npos) path.erase(dot);
    return path;
}

}  // namespace

std::string Win32Platform::ExecutablePath() { return ModulePath(); }

std::string Win32Platform::ExecutableDirectory() {
    const std::string path = ModulePath();
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string Win32Platform::ExecutableBaseName() { return BaseNameOf(ModulePath()); }

std::string Win32Platform::ExecutableShortBaseName() {
    const std::string path = ModulePath();
    char shortPath[MAX_PATH + 1] = {};
    const DWORD length = GetShortPathNameA(path.c_str(), shortPath, MAX_PATH);
    return BaseNameOf(length > 0 && length <= MAX_PATH ? std::string(shortPath, length) : path);
}

std::string Win32Platform::CommandLineArguments() {
    return std::string(ArgumentsOf(GetCommandLineA()));
}

bool Win32Platform::AnotherInstanceRunning() {
    if (instanceMutex_) return false;
    HANDLE mutex = CreateMutexA(nullptr, FALSE, options_.instanceName.c_str());
    if (!mutex) return false;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return true;
    }
    instanceMutex_ = mutex;  // held until the process ends
    return false;
}

void Win32Platform::SetServiceProcess(bool registered) {
    // Windows 95/98 only; NT-family Windows lack it (Wine exports a stub everywhere).
    using Fn = DWORD(WINAPI*)(DWORD, DWORD);
    if (auto fn = OptionalFunction<Fn>("KERNEL32.DLL", "RegisterServiceProcess"))
        fn(GetCurrentProcessId(), registered ? 1 : 0);
}

void Win32Platform::EndProcess() { ExitProcess(0); }

// At start-up no input has reached this thread's queue yet, so GetKeyState would say "up".
bool Win32Platform::ShiftKeyDown() { return (GetAsyncKeyState(VK_SHIFT) & 0x8000) != 0; }

bool Win32Platform::SafeMode() { return GetSystemMetrics(SM_CLEANBOOT) != 0; }

namespace {

// NT-family Windows refuse a shut-down or restart without this privilege; 9x needs none.
void EnableShutdownPrivilege() {
    using OpenTokenFn = BOOL(WINAPI*)(HANDLE, DWORD, PHANDLE);
    using LookupFn = BOOL(WINAPI*)(LPCSTR, LPCSTR, PLUID);
    using AdjustFn = BOOL(WINAPI*)(HANDLE, BOOL, PTOKEN_PRIVILEGES, DWORD, PTOKEN_PRIVILEGES, PDWORD);
    auto openToken = OptionalFunction<OpenTokenFn>("ADVAPI32.DLL", "OpenProcessToken");
    auto lookup = OptionalFunction<LookupFn>("ADVAPI32.DLL", "LookupPrivilegeValueA");
    auto adjust = OptionalFunction<AdjustFn>("ADVAPI32.DLL", "AdjustTokenPrivileges");
    if (!openToken || !lookup || !adjust) return;
    HANDLE token = nullptr;
    if (!openToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) return;
    TOKEN_PRIVILEGES privileges = {};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (lookup(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid))
        adjust(token, FALSE, &privileges, 0, nullptr, nullptr);
    CloseHandle(token);
}

}  // namespace

void Win32Platform::EndSession(SessionEnd how) {
    if (!IsWin9x() && how != SessionEnd::LogOff) EnableShutdownPrivilege();
    const UINT flag = how == SessionEnd::LogOff ? EWX_LOGOFF : how == SessionEnd::ShutDown ? EWX_SHUTDOWN : EWX_REBOOT;
    ExitWindowsEx(flag, 1);
}

}  // namespace sd
