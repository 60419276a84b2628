// The in-process tests' helpers: a fresh App in a temp folder, keys, and the keyboard walk.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <string>

#include "../host/recording_platform.h"
#include "platform/win32_platform.h"
#include "shell_window/app.h"

namespace sd::test {

using Log = std::vector<std::string>;
inline constexpr const char* kIni = "[boot]\r\nshell=Explorer.exe\r\n";

inline std::string WindowText(HWND hwnd) {
    char text[512] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}
inline bool Checked(HWND button) { return SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

// Each caption, in its font, fits its control (no "Return to Windov"): a label may wrap onto the
// lines its height holds; a button's face loses its edges, an option its box, a frame its corners.
inline void ExpectCaptionsFit(HWND window) {
    EnumChildWindows(window, [](HWND control, LPARAM) CALLBACK -> BOOL {
        char cls[64] = {};
        GetClassNameA(control, cls, sizeof cls);
        const std::string text = WindowText(control), name = cls;
        if (text.empty() || (name != "Static" && name != "Button")) return TRUE;
        const LONG type = GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
        const bool box = type >= BS_CHECKBOX && type <= BS_AUTORADIOBUTTON && type != BS_GROUPBOX;
        RECT client, need = {};
        GetClientRect(control, &client);
        const int room = name == "Static" ? client.right
                         : client.right - (type == BS_GROUPBOX ? 16 : box ? GetSystemMetrics(SM_CXMENUCHECK) + 4 : 6);
        need.right = name == "Static" ? room : 0;
        const HDC dc = GetDC(control);
        const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
        DrawTextA(dc, text.c_str(), -1, &need, DT_CALCRECT | (name == "Static" ? DT_WORDBREAK : DT_SINGLELINE));
        SelectObject(dc, old);
        ReleaseDC(control, dc);
        EXPECT_LE(need.right, room) << '"' << text << "\" is clipped";
        EXPECT_LE(need.bottom, client.bottom) << '"' << text << "\" is too tall";
        return TRUE;
    }, 0);
}

// A temp folder with system.ini, removed at the end; the settings emptied; the App made by Load.
struct AppFixture {
    AppFixture() {
        ClearSettings();
        std::filesystem::create_directory(folder);
        platform.exeDir = folder;
        Write("system.ini", kIni);
    }
    ~AppFixture() {
        ClearSettings();
        app.reset();
        SetCurrentDirectoryA(std::filesystem::temp_directory_path().string().c_str());  // a rewrite went in
        std::error_code ignored;
        for (const auto& entry : std::filesystem::directory_iterator(folder, ignored))
            SetFileAttributesA(entry.path().string().c_str(), FILE_ATTRIBUTE_NORMAL);  // read-only too
        std::filesystem::remove_all(folder, ignored);
    }
    static void ClearSettings() {
        for (auto key : {"Software\\SwiftDash\\Default", "Software\\SwiftDash"}) RegDeleteKeyA(HKEY_CURRENT_USER, key);
    }
    std::string File(const std::string& name) const { return folder + "\\" + name; }
    void Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(File(name), std::ios::binary) << bytes;
    }
    std::string Read(const std::string& name) const {
        std::ifstream in(File(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // The load handler as WinMain runs it, on a run that is not the first; dpi 0: the screen's.
    void Load(const std::string& arguments, int dpi = 0) {
        platform.WriteSetting("Version", "130");
        platform.arguments = arguments;
        app = std::make_unique<App>(platform, GetModuleHandleA(nullptr), dpi);
        app->main.Create();
        app->main.Form_Load();
    }
    // A start in that mode, its own calls forgotten.
    void LoadQuietly(const std::string& arguments = "") {
        Load(arguments);
        platform.log.clear();
    }
    // A key pressed on the control in focus, Shift or Ctrl held if named, read by the message loop.
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
    template <class Done>
    void PumpUntil(Done done) {  // five seconds at most
        for (DWORD start = GetTickCount(); !done() && GetTickCount() - start < 5000;) Pump();
    }

    // Tab stops in an option group only at the selected option; Down goes round every option,
    // each checked as it gets the focus; a Tab round later comes back to the one now selected.
    void ExpectKeyboardWalk(const std::vector<HWND>& options) {
        const auto tabToOptions = [&] {
            for (int i = 0; i < 20 && std::ranges::find(options, GetFocus()) == options.end(); ++i) Press(VK_TAB);
            EXPECT_TRUE(Checked(GetFocus())) << "Tab stopped at " << WindowText(GetFocus());
            return GetFocus();
        };
        std::set<HWND> seen = {tabToOptions()};
        for (std::size_t i = 1; i < options.size(); ++i) {
            Press(VK_DOWN);
            EXPECT_TRUE(Checked(GetFocus())) << WindowText(GetFocus());
            seen.insert(GetFocus());
        }
        EXPECT_EQ(seen, std::set<HWND>(options.begin(), options.end()));
        const HWND last = GetFocus();
        Press(VK_TAB);
        EXPECT_EQ(tabToOptions(), last);
    }

    static inline int count = 0;
    const std::string folder = (std::filesystem::temp_directory_path() / "sdtest").string() +
                               std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++count);
    RecordingPlatform<Win32Platform> platform{Win32PlatformOptions{true}};
    std::unique_ptr<App> app;
};

}  // namespace sd::test
