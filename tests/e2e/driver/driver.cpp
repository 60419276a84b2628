// sddriver: the end-to-end tests' hands and eyes inside the prefix. It finds windows by title and
// class (a popup menu is of class #32768, a tooltip of tooltips_class32), reads their controls,
// clicks buttons, finds our tray icon, makes shortcuts; it prints what it saw as key=value.
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::string Text(HWND hwnd) {
    char text[1024] = {};
    DWORD_PTR length = 0;
    SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 2000, &length);
    return text;
}

std::string ClassOf(HWND hwnd) {
    char cls[256] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    return cls;
}

// A window's place on the screen and its state: a button's check, and whether it has the focus
// of its thread.
void PrintWindow(const char* prefix, HWND hwnd) {
    RECT rect;
    GetWindowRect(hwnd, &rect);
    DWORD_PTR checked = 0;
    if (ClassOf(hwnd) == "Button")
        SendMessageTimeoutA(hwnd, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 2000, &checked);
    GUITHREADINFO thread = {};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(GetWindowThreadProcessId(hwnd, nullptr), &thread);
    std::printf("%sclass=%s text=%s x=%ld y=%ld w=%ld h=%ld style=%08lx visible=%d checked=%d focus=%d\n",
                prefix, ClassOf(hwnd).c_str(), Text(hwnd).c_str(), rect.left, rect.top, rect.right - rect.left,
                rect.bottom - rect.top, static_cast<unsigned long>(GetWindowLongA(hwnd, GWL_STYLE)),
                IsWindowVisible(hwnd) ? 1 : 0, checked == BST_CHECKED, thread.hwndFocus == hwnd);
}

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> all;
    EnumChildWindows(parent, [](HWND child, LPARAM all) CALLBACK -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(all)->push_back(child);
        return TRUE;
    }, reinterpret_cast<LPARAM>(&all));
    return all;
}

// A visible top-level window by its title and class ("*": any class), or, when a control is
// named (by its text, or "#id" by its id), that control of such a window; polled for until the
// timeout.
HWND WaitFor(const char* title, const char* className, const char* control, int timeoutMs) {
    const char* cls = std::strcmp(className, "*") ? className : nullptr;
    for (int waited = 0;; waited += 50) {
        HWND hwnd = nullptr;
        while ((hwnd = FindWindowExA(nullptr, hwnd, cls, title))) {
            if (!IsWindowVisible(hwnd)) continue;
            if (!control) return hwnd;
            for (HWND child : Children(hwnd))
                if (control[0] == '#' ? GetDlgCtrlID(child) == std::atoi(control + 1) : Text(child) == control)
                    return child;
        }
        if (waited >= timeoutMs) return nullptr;
        Sleep(50);
    }
}

// A shortcut file made by the system's own shell link object.
bool MakeLink(const char* link, const char* target, const char* arguments, const char* folder, int show) {
    CoInitialize(nullptr);
    IShellLinkA* shellLink = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&shellLink))))
        return false;
    shellLink->SetPath(target);
    shellLink->SetArguments(arguments);
    shellLink->SetWorkingDirectory(folder);
    shellLink->SetShowCmd(show);
    IPersistFile* file = nullptr;
    bool saved = false;
    if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        wchar_t path[MAX_PATH] = {};
        MultiByteToWideChar(CP_ACP, 0, link, -1, path, MAX_PATH);
        saved = SUCCEEDED(file->Save(path, TRUE));
        file->Release();
    }
    shellLink->Release();
    return saved;
}

const char* Arg(int argc, char** argv, int i, const char* fallback) {
    return i < argc ? argv[i] : fallback;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = Arg(argc, argv, 1, "");
    const char* title = Arg(argc, argv, 2, "");
    const char* third = Arg(argc, argv, 3, "*");  // a class or a control
    const int timeout = std::atoi(Arg(argc, argv, 4, "20000"));

    if (command == "wait") {  // a visible window and its controls
        HWND hwnd = WaitFor(title, third, nullptr, timeout);
        if (!hwnd) return 1;
        PrintWindow("", hwnd);
        for (HWND child : Children(hwnd)) PrintWindow("control ", child);
        return 0;
    }
    if (command == "gone") {
        for (int waited = 0; waited <= timeout; waited += 50) {
            if (!WaitFor(title, third, nullptr, 0)) return 0;
            Sleep(50);
        }
        return 1;
    }
    if (command == "click" || command == "close") {  // a button, or the title bar's close box
        const bool click = command == "click";
        HWND hwnd = WaitFor(title, "*", click ? third : nullptr, 20000);
        if (!hwnd) return 1;
        PostMessageA(hwnd, click ? BM_CLICK : WM_CLOSE, 0, 0);
        return 0;
    }
    if (command == "closeall") {  // what a task killer does: a close request to every top-level
                                  // window of the process that has a window of this class
        DWORD process = 0;
        if (HWND any = FindWindowA(third, nullptr)) GetWindowThreadProcessId(any, &process);
        if (!process) return 1;
        EnumWindows([](HWND hwnd, LPARAM process) CALLBACK -> BOOL {
            DWORD owner = 0;
            GetWindowThreadProcessId(hwnd, &owner);
            if (owner == static_cast<DWORD>(process)) PostMessageA(hwnd, WM_CLOSE, 0, 0);
            return TRUE;
        }, process);
        return 0;
    }
    if (command == "trayicons") {  // the icons of Wine's notification area, on the screen
        if (HWND tray = FindWindowA("__winex11_standalone_tray", "Wine System Tray"))
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
    if (command == "link")  // link file, target, arguments, "Start in" folder, Run state (SW_*)
        return MakeLink(title, third, Arg(argc, argv, 4, ""), Arg(argc, argv, 5, ""),
                        std::atoi(Arg(argc, argv, 6, "1"))) ? 0 : 1;
    std::fprintf(stderr, "usage: sddriver wait|gone|click|close|closeall|trayicons|traylost|link\n");
    return 2;
}
