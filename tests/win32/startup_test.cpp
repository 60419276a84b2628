// The start-up sequence in each run mode, with real windows and registry.
#include <gtest/gtest.h>

#include <thread>

#include "app_fixture.h"

namespace sd {
namespace {

struct Startup : ::testing::Test, test::AppFixture {
    bool MainVisible() const { return IsWindowVisible(app->main.hwnd()); }
};

// The picture is drawn in pixels: at Large Fonts (120 DPI) the window keeps the picture's size,
// so nothing of it is left unpainted, and the buttons stay where they are drawn.
TEST_F(Startup, LargeFontsKeepTheWindowAtThePicturesSize) {
    platform.WriteSetting("Version", "130");
    Load("", 120);
    RECT client;
    GetClientRect(app->main.hwnd(), &client);
    EXPECT_EQ(client.right, 228);
    EXPECT_EQ(client.bottom, 68);
    RECT window;
    GetWindowRect(app->main.hwnd(), &window);
    EXPECT_EQ(window.left, 8);  // 100 twips at 120 DPI
    SendMessageA(app->main.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(215, 6));
    EXPECT_TRUE(app->main.CloseHighlighted());
}

// A close sent from another thread or process is handled inside GetMessage, which does not
// return for it: the wait must still see the dialog gone.
TEST_F(Startup, OptionsRunEndsWhenTheDialogIsClosedFromOutside) {
    const DWORD self = GetCurrentThreadId();
    HANDLE done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    bool hung = false;
    std::thread closer([&] {
        HWND options = nullptr;
        for (int i = 0; i < 500 && !(options = FindWindowA("SwiftDashOptions", "Options")); ++i) Sleep(20);
        SendMessageA(options, WM_CLOSE, 0, 0);
        hung = WaitForSingleObject(done, 5000) == WAIT_TIMEOUT;
        if (hung) PostThreadMessageA(self, WM_NULL, 0, 0);  // let a stuck wait go
    });
    Load("options");
    SetEvent(done);
    closer.join();
    CloseHandle(done);
    EXPECT_FALSE(hung);
    EXPECT_FALSE(app->options.IsLoaded());
    EXPECT_EQ(platform.log, std::vector<std::string>{"EndProcess"});
    EXPECT_FALSE(MainVisible());
}

}  // namespace
}  // namespace sd
