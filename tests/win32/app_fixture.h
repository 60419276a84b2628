// The in-process tests' helpers: temp folders, the captions-fit check, and a fresh App.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "platform/win32_platform.h"
#include "recording_platform.h"
#include "shell_window/app.h"

namespace sd::test {

// The real Win32 platform, with the calls that would end or block the test recorded instead.
using TestPlatform = RecordingPlatform<Win32Platform>;

// A fresh, empty folder under the temp folder, removed with everything in it at the end.
class TempFolder {
public:
    TempFolder() {
        static int counter = 0;
        path_ = (std::filesystem::temp_directory_path() /
                 ("sdtest" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++counter)))
                    .string();
        std::filesystem::create_directory(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        for (const auto& entry : std::filesystem::directory_iterator(path_, ignored))
            SetFileAttributesA(entry.path().string().c_str(), FILE_ATTRIBUTE_NORMAL);  // read-only too
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "\\" + name; }
    void Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(File(name), std::ios::binary) << bytes;
    }
    std::string Read(const std::string& name) const {
        std::ifstream in(File(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

private:
    std::string path_;
};

inline std::string WindowText(HWND hwnd) {
    char text[512] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

// The width a caption may take in its control: a button's face less its edges, a radio or
// check box's room beside its box, a frame's top edge less its corners.
inline int CaptionRoom(const std::string& cls, LONG style, int width) {
    if (cls != "Button") return width;
    switch (style & BS_TYPEMASK) {
        case BS_RADIOBUTTON: case BS_AUTORADIOBUTTON: case BS_CHECKBOX: case BS_AUTOCHECKBOX:
            return width - GetSystemMetrics(SM_CXMENUCHECK) - 4;
        case BS_GROUPBOX: return width - 16;
        default: return width - 6;
    }
}

inline BOOL CALLBACK ExpectCaptionFits(HWND control, LPARAM) {
    const std::string text = WindowText(control);
    char cls[64] = {};
    GetClassNameA(control, cls, sizeof cls);
    const std::string name = cls;
    if (text.empty() || (name != "Static" && name != "Button")) return TRUE;
    RECT client;
    GetClientRect(control, &client);
    const int room = CaptionRoom(name, GetWindowLongA(control, GWL_STYLE), client.right);
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
    // A label may wrap onto the lines its height holds; every other caption is one line.
    const bool wraps = name == "Static";
    RECT need = {0, 0, wraps ? room : 0, 0};
    DrawTextA(dc, text.c_str(), -1, &need, DT_CALCRECT | (wraps ? DT_WORDBREAK : DT_SINGLELINE));
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    EXPECT_LE(need.right, room) << '"' << text << "\" is clipped: " << need.right << " px in " << room;
    EXPECT_LE(need.bottom, client.bottom) << '"' << text << "\" is too tall: " << need.bottom
                                          << " px in " << client.bottom;
    return TRUE;
}

// Each control's caption, drawn in its own font, fits the room the control gives it (no
// "Return to Windov"): walks the window's children and their children.
inline void ExpectCaptionsFit(HWND window) { EnumChildWindows(window, ExpectCaptionFits, 0); }

// An App in a temp folder with its system.ini, on an emptied settings key.
struct AppFixture {
    AppFixture() {
        ClearSettings();
        platform.exeDir = folder.path();
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
    // A key pressed on the control in focus, read through the program's message loop.
    void Press(WPARAM key) {
        PostMessageA(GetFocus(), WM_KEYDOWN, key, 1);
        Pump();
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
