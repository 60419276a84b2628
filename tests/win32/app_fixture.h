// A fresh App on the real platform, with session, process and program steps recorded, in a
// temp folder that holds its system.ini.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "shell_window/app.h"
#include "test_platform.h"

namespace sd::test {

struct AppFixture {
    AppFixture() {
        ClearSettings();
        platform.exeDir = folder.path();
        folder.Write("system.ini", "[boot]\r\nshell=Explorer.exe\r\n");
    }
    ~AppFixture() { ClearSettings(); }

    // Runs the load handler as WinMain would; dpi 0 is the screen's.
    App& Load(const std::string& arguments, int dpi = 0) {
        platform.arguments = arguments;
        app = std::make_unique<App>(platform, GetModuleHandleA(nullptr), dpi);
        app->main.Create();
        app->main.Form_Load();
        return *app;
    }
    // A shell-mode start that is not the first run.
    App& LoadShell() {
        platform.WriteSetting("Version", "130");
        Load("");
        platform.log.clear();
        return *app;
    }
    // The log without the entries that start with `prefix`.
    std::vector<std::string> LogWithout(const std::string& prefix) const {
        std::vector<std::string> rest;
        for (const auto& line : platform.log)
            if (line.rfind(prefix, 0) != 0) rest.push_back(line);
        return rest;
    }
    // Lets the window handle what is queued for it.
    static void Pump() {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }

    TempFolder folder;
    TestPlatform platform{Win32PlatformOptions{true}};
    std::unique_ptr<App> app;
};

}  // namespace sd::test
