// The About dialog and the System Information window: what the end-to-end tests of the real exe cannot see.
#include <gtest/gtest.h>

#include "app_fixture.h"
#include "info_windows/info_controls.h"

namespace sd {
namespace {

struct InfoWindows : ::testing::Test, test::AppFixture {
    InfoWindows() { LoadShell(); }
    std::string Text(SysInfoControl value) { return test::WindowText(app->sysInfo.Control(value)); }
};

TEST_F(InfoWindows, AboutsCaptionsFitOkHasTheFocusAndEscCloses) {
    app->about.Show();
    test::ExpectCaptionsFit(app->about.hwnd());
    EXPECT_EQ(GetFocus(), app->about.Control(AboutControl::cmdOK));
    Press(VK_ESCAPE);
    EXPECT_FALSE(app->about.IsLoaded());
}

// Through the real exe the first tick often comes before the figures can be read.
TEST_F(InfoWindows, SysInfoShowsZerosThenFiguresWithinASecondThatFit) {
    app->about.Show();
    SendMessageA(app->about.hwnd(), WM_COMMAND,
                 ControlId(IndexOf(AboutControl::cmdSysInfo)), 0);
    ASSERT_TRUE(app->sysInfo.IsVisible());
    EXPECT_FALSE(app->about.IsLoaded());  // in its place
    for (SysInfoControl value : {SysInfoControl::lblMemoryLoad, SysInfoControl::lblTotalPhys, SysInfoControl::lblAvailPhys})
        EXPECT_EQ(Text(value), "0") << IndexOf(value);

    // The first tick comes from the window's own timer.
    const DWORD start = GetTickCount();
    while (Text(SysInfoControl::lblTotalPhys) == "0" && GetTickCount() - start < 5000)
        app->host.PumpMessage();
    EXPECT_LT(GetTickCount() - start, 1000u);
    const std::string total = Text(SysInfoControl::lblTotalPhys);
    EXPECT_EQ(total.substr(total.size() - 3), " MB");
    EXPECT_EQ(Text(SysInfoControl::lblMemoryLoad).back(), '%');
    test::ExpectCaptionsFit(app->sysInfo.hwnd());  // the value labels grew with their text
}

}  // namespace
}  // namespace sd
