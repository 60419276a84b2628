// bench_probe: the benchmark's eyes inside the prefix; answers, per line on stdin, what Wine
// knows of the process owning a window (GUI resources, memory counters, windows), ends a
// program as a log-off does, and walks shell mode's About and System Information windows.
#include <windows.h>
#include <psapi.h>
#include <winternl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct Count {
    DWORD pid;
    int topLevel = 0;
    int all = 0;
};

BOOL CALLBACK CountChild(HWND, LPARAM param) {
    ++reinterpret_cast<Count*>(param)->all;
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND hwnd, LPARAM param) {
    auto* count = reinterpret_cast<Count*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == count->pid) {
        ++count->topLevel;
        ++count->all;
        EnumChildWindows(hwnd, CountChild, param);  // every descendant, not only children
    }
    return TRUE;
}

// Message-only windows are not top-level: EnumWindows never sees them.
int CountMessageOnly(DWORD pid) {
    const HWND messageParent = reinterpret_cast<HWND>(-3);  // HWND_MESSAGE
    int n = 0;
    for (HWND hwnd = nullptr; (hwnd = FindWindowExA(messageParent, hwnd, nullptr, nullptr));) {
        DWORD owner = 0;
        GetWindowThreadProcessId(hwnd, &owner);
        if (owner == pid) ++n;
    }
    return n;
}

// Wine's GetGuiResources counts nothing, but its GDI keeps a handle table per process, as
// Windows NT does, and the process's PEB points at it: a live entry has a non-zero type.
// Layout of one entry: UINT64 object, ULONG owner, USHORT unique, UCHAR type, UCHAR flags,
// UINT64 user pointer.
int CountGdiObjects(HANDLE process) {
    PROCESS_BASIC_INFORMATION basic = {};
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0)
        return -1;
    constexpr SIZE_T kPebGdiTable = 0x94, kEntrySize = 24, kTypeOffset = 14, kEntries = 0x10000;
    DWORD table = 0;
    if (!ReadProcessMemory(process, reinterpret_cast<const char*>(basic.PebBaseAddress) + kPebGdiTable,
                           &table, sizeof table, nullptr) || !table)
        return -1;
    static unsigned char chunk[kEntrySize * 512];
    int live = 0;
    for (SIZE_T first = 0; first < kEntries; first += 512) {
        if (!ReadProcessMemory(process, reinterpret_cast<const void*>(table + first * kEntrySize),
                               chunk, sizeof chunk, nullptr))
            break;  // past what the table has mapped
        for (SIZE_T i = 0; i < 512; ++i) live += chunk[i * kEntrySize + kTypeOffset] != 0;
    }
    return live;
}

// A zero from GetGuiResources is either a count or a failure; the error tells which.
void PrintGuiResource(HANDLE process, DWORD flag, const char* name) {
    SetLastError(0);
    DWORD value = GetGuiResources(process, flag);
    DWORD error = GetLastError();
    if (value == 0 && error != 0)
        std::printf(" %s=- %s_error=%lu", name, name, error);
    else
        std::printf(" %s=%lu", name, value);
}

void Info(const char* className) {
    HWND hwnd = FindWindowA(className, nullptr);
    DWORD pid = 0;
    if (!hwnd || !GetWindowThreadProcessId(hwnd, &pid)) {
        std::printf("none\n");
        return;
    }
    std::printf("found pid=%lu visible=%d", pid, IsWindowVisible(hwnd) ? 1 : 0);
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (process) {
        if (const int gdi = CountGdiObjects(process); gdi >= 0) std::printf(" gdi=%d", gdi);
        PrintGuiResource(process, GR_USEROBJECTS, "user");
        PROCESS_MEMORY_COUNTERS_EX counters = {};
        counters.cb = sizeof counters;
        if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                                 sizeof counters))
            std::printf(" pagefile=%lu private=%lu wset=%lu",
                        static_cast<unsigned long>(counters.PagefileUsage),
                        static_cast<unsigned long>(counters.PrivateUsage),
                        static_cast<unsigned long>(counters.WorkingSetSize));
        CloseHandle(process);
    }
    Count count{pid};
    EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&count));
    std::printf(" top=%d all=%d msgonly=%d\n", count.topLevel, count.all, CountMessageOnly(pid));
}

// Whether a popup menu is on screen (Wine keeps hidden menu windows around).
void Popup() {
    for (HWND hwnd = nullptr; (hwnd = FindWindowExA(nullptr, hwnd, "#32768", nullptr));) {
        if (IsWindowVisible(hwnd)) {
            std::printf("found\n");
            return;
        }
    }
    std::printf("none\n");
}

// Ends a program as a log-off does: WM_ENDSESSION to its window (a shell then ends itself).
void EndSession(const char* className) {
    HWND hwnd = FindWindowA(className, nullptr);
    DWORD_PTR result = 0;
    if (hwnd)
        SendMessageTimeoutA(hwnd, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000,
                            &result);
    std::printf(hwnd ? "sent\n" : "none\n");
}

// Polls for up to 20 s until `done()` holds.
template <class Done>
bool Poll(Done done) {
    for (int waited = 0; waited < 20000; waited += 5) {
        if (done()) return true;
        Sleep(5);
    }
    return false;
}

HWND WaitForClass(const char* className) {
    HWND hwnd = nullptr;
    return Poll([&] { return (hwnd = FindWindowA(className, nullptr)) && IsWindowVisible(hwnd); })
               ? hwnd : nullptr;
}

bool WaitGone(const char* className) {
    return Poll([&] { return !FindWindowA(className, nullptr); });
}

// About from the shell menu as a right press and the keys Up, Up, Up, Enter choose it (the
// menu loop reads keys queued before it), then "Sys Info": the System Information window.
// Only posted messages: under Wine a message sent across processes to a window that is
// destroyed while handling it may never return, timeout or not.
HWND OpenSysInfo() {
    HWND main = FindWindowA("SwiftDashMain", nullptr);
    if (!main) return nullptr;
    PostMessageA(main, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(60, 40));
    const WPARAM keys[] = {VK_UP, VK_UP, VK_UP, VK_RETURN};
    for (WPARAM key : keys) PostMessageA(main, WM_KEYDOWN, key, 1);
    HWND about = WaitForClass("SwiftDashAbout");
    HWND sysInfo = about ? FindWindowExA(about, nullptr, "Button", "Sys Info") : nullptr;
    if (!sysInfo) return nullptr;
    PostMessageA(sysInfo, BM_CLICK, 0, 0);
    HWND window = WaitForClass("SwiftDashSysInfo");
    return window && WaitGone("SwiftDashAbout") ? window : nullptr;
}

bool CloseAndWait(HWND hwnd, const char* className) {
    PostMessageA(hwnd, WM_CLOSE, 0, 0);
    return WaitGone(className);
}

void Close(const char* className) {
    HWND hwnd = FindWindowA(className, nullptr);
    std::printf(!hwnd ? "none\n" : CloseAndWait(hwnd, className) ? "closed\n" : "open\n");
}

// Opens System Information and leaves it open, or opens and closes it `cycles` times.
void SysInfo(int cycles) {
    for (int i = 0; i < (cycles ? cycles : 1); ++i) {
        HWND window = OpenSysInfo();
        if (!window || (cycles && !CloseAndWait(window, "SwiftDashSysInfo"))) {
            std::printf("failed cycle=%d\n", i);
            return;
        }
    }
    std::printf("done\n");
}

}  // namespace

int main() {
    char line[256];
    while (std::fgets(line, sizeof line, stdin)) {
        line[std::strcspn(line, "\r\n")] = '\0';
        if (!std::strncmp(line, "info ", 5))
            Info(line + 5);
        else if (!std::strcmp(line, "popup"))
            Popup();
        else if (!std::strncmp(line, "endsession ", 11))
            EndSession(line + 11);
        else if (!std::strcmp(line, "sysinfo"))
            SysInfo(0);
        else if (!std::strncmp(line, "cycles ", 7))
            SysInfo(std::atoi(line + 7));
        else if (!std::strncmp(line, "close ", 6))
            Close(line + 6);
        else if (!std::strcmp(line, "quit"))
            break;
        else
            std::printf("error unknown command\n");
        std::fflush(stdout);
    }
    return 0;
}
