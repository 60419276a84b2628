// sddriver: the end-to-end tests' hands and eyes inside the prefix: it finds windows (a popup menu
// is of class #32768), reads their controls, clicks buttons, finds our tray icon, makes shortcuts,
// and prints what it saw as key=value. Under another name it is the marker: see Mark.
#include <windows.h>
#include <shlobj.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string Text(HWND hwnd) {
    char text[1024] = {};
    GetWindowTextA(hwnd, text, sizeof text);  // another process's window: its stored text, no message
    return text;
}

void PrintWindow(HWND hwnd) {
    RECT rect;
    GetWindowRect(hwnd, &rect);
    std::printf("text=%s x=%ld y=%ld w=%ld h=%ld style=%08lx\n", Text(hwnd).c_str(), rect.left, rect.top,
                rect.right - rect.left, rect.bottom - rect.top, GetWindowLongA(hwnd, GWL_STYLE));
}

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> all;
    EnumChildWindows(parent, [](HWND child, LPARAM all) CALLBACK -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(all)->push_back(child);
        return TRUE;
    }, reinterpret_cast<LPARAM>(&all));
    return all;
}

// A visible top-level window by title and class ("*": any), or its control of this text, polled for.
HWND WaitFor(const std::string& title, const std::string& className, const char* control, int timeoutMs) {
    const char* cls = className == "*" ? nullptr : className.c_str();
    for (int waited = 0;; waited += 50) {
        HWND hwnd = nullptr;
        while ((hwnd = FindWindowExA(nullptr, hwnd, cls, title.c_str()))) {
            if (!IsWindowVisible(hwnd)) continue;
            if (!control) return hwnd;
            for (HWND child : Children(hwnd))
                if (Text(child) == control) return child;
        }
        if (waited >= timeoutMs) return nullptr;
        Sleep(50);
    }
}

// A shortcut file made by the system's own shell link object (released as the process ends).
bool MakeLink(const std::string& link, const std::string& target, const std::string& arguments,
              const std::string& folder) {
    IShellLinkA* shellLink = nullptr;
    IPersistFile* file = nullptr;
    if (FAILED(CoInitialize(nullptr)) ||
        FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&shellLink))) ||
        FAILED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))))
        return false;
    shellLink->SetPath(target.c_str());
    shellLink->SetArguments(arguments.c_str());
    shellLink->SetWorkingDirectory(folder.c_str());
    wchar_t path[MAX_PATH] = {};
    MultiByteToWideChar(CP_ACP, 0, link.c_str(), -1, path, MAX_PATH);
    return SUCCEEDED(file->Save(path, TRUE));
}

// A program for SwiftDash to start (a GUI program, so that no console comes with it): it appends
// its current folder and command line to the .log beside it (its own path with the extension
// replaced: still within MAX_PATH).
int Mark(std::string self) {
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof folder, folder);
    const std::string line = std::string(folder) + "\t" + GetCommandLineA() + "\n";
    self.replace(self.size() - 3, 3, "log");
    HANDLE log = CreateFileA(self.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    return log != INVALID_HANDLE_VALUE && WriteFile(log, line.data(), line.size(), &written, nullptr) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, sizeof self);
    if (std::string(self).find("sddriver.exe") == std::string::npos) return Mark(self);
    std::vector<std::string> arg(argv, argv + argc);
    arg.resize(6);  // the command, a title, a class or a control, then a timeout or two more
    const std::string& command = arg[1];

    if (command == "wait") {  // a visible window and its controls
        HWND hwnd = WaitFor(arg[2], arg[3], nullptr, std::stoi(arg[4]));
        if (!hwnd) return 1;
        PrintWindow(hwnd);
        for (HWND child : Children(hwnd)) PrintWindow(child);
        return 0;
    }
    if (command == "click" || command == "close") {  // a button, or the title bar's close box
        const bool click = command == "click";
        HWND hwnd = WaitFor(arg[2], "*", click ? arg[3].c_str() : nullptr, 60000);
        if (!hwnd) return 1;
        PostMessageA(hwnd, click ? BM_CLICK : WM_CLOSE, 0, 0);
        return 0;
    }
    if (command == "trayicons") {  // the icons of Wine's notification area, on the screen
        if (HWND tray = FindWindowA("__winex11_standalone_tray", "Wine System Tray"))
            for (HWND child : Children(tray)) {
                char cls[64] = {};
                GetClassNameA(child, cls, sizeof cls);
                if (std::string(cls).find("tray_icon") != std::string::npos && IsWindowVisible(child))
                    PrintWindow(child);
            }
        return 0;
    }
    if (command == "link")  // link file, target, arguments, "Start in" folder
        return MakeLink(arg[2], arg[3], arg[4], arg[5]) ? 0 : 1;
    return 2;  // commands: wait, click, close, trayicons, link
}
