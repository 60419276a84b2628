// The Options dialog in-process: load, OK, the browse buttons, Tab, and the options run's wait.
#include <gtest/gtest.h>

#include <thread>

#include "app_fixture.h"
#include "settings/frm_options_controls.h"

namespace sd {
namespace {

struct OptionsDialog : ::testing::Test, test::AppFixture {
    OptionsDialog() { LoadShell(); }
    HWND Control(const char* name) { return app->options.Control(name); }
    std::string Text(const char* name) { return test::WindowText(Control(name)); }
    bool Checked(const char* name) { return SendMessageA(Control(name), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    void Click(const char* name) { SendMessageA(Control(name), BM_CLICK, 0, 0); }
};

// The pixels of a button drawn in the shadow colour: the edges, and a disabled picture's shape.
int ShadowPixels(HWND button) {
    RECT face;
    GetClientRect(button, &face);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, face.right, face.bottom);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    SendMessageA(button, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    int count = 0;
    for (int y = 0; y < face.bottom; ++y)
        for (int x = 0; x < face.right; ++x) count += GetPixel(dc, x, y) == GetSysColor(COLOR_3DSHADOW);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return count;
}

TEST_F(OptionsDialog, LoadSelectsTheActionsOptionAndOkWritesItsNumber) {
    // "Do nothing" is written as 1 whatever it was read from; an unknown action is kept.
    const struct { int action; const char* selected; bool boxEnabled; const char* written; } cases[] = {
        {0, "optDC_DoNothing", false, "1"}, {7, nullptr, true, "7"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.action);
        app->program.vars.DoubleClickAction = c.action;
        app->options.Show();
        for (const char* option : kDoubleClickOptions)
            EXPECT_EQ(Checked(option), c.selected && std::string(option) == c.selected) << option;
        EXPECT_EQ(IsWindowEnabled(Control("txtDC_OpenFile")) != 0, c.boxEnabled);
        EXPECT_EQ(IsWindowEnabled(Control("cmdDC_OpenFile_Browse")) != 0, c.boxEnabled);
        Click("OKButton");
        EXPECT_EQ(platform.ReadSetting("DoubleClickOnMainWindow"), c.written);
    }
    app->options.Show();
    Click("optDC_OpenFile");
    const int edges = ShadowPixels(Control("cmdDC_OpenFile_Browse"));
    SetWindowTextA(Control("txtDC_OpenFile"), "C:\\kept.bat");
    Click("optDC_OpenOptionsDialog");  // one group with the others, whatever the tab order
    EXPECT_FALSE(Checked("optDC_OpenFile"));
    EXPECT_FALSE(IsWindowEnabled(Control("txtDC_OpenFile")));
    // The disabled browse button's picture is greyed to its shape, not to a grey square.
    const int shape = ShadowPixels(Control("cmdDC_OpenFile_Browse")) - edges;
    EXPECT_GT(shape, 16);
    EXPECT_LT(shape, 16 * 16 * 4 / 5);
    app->options.Show();  // only brought forward: the edits stay
    Click("OKButton");
    EXPECT_EQ(platform.ReadSetting("DoubleClickOnMainWindow"), "4");
    EXPECT_EQ(platform.ReadSetting("DoubleClickOpenFile"), "C:\\kept.bat");  // though disabled
    // The main window's double-click takes the new action and file at once.
    const auto doubleClick = [&] { SendMessageA(app->main.hwnd(), WM_LBUTTONDBLCLK, 0, MAKELPARAM(40, 40)); };
    doubleClick();
    EXPECT_TRUE(app->options.IsVisible());
    Click("optDC_OpenFile");
    Click("OKButton");
    doubleClick();
    EXPECT_EQ(platform.log.back(), "Start C:\\kept.bat");
}

// Each box shows what was stored and stores what is typed into it exactly: a path past
// MAX_PATH, blanks, nothing, letters past ASCII. Ctrl+Tab brings each box's tab in front.
TEST_F(OptionsDialog, BoxesShowTheStoredTextsAndStoreWhatIsTypedOnEachTab) {
    const char* keys[] = {"StartUpItem0", "StartUpItem1", "StartUpItem2", "StartUpFolder",
                          "DoubleClickOpenFile", "StartMenuFolder", "DesktopFolder", "ExplorerPath"};
    std::string longPath = "C:\\";
    for (int i = 0; i < 24; ++i) longPath += "Long Folder\\";
    const std::string typed[] = {longPath + "gamex.exe", "  C:\\with blanks.exe ", "",
                                 "C:\\Caf\xe9 \xfc" "ber \xdf\xc4", "D:\\play.bat", " ", "C:\\Desktop", "C:\\x.exe"};
    for (const char* key : keys) platform.WriteSetting(key, std::string("C:\\was\\") + key);
    LoadShell();  // a start that reads them
    app->options.Show();
    Click("optDC_OpenFile");  // its box takes text only then
    for (std::size_t i = 0; i < std::size(keys); ++i) {
        const HWND box = Control(kBrowseButtons[i].textBox);
        EXPECT_EQ(test::WindowText(box), std::string("C:\\was\\") + keys[i]);
        for (int turns = 0; turns < 3 && !IsWindowVisible(box); ++turns) Press(VK_TAB, VK_CONTROL);
        EXPECT_TRUE(IsWindowVisible(box)) << keys[i];
        SetFocus(box);
        SendMessageA(box, EM_SETSEL, 0, -1);
        PostMessageA(box, WM_CHAR, VK_BACK, 1);
        for (unsigned char c : typed[i]) PostMessageA(box, WM_CHAR, c, 1);
        Pump();
    }
    Press(VK_RETURN);
    EXPECT_FALSE(app->options.IsLoaded());
    for (std::size_t i = 0; i < std::size(keys); ++i) EXPECT_EQ(platform.ReadSetting(keys[i]), typed[i]) << keys[i];
    EXPECT_EQ(platform.ReadSetting("DoubleClickOnMainWindow"), "5");
}

TEST_F(OptionsDialog, EachBrowseButtonAsksItsDialogAndOnlyAnAnswerReplacesTheBox) {
    app->options.Show();
    Click("optDC_OpenFile");  // enables the last one
    const LRESULT picture = SendMessageA(Control("cmdBrowse"), BM_GETIMAGE, IMAGE_BITMAP, 0);
    for (const BrowseButton& browse : kBrowseButtons) {
        SCOPED_TRACE(browse.button);
        EXPECT_EQ(SendMessageA(Control(browse.button), BM_GETIMAGE, IMAGE_BITMAP, 0), picture);
        SetWindowTextA(Control(browse.textBox), "C:\\old.exe");
        platform.log.clear();
        Click(browse.button);  // cancelled
        EXPECT_EQ(Text(browse.textBox), "C:\\old.exe");
        platform.browseAnswers.push_back("C:\\new\\chosen.exe");
        Click(browse.button);
        EXPECT_EQ(Text(browse.textBox), "C:\\new\\chosen.exe");
        // A program is looked for from the box's own text.
        EXPECT_EQ(platform.log[0], browse.folder ? "BrowseForFolder Browse for Destination..."
                                                 : "BrowseForFile C:\\old.exe");
    }
    app->options.Unload();
    EXPECT_EQ(GetObjectType(reinterpret_cast<HGDIOBJ>(picture)), 0u) << "the picture outlived the dialog";
}

// The tab in front is StartUp: Tab goes round its controls and the ones beside the tab strip,
// never to a hidden control of another tab, and Shift+Tab goes back; Esc from there cancels.
TEST_F(OptionsDialog, TabGoesRoundTheTabInFrontOnly) {
    app->options.Show();
    test::ExpectCaptionsFit(app->options.hwnd());
    auto press = [&](bool shift) {
        Press(VK_TAB, shift ? VK_SHIFT : 0);
        return GetFocus();
    };
    std::vector<HWND> visited = {GetFocus()};
    for (HWND next = press(false); next != visited[0] && visited.size() < 40; next = press(false)) {
        EXPECT_TRUE(IsWindowVisible(next)) << test::WindowText(next);
        visited.push_back(next);
    }
    EXPECT_EQ(visited.size(), 11u);  // OK, Cancel, the tab strip and StartUp's eight boxes and buttons
    // A tip comes up under a pointer resting on a frame (at its left margin), with its text.
    RECT frame;
    GetWindowRect(Control("fraStartUpPrograms"), &frame);
    SetCursorPos(frame.left + 4, (frame.top + frame.bottom) / 2);
    for (DWORD start = GetTickCount(); !IsWindowVisible(app->options.Tooltip()) && GetTickCount() - start < 5000;)
        Pump();
    EXPECT_EQ(test::WindowText(app->options.Tooltip()), "Specify which programs SwiftDsh should open at start-up");
    EXPECT_EQ(press(true), visited.back());
    Press(VK_ESCAPE);  // cancels: nothing is stored
    EXPECT_FALSE(app->options.IsLoaded());
    EXPECT_EQ(platform.ReadSetting("DoubleClickOnMainWindow"), "");
}

// A close sent from another thread or process is handled inside GetMessage, which does not
// return for it: the wait must still see the dialog gone.
TEST(OptionsRun, EndsWhenTheDialogIsClosedFromOutside) {
    test::AppFixture f;
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
    f.Load("options");
    SetEvent(done);
    closer.join();
    CloseHandle(done);
    EXPECT_FALSE(hung);
    EXPECT_FALSE(f.app->options.IsLoaded());
    EXPECT_EQ(f.platform.log, std::vector<std::string>{"EndProcess"});
    EXPECT_FALSE(IsWindowVisible(f.app->main.hwnd()));
}

}  // namespace
}  // namespace sd
