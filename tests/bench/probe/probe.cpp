// bench_probe: the benchmark's eyes inside the prefix; answers, per line on stdin, what Wine
// knows of the process owning a window (GUI resources, memory counters, windows), and ends
// a program as a log-off does.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
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
        PrintGuiResource(process, GR_GDIOBJECTS, "gdi");
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
        else if (!std::strcmp(line, "quit"))
            break;
        else
            std::printf("error unknown command\n");
        std::fflush(stdout);
    }
    return 0;
}
