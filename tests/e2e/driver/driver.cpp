// sddriver: the end-to-end tests' hands and eyes inside the prefix. It finds windows by title
// and class, reads their controls, clicks buttons, answers message boxes, reads popup menus
// and the settings key, and prints what it saw as key=value lines.
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

struct Query {
    const char* title;
    const char* className;  // null or "*": any class
    HWND found = nullptr;
};

BOOL CALLBACK MatchTopLevel(HWND hwnd, LPARAM param) {
    auto* query = reinterpret_cast<Query*>(param);
    char title[512] = {};
    char cls[256] = {};
    GetWindowTextA(hwnd, title, sizeof title);
    GetClassNameA(hwnd, cls, sizeof cls);
    const bool classOk = !query->className || !std::strcmp(query->className, "*") ||
                         !std::strcmp(query->className, cls);
    if (classOk && !std::strcmp(title, query->title)) {
        query->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND FindTopLevel(const char* title, const char* className) {
    Query query{title, className};
    EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

HWND WaitFor(const char* title, const char* className, int timeoutMs, bool visible) {
    for (int waited = 0;; waited += 50) {
        HWND hwnd = FindTopLevel(title, className);
        if (hwnd && (!visible || IsWindowVisible(hwnd))) return hwnd;
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

void PrintWindow(const char* prefix, HWND hwnd, HWND relativeTo) {
    RECT rect;
    GetWindowRect(hwnd, &rect);
    POINT origin = {0, 0};
    if (relativeTo) ClientToScreen(relativeTo, &origin);
    RECT client;
    GetClientRect(hwnd, &client);
    std::printf("%shwnd=%p class=%s text=%s x=%ld y=%ld w=%ld h=%ld cw=%ld ch=%ld style=%08lx "
                "exstyle=%08lx visible=%d enabled=%d id=%ld checked=%ld\n",
                prefix, static_cast<void*>(hwnd), ClassOf(hwnd).c_str(), Text(hwnd).c_str(),
                rect.left - origin.x, rect.top - origin.y, rect.right - rect.left,
                rect.bottom - rect.top, client.right, client.bottom,
                static_cast<unsigned long>(GetWindowLongA(hwnd, GWL_STYLE)),
                static_cast<unsigned long>(GetWindowLongA(hwnd, GWL_EXSTYLE)),
                IsWindowVisible(hwnd) ? 1 : 0, IsWindowEnabled(hwnd) ? 1 : 0,
                static_cast<long>(GetDlgCtrlID(hwnd)),
                static_cast<long>(ClassOf(hwnd) == "Button" ? SendMessageA(hwnd, BM_GETCHECK, 0, 0) : 0));
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
    if (IsWindowVisible(hwnd)) PrintWindow("", hwnd, nullptr);
    return TRUE;
}

// A control by its text, or by its id written "#1234".
HWND ChildWithText(HWND parent, const char* text) {
    for (HWND child : Children(parent))
        if (text[0] == '#' ? GetDlgCtrlID(child) == std::atoi(text + 1) : Text(child) == text)
            return child;
    return nullptr;
}

void PrintMenu(HMENU menu, int depth) {
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        char caption[256] = {};
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_TYPE | MIIM_STATE | MIIM_SUBMENU | MIIM_ID;
        info.dwTypeData = caption;
        info.cch = sizeof caption - 1;
        GetMenuItemInfoA(menu, i, TRUE, &info);
        const bool separator = info.fType & MFT_SEPARATOR;
        std::printf("menu depth=%d index=%d id=%u separator=%d state=%08x text=%s\n", depth, i,
                    info.wID, separator ? 1 : 0, info.fState, separator ? "-" : caption);
        if (info.hSubMenu) PrintMenu(info.hSubMenu, depth + 1);
    }
}

int Usage() {
    std::fprintf(stderr,
                 "usage: sddriver wait TITLE [CLASS] [MS] | gone TITLE [CLASS] [MS] |\n"
                 "  info TITLE [CLASS] | controls TITLE [CLASS] | msgbox TITLE [MS] |\n"
                 "  click TITLE BUTTON | answer TITLE BUTTON [MS] | post TITLE MSG WPARAM LPARAM | hold |\n"
                 "  dblclick TITLE TEXT | keys TITLE VK | menu [MS] | getreg NAME | setreg NAME DATA |\n"
                 "  delreg | exists PATH | windows | trayicons | traylost |\n"
                 "  type TITLE CONTROL HEXBYTES | where TITLE CONTROL | tip [MS] | usage CLASS |\n"
                 "  cycle MAINCLASS TITLE N\n");
    return 2;
}

const char* Arg(int argc, char** argv, int i, const char* fallback) {
    return i < argc ? argv[i] : fallback;
}

constexpr const char* kSettingsKey = "Software\\SwiftDash\\Default";

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    const std::string command = argv[1];
    const char* title = Arg(argc, argv, 2, "");

    if (command == "wait" || command == "gone") {
        const char* cls = Arg(argc, argv, 3, "*");
        const int timeout = std::atoi(Arg(argc, argv, 4, "20000"));
        if (command == "wait") {
            HWND hwnd = WaitFor(title, cls, timeout, true);
            if (!hwnd) return 1;
            PrintWindow("", hwnd, nullptr);
            return 0;
        }
        for (int waited = 0; waited <= timeout; waited += 50) {
            HWND hwnd = FindTopLevel(title, cls);
            if (!hwnd || !IsWindowVisible(hwnd)) return 0;
            Sleep(50);
        }
        return 1;
    }
    if (command == "info" || command == "controls") {
        HWND hwnd = FindTopLevel(title, Arg(argc, argv, 3, "*"));
        if (!hwnd) return 1;
        PrintWindow("", hwnd, nullptr);
        if (command == "controls")
            for (HWND child : Children(hwnd)) PrintWindow("control ", child, hwnd);
        return 0;
    }
    if (command == "msgbox" || command == "answer") {
        const int timeout = std::atoi(Arg(argc, argv, command == "msgbox" ? 3 : 4, "20000"));
        HWND box = WaitFor(title, "#32770", timeout, true);
        if (!box) return 1;
        if (command == "msgbox") {
            PrintWindow("", box, nullptr);
            for (HWND child : Children(box)) PrintWindow("control ", child, box);
            return 0;
        }
        HWND button = ChildWithText(box, Arg(argc, argv, 3, "OK"));
        if (!button) return 1;
        PostMessageA(button, BM_CLICK, 0, 0);
        return 0;
    }
    if (command == "click") {
        HWND hwnd = FindTopLevel(title, "*");
        HWND button = hwnd ? ChildWithText(hwnd, Arg(argc, argv, 3, "")) : nullptr;
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
    if (command == "dblclick") {  // a double-click on a control: what a user's two clicks send
        HWND hwnd = FindTopLevel(title, "*");
        HWND control = hwnd ? ChildWithText(hwnd, Arg(argc, argv, 3, "")) : nullptr;
        if (!control) return 1;
        PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        PostMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
        PostMessageA(control, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(2, 2));
        PostMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
        return 0;
    }
    if (command == "post") {
        HWND hwnd = FindTopLevel(title, "*");
        if (!hwnd || argc < 6) return 1;
        PostMessageA(hwnd, std::strtoul(argv[3], nullptr, 0), std::strtoul(argv[4], nullptr, 0),
                     std::strtol(argv[5], nullptr, 0));
        return 0;
    }
    if (command == "keys") {  // a key pressed while the window is in front
        HWND hwnd = FindTopLevel(title, "*");
        if (!hwnd || argc < 4) return 1;
        SetForegroundWindow(hwnd);
        HWND focus = hwnd;
        GUITHREADINFO gui = {};
        gui.cbSize = sizeof gui;
        if (GetGUIThreadInfo(GetWindowThreadProcessId(hwnd, nullptr), &gui) && gui.hwndFocus)
            focus = gui.hwndFocus;
        const WPARAM vk = std::strtoul(argv[3], nullptr, 0);
        PostMessageA(focus, WM_KEYDOWN, vk, 1);
        PostMessageA(focus, WM_KEYUP, vk, 0xC0000001);
        return 0;
    }
    if (command == "menu") {  // the popup menu on screen, with its submenus
        const int timeout = std::atoi(Arg(argc, argv, 2, "20000"));
        HWND popup = WaitFor("", "#32768", timeout, true);
        if (!popup) return 1;
        PrintWindow("", popup, nullptr);
        // Another process's menu items cannot be read under Wine: only the popup then.
        HMENU menu = reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0));
        if (menu) PrintMenu(menu, 0);
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
    if (command == "exists") {
        return GetFileAttributesA(title) == INVALID_FILE_ATTRIBUTES ? 1 : 0;
    }
    if (command == "trayicons") {  // the icons of Wine's notification area, on the screen
        HWND tray = FindTopLevel("Wine System Tray", "__winex11_standalone_tray");
        if (!tray) tray = FindTopLevel("", "Shell_TrayWnd");
        if (tray)
            for (HWND child : Children(tray))
                if (ClassOf(child).find("tray_icon") != std::string::npos && IsWindowVisible(child))
                    PrintWindow("icon ", child, nullptr);
        return 0;
    }
    if (command == "traylost") {  // a notification area rebuilt: our icon gone, then the news
        HWND main = FindTopLevel("SwiftDash", "SwiftDashMain");
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
        HWND hwnd = FindTopLevel(title, "*");
        HWND control = hwnd ? ChildWithText(hwnd, Arg(argc, argv, 3, "")) : nullptr;
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
    if (command == "where") {  // the screen point at the middle of a control
        HWND hwnd = FindTopLevel(title, "*");
        HWND control = hwnd ? ChildWithText(hwnd, Arg(argc, argv, 3, "")) : nullptr;
        if (!control) return 1;
        RECT rect;
        GetWindowRect(control, &rect);
        std::printf("x=%ld y=%ld left=%ld top=%ld\n", (rect.left + rect.right) / 2,
                    (rect.top + rect.bottom) / 2, rect.left, rect.top);
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
            HWND shown = WaitFor(dialog, "*", 20000, true);
            if (!shown) return 1;
            if (i == 0) std::printf("shown_ms=%lu\n", GetTickCount() - started);
            PostMessageA(shown, WM_CLOSE, 0, 0);
            for (int waited = 0; FindTopLevel(dialog, "*"); waited += 10) {
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
