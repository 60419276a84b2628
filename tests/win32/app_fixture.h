// The in-process tests' helpers: temp folders, the captions-fit check, and a fresh App.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "shell_window/app.h"
#include "test_platform.h"

namespace sd::test {

// A fresh, empty folder under the temp folder, removed with everything in it at the end.
struct TempFolder {
    TempFolder() { std::filesystem::create_directory(path); }
    ~TempFolder() {
        SetCurrentDirectoryA(std::filesystem::temp_directory_path().string().c_str());  // a rewrite went in
        std::error_code ignored;
        for (const auto& entry : std::filesystem::directory_iterator(path, ignored))
            SetFileAttributesA(entry.path().string().c_str(), FILE_ATTRIBUTE_NORMAL);  // read-only too
        std::filesystem::remove_all(path, ignored);
    }
    std::string File(const std::string& name) const { return path + "\\" + name; }
    void Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(File(name), std::ios::binary) << bytes;
    }
    std::string Read(const std::string& name) const {
        std::ifstream in(File(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("sdtest" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++count)))
                                 .string();
    static inline int count = 0;
};

inline std::string WindowText(HWND hwnd) {
    char text[512] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

// Each control's caption, drawn in its own font, fits the room the control gives it (no
// "Return to Windov"): a label may wrap onto the lines its height holds; a button's face loses
// its edges, a radio or check box its box, a frame its corners.
inline void ExpectCaptionsFit(HWND window) {
    EnumChildWindows(window, [](HWND control, LPARAM) CALLBACK -> BOOL {
        char cls[64] = {};
        GetClassNameA(control, cls, sizeof cls);
        const std::string text = WindowText(control), name = cls;
        if (text.empty() || (name != "Static" && name != "Button")) return TRUE;
        RECT client, need = {};
        GetClientRect(control, &client);
        const LONG type = GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
        const bool box = type >= BS_CHECKBOX && type <= BS_AUTORADIOBUTTON && type != BS_GROUPBOX;
        const int room = name == "Static" ? client.right
                         : client.right - (type == BS_GROUPBOX ? 16 : box ? GetSystemMetrics(SM_CXMENUCHECK) + 4 : 6);
        HDC dc = GetDC(control);
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
        need.right = name == "Static" ? room : 0;
        DrawTextA(dc, text.c_str(), -1, &need, DT_CALCRECT | (name == "Static" ? DT_WORDBREAK : DT_SINGLELINE));
        SelectObject(dc, old);
        ReleaseDC(control, dc);
        EXPECT_LE(need.right, room) << '"' << text << "\" is clipped";
        EXPECT_LE(need.bottom, client.bottom) << '"' << text << "\" is too tall";
        return TRUE;
    }, 0);
}

// An App in a temp folder with its system.ini, on an emptied settings key.
struct AppFixture {
    AppFixture() {
        ClearSettings();
        platform.exeDir = folder.path;
        folder.Write("system.ini", "[boot]\r\nshell=Explorer.exe\r\n");
    }
    ~AppFixture() { ClearSettings(); }
    static void ClearSettings() {
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\SwiftDash\\Default");
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\SwiftDash");
    }

    // Runs the load handler as WinMain would, on a run that is not the first; dpi 0 is the
    // screen's.
    void Load(const std::string& arguments, int dpi = 0) {
        platform.WriteSetting("Version", "130");
        platform.arguments = arguments;
        app = std::make_unique<App>(platform, GetModuleHandleA(nullptr), dpi);
        app->main.Create();
        app->main.Form_Load();
    }
    // A shell-mode start, its own calls forgotten.
    void LoadShell() {
        Load("");
        platform.log.clear();
    }
    // A key pressed on the control in focus, with Shift or Ctrl held if named, read through
    // the program's message loop.
    void Press(WPARAM key, BYTE held = 0) {
        BYTE state[256] = {};
        state[held] = held ? 0x80 : 0;
        SetKeyboardState(state);
        PostMessageA(GetFocus(), WM_KEYDOWN, key, 1);
        Pump();
        state[held] = 0;
        SetKeyboardState(state);
    }
    void Pump() {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) app->host.PumpMessage();
    }

    TempFolder folder;
    TestPlatform platform{Win32PlatformOptions{true}};
    std::unique_ptr<App> app;
};

}  // namespace sd::test
