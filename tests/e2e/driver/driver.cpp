// sddriver: the end-to-end tests' hands and eyes inside the prefix. It finds windows by title
// and class, reads their controls, clicks buttons, answers message boxes, finds popup menus and
// tooltips, reads and writes the settings key, and prints what it saw as key=value lines.
#include <windows.h>
#include <shellapi.h>
#include <commctrl.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// A visible top-level window by its title and class ("*": any class).
HWND FindVisible(const char* title, const char* className) {
    const char* cls = std::strcmp(className, "*") ? className : nullptr;
    HWND hwnd = nullptr;
    while ((hwnd = FindWindowExA(nullptr, hwnd, cls, title)))
        if (IsWindowVisible(hwnd)) return hwnd;
    return nullptr;
}

HWND WaitFor(const char* title, const char* className, int timeoutMs) {
    for (int waited = 0;; waited += 50) {
        if (HWND hwnd = FindVisible(title, className)) return hwnd;
        if (waited >= timeoutMs) return nullptr;
        Sleep(50);
    }
}

std::string Text(HWND hwnd) {
    char text[1024] = {};
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                             SMTO_ABORTIFHUNG, 2000, &length))
        GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

std::string ClassOf(HWND hwnd) {
    char cls[256] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    return cls;
}

// A window's place on the screen, its state and, for a button, whether it is checked.
void PrintWindow(const char* prefix, HWND hwnd) {
    RECT rect;
    GetWindowRect(hwnd, &rect);
    const bool button = ClassOf(hwnd) == "Button";
    std::printf("%shwnd=%p class=%s text=%s x=%ld y=%ld w=%ld h=%ld style=%08lx visible=%d "
                "enabled=%d id=%ld checked=%ld\n",
                prefix, static_cast<void*>(hwnd), ClassOf(hwnd).c_str(), Text(hwnd).c_str(),
                rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                static_cast<unsigned long>(GetWindowLongA(hwnd, GWL_STYLE)),
                IsWindowVisible(hwnd) ? 1 : 0, IsWindowEnabled(hwnd) ? 1 : 0,
                static_cast<long>(GetDlgCtrlID(hwnd)),
                static_cast<long>(button ? SendMessageA(hwnd, BM_GETCHECK, 0, 0) : 0));
}

BOOL CALLBACK Collect(HWND child, LPARAM param) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(child);
    return TRUE;
}

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> all;
    EnumChildWindows(parent, Collect, reinterpret_cast<LPARAM>(&all));
    return all;
}

BOOL CALLBACK PrintVisible(HWND hwnd, LPARAM) {
    if (IsWindowVisible(hwnd)) PrintWindow("", hwnd);
    return TRUE;
}

// A control by its text, or by its id written "#1234".
HWND ChildWithText(HWND parent, const char* text) {
    for (HWND child : Children(parent))
        if (text[0] == '#' ? GetDlgCtrlID(child) == std::atoi(text + 1) : Text(child) == text)
            return child;
    return nullptr;
}

int Usage() {
    std::fprintf(stderr,
                 "usage: sddriver wait TITLE [CLASS] [MS] | gone TITLE [CLASS] [MS] |\n"
                 "  click TITLE CONTROL | answer TITLE BUTTON [MS] | type TITLE CONTROL HEXBYTES |\n"
                 "  close TITLE | menu [MS] | tip [MS] | getreg NAME | setreg NAME DATA | delreg |\n"
                 "  windows | trayicons | traylost | hold | usage CLASS | cycle MAINCLASS TITLE N\n");
    return 2;
}

const char* Arg(int argc, char** argv, int i, const char* fallback) {
    return i < argc ? argv[i] : fallback;
}

// A control of a top-level window: argv[2] is the window's title, argv[3] the control.
HWND ControlOf(int argc, char** argv) {
    HWND hwnd = FindVisible(Arg(argc, argv, 2, ""), "*");
    return hwnd ? ChildWithText(hwnd, Arg(argc, argv, 3, "")) : nullptr;
}

constexpr const char* kSettingsKey = "Software\\SwiftDash\\Default";

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    const std::string command = argv[1];
    const char* title = Arg(argc, argv, 2, "");

    if (command == "wait") {  // a visible window and its controls
        HWND hwnd = WaitFor(title, Arg(argc, argv, 3, "*"), std::atoi(Arg(argc, argv, 4, "20000")));
        if (!hwnd) return 1;
        PrintWindow("", hwnd);
        for (HWND child : Children(hwnd)) PrintWindow("control ", child);
        return 0;
    }
    if (command == "gone") {
        const int timeout = std::atoi(Arg(argc, argv, 4, "20000"));
        for (int waited = 0; waited <= timeout; waited += 50) {
            if (!FindVisible(title, Arg(argc, argv, 3, "*"))) return 0;
            Sleep(50);
        }
        return 1;
    }
    if (command == "answer") {  // a message box's button, once the box is up
        HWND box = WaitFor(title, "#32770", std::atoi(Arg(argc, argv, 4, "20000")));
        HWND button = box ? ChildWithText(box, Arg(argc, argv, 3, "OK")) : nullptr;
        if (!button) return 1;
        PostMessageA(button, BM_CLICK, 0, 0);
        return 0;
    }
    if (command == "click") {
        HWND button = ControlOf(argc, argv);
        if (!button) return 1;
        PostMessageA(button, BM_CLICK, 0, 0);
        return 0;
    }
    if (command == "hold") {  // takes 256 MB of memory, touched, until it is ended
        const SIZE_T size = 256u << 20;
        char* block = static_cast<char*>(VirtualAlloc(nullptr, size, MEM_COMMIT, PAGE_READWRITE));
        if (!block) return 1;
        for (SIZE_T i = 0; i < size; i += 4096) block[i] = 1;
        Sleep(INFINITE);
    }
    if (command == "close") {  // what the close box of the title bar sends
        HWND hwnd = FindVisible(title, "*");
        if (!hwnd) return 1;
        PostMessageA(hwnd, WM_CLOSE, 0, 0);
        return 0;
    }
    if (command == "menu") {  // the popup menu on screen
        const int timeout = std::atoi(Arg(argc, argv, 2, "20000"));
        // Another process's menu items cannot be read under Wine: the in-process tests read them.
        HWND popup = WaitFor("", "#32768", timeout);
        if (!popup) return 1;
        PrintWindow("", popup);
        return 0;
    }
    if (command == "getreg" || command == "setreg" || command == "delreg") {
        HKEY key = nullptr;
        if (command == "delreg") {
            RegDeleteKeyA(HKEY_CURRENT_USER, kSettingsKey);
            return 0;
        }
        if (command == "setreg") {
            if (argc < 4 || RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0,
                                            KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
                return 1;
            RegSetValueExA(key, argv[2], 0, REG_SZ, reinterpret_cast<const BYTE*>(argv[3]),
                           static_cast<DWORD>(std::strlen(argv[3]) + 1));
            RegCloseKey(key);
            return 0;
        }
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
            std::printf("absent=1\n");
            return 0;
        }
        char data[1024] = {};
        DWORD size = sizeof data - 1;
        DWORD type = 0;
        if (RegQueryValueExA(key, title, nullptr, &type, reinterpret_cast<BYTE*>(data), &size) ==
            ERROR_SUCCESS)
            std::printf("type=%lu value=%s\n", static_cast<unsigned long>(type), data);
        else
            std::printf("absent=1\n");
        RegCloseKey(key);
        return 0;
    }
    if (command == "trayicons") {  // the icons of Wine's notification area, on the screen
        HWND tray = FindWindowA("__winex11_standalone_tray", "Wine System Tray");
        if (!tray) tray = FindWindowA("Shell_TrayWnd", "");
        if (tray)
            for (HWND child : Children(tray))
                if (ClassOf(child).find("tray_icon") != std::string::npos && IsWindowVisible(child))
                    PrintWindow("icon ", child);
        return 0;
    }
    if (command == "traylost") {  // a notification area rebuilt: our icon gone, then the news
        HWND main = FindWindowA("SwiftDashMain", "SwiftDash");  // hidden in tray mode
        HWND iconPic = main ? FindWindowExA(main, nullptr, "SwiftDashIconPic", nullptr) : nullptr;
        if (!iconPic) return 1;
        NOTIFYICONDATAA data = {};
        data.cbSize = 88;
        data.hWnd = iconPic;
        data.uID = 1;
        Shell_NotifyIconA(NIM_DELETE, &data);
        SendNotifyMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
        return 0;
    }
    if (command == "type") {  // replaces a text box's text, one typed character at a time
        HWND control = ControlOf(argc, argv);
        if (!control) return 1;
        const std::string hex = Arg(argc, argv, 4, "");
        std::string text;
        for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
            text += static_cast<char>(std::strtoul(hex.substr(i, 2).c_str(), nullptr, 16));
        PostMessageA(control, EM_SETSEL, 0, -1);
        PostMessageA(control, WM_CHAR, VK_BACK, 1);
        for (unsigned char c : text) PostMessageA(control, WM_CHAR, c, 1);
        return 0;
    }
    if (command == "tip") {  // the text of the tooltip on screen
        const int timeout = std::atoi(Arg(argc, argv, 2, "20000"));
        for (int waited = 0; waited <= timeout; waited += 50) {
            HWND tip = nullptr;
            while ((tip = FindWindowExA(nullptr, tip, TOOLTIPS_CLASSA, nullptr)))
                if (IsWindowVisible(tip)) {
                    std::printf("text=%s\n", Text(tip).c_str());
                    return 0;
                }
            Sleep(50);
        }
        return 1;
    }
    if (command == "usage") {  // what the process owning a window of that class holds
        DWORD pid = 0;
        HWND hwnd = FindWindowA(title, nullptr);
        if (!hwnd || !GetWindowThreadProcessId(hwnd, &pid)) return 1;
        HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
        if (!process) return 1;
        PROCESS_MEMORY_COUNTERS counters = {};
        counters.cb = sizeof counters;
        GetProcessMemoryInfo(process, &counters, sizeof counters);
        std::printf("gdi=%lu user=%lu private=%lu\n", GetGuiResources(process, GR_GDIOBJECTS),
                    GetGuiResources(process, GR_USEROBJECTS),
                    static_cast<unsigned long>(counters.PagefileUsage));
        CloseHandle(process);
        return 0;
    }
    if (command == "cycle") {  // double-click the main window, wait for the dialog, close it
        HWND main = FindWindowA(title, nullptr);
        const char* dialog = Arg(argc, argv, 3, "");
        const int count = std::atoi(Arg(argc, argv, 4, "1"));
        if (!main) return 1;
        for (int i = 0; i < count; ++i) {
            const DWORD started = GetTickCount();
            PostMessageA(main, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(40, 40));
            HWND shown = WaitFor(dialog, "*", 20000);
            if (!shown) return 1;
            if (i == 0) std::printf("shown_ms=%lu\n", GetTickCount() - started);
            PostMessageA(shown, WM_CLOSE, 0, 0);
            for (int waited = 0; FindWindowA(nullptr, dialog); waited += 10) {
                if (waited > 20000) return 1;
                Sleep(10);
            }
        }
        return 0;
    }
    if (command == "windows") {
        EnumWindows(PrintVisible, 0);
        return 0;
    }
    return Usage();
}
