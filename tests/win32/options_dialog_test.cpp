// The Options dialog in-process: load, OK, the browse buttons, the keys, and the options run's wait.
#include <thread>

#include "app_fixture.h"
#include "settings/options_fields.h"

namespace sd {
namespace {

struct OptionsDialog : ::testing::Test, test::AppFixture {
    OptionsDialog() { LoadQuietly(); }
    HWND Control(OptionsControl name) { return app->options.Control(name); }
    void Click(OptionsControl name) { SendMessageA(Control(name), BM_CLICK, 0, 0); }
};

// Each box shows what was stored; Ctrl+Tab shows its tab; its browse button asks its own dialog,
// and only an answer replaces the text; what is typed is stored exactly: a path past MAX_PATH,
// blanks, nothing, letters past ASCII. The buttons share one picture, freed with the dialog. The
// main window's double-click takes the new action and file at once.
TEST_F(OptionsDialog, EachBoxShowsTheStoredTextTakesABrowsedAndATypedOneAndStoresIt) {
    const char* keys[] = {"StartUpItem0", "StartUpItem1", "StartUpItem2", "StartUpFolder",
                          "DoubleClickOpenFile", "StartMenuFolder", "DesktopFolder", "ExplorerPath"};
    const std::string typed[] = {"C:\\" + std::string(300, 'x') + ".exe", "  C:\\with blanks.exe ", "",
                                 "C:\\Caf\xe9 \xfc" "ber \xdf\xc4", "C:\\x.exe", " ", "C:\\Desktop", "D:\\play.bat"};
    for (const char* key : keys) platform.WriteSetting(key, std::string("C:\\was\\") + key);
    LoadQuietly();  // a start that reads them
    app->options.Show();
    Click(OptionsControl::optDC_OpenFile);  // its box takes text only then
    const LRESULT picture = SendMessageA(Control(OptionsControl::cmdBrowse), BM_GETIMAGE, IMAGE_BITMAP, 0);
    for (std::size_t i = 0; i < std::size(keys); ++i) {
        SCOPED_TRACE(keys[i]);
        const BrowseButton& browse = kBrowseButtons[i];
        const HWND box = Control(browse.textBox);
        const std::string stored = std::string("C:\\was\\") + keys[i];
        EXPECT_EQ(test::WindowText(box), stored);
        for (int turns = 0; turns < 3 && !IsWindowVisible(box); ++turns) Press(VK_TAB, VK_CONTROL);
        EXPECT_TRUE(IsWindowVisible(box));
        EXPECT_EQ(SendMessageA(Control(browse.button), BM_GETIMAGE, IMAGE_BITMAP, 0), picture);
        platform.log.clear();
        Click(browse.button);  // cancelled
        EXPECT_EQ(test::WindowText(box), stored);
        platform.browseAnswers.push_back("C:\\new\\chosen.exe");
        Click(browse.button);
        EXPECT_EQ(test::WindowText(box), "C:\\new\\chosen.exe");
        EXPECT_EQ(platform.log[0],  // a program is looked for from the box's own text
                  browse.folder ? "BrowseForFolder Browse for Destination..." : "BrowseForFile " + stored);
        SetFocus(box);
        SendMessageA(box, EM_SETSEL, 0, -1);
        PostMessageA(box, WM_CHAR, VK_BACK, 1);
        for (unsigned char c : typed[i]) PostMessageA(box, WM_CHAR, c, 1);
        Pump();
    }
    Press(VK_RETURN);
    EXPECT_FALSE(app->options.IsLoaded());
    for (std::size_t i = 0; i < std::size(keys); ++i) EXPECT_EQ(platform.ReadSetting(keys[i]), typed[i]) << keys[i];
    EXPECT_EQ(GetObjectType(reinterpret_cast<HGDIOBJ>(picture)), 0u) << "the picture outlived the dialog";
    SendMessageA(app->main.hwnd(), WM_LBUTTONDBLCLK, 0, MAKELPARAM(40, 40));
    EXPECT_EQ(platform.log.back(), "Start [C:\\x.exe] C:\\x.exe");
}

// Tab goes round the StartUp tab's controls and those beside the tab strip, never to a hidden
// control, and Shift+Tab goes back; a tip comes up over a frame's margin; on the General tab the
// keyboard reaches every option; Esc cancels. Action 0 shows as "Do nothing" and is written as 1.
TEST_F(OptionsDialog, TheKeysGoRoundTheTabInFrontOnly) {
    app->options.Show();
    EXPECT_TRUE(test::Checked(Control(OptionsControl::optDC_DoNothing)));
    std::vector<HWND> visited = {GetFocus()};
    for (Press(VK_TAB); GetFocus() != visited[0] && visited.size() < 40; Press(VK_TAB)) {
        EXPECT_TRUE(IsWindowVisible(GetFocus())) << test::WindowText(GetFocus());
        visited.push_back(GetFocus());
    }
    EXPECT_EQ(visited.size(), 11u);  // OK, Cancel, the tab strip and StartUp's eight boxes and buttons
    Press(VK_TAB, VK_SHIFT);
    EXPECT_EQ(GetFocus(), visited.back());
    RECT frame;
    GetWindowRect(Control(OptionsControl::fraStartUpPrograms), &frame);
    SetCursorPos(frame.left + 4, (frame.top + frame.bottom) / 2);
    PumpUntil([&] { return IsWindowVisible(app->options.Tooltip()); });
    EXPECT_EQ(test::WindowText(app->options.Tooltip()), "Specify which programs SwiftDsh should open at start-up");
    Press(VK_TAB, VK_CONTROL);
    std::vector<HWND> options;
    for (const DoubleClickChoice& choice : kDoubleClickChoices) options.push_back(Control(choice.option));
    ExpectKeyboardWalk(options);
    Press(VK_ESCAPE);
    EXPECT_FALSE(app->options.IsLoaded());
    app->options.Show();
    Click(OptionsControl::OKButton);
    EXPECT_EQ(platform.ReadSetting("DoubleClickOnMainWindow"), "1");
}

// A close sent from another thread or process is handled inside GetMessage, which does not
// return for it: the wait must still see the dialog gone. One to the hidden main window cancels.
TEST(OptionsRun, EndsWhenTheDialogOrTheMainWindowIsClosedFromOutside) {
    for (const char* closed : {"SwiftDashOptions", "SwiftDashMain"}) {
        test::AppFixture f;
        const DWORD self = GetCurrentThreadId();
        HANDLE done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        bool hung = false;
        std::thread closer([&] {
            for (int i = 0; i < 500 && !FindWindowA("SwiftDashOptions", "Options"); ++i) Sleep(20);
            SendMessageA(FindWindowA(closed, nullptr), WM_CLOSE, 0, 0);
            hung = WaitForSingleObject(done, 5000) == WAIT_TIMEOUT;
            if (!hung) return;
            PostMessageA(FindWindowA("SwiftDashOptions", nullptr), WM_CLOSE, 0, 0);  // let a stuck wait go
            PostThreadMessageA(self, WM_NULL, 0, 0);
        });
        f.Load("options");
        SetEvent(done);
        closer.join();
        CloseHandle(done);
        EXPECT_FALSE(hung) << closed;
        EXPECT_EQ(f.platform.log, test::Log{"EndProcess"});
    }
}

}  // namespace
}  // namespace sd
