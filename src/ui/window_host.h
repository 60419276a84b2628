// What every window of the program shares: the instance, the screen's DPI, the dialog font
// (MS Sans Serif 8 pt),
// the hidden owner of the dialogs, the main window, and the one message loop.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/platform.h"

namespace sd {

// Sent to a dialog with the MSG (lParam) of a message for it or its controls before the dialog
// keys see it; a non-zero answer means the dialog handled it. Windows that ignore it answer 0.
inline constexpr UINT kPreTranslateMessage = WM_APP + 2;

class WindowHost {
public:
    // dpi 0 reads the screen's; tests pass another to lay the windows out as for Large Fonts.
    WindowHost(Platform& platform, HINSTANCE instance, int dpi = 0);
    ~WindowHost();
    WindowHost(const WindowHost&) = delete;
    WindowHost& operator=(const WindowHost&) = delete;

    HINSTANCE instance() const { return instance_; }
    int dpi() const { return dpi_; }
    HFONT dialogFont() const { return dialogFont_; }
    // Owns the dialogs, so that they stay off the taskbar. Close requests do not reach it.
    HWND hiddenOwner() const { return hiddenOwner_; }
    HWND mainWindow() const { return mainWindow_; }
    void SetMainWindow(HWND window) { mainWindow_ = window; }

    // Modeless dialogs share the one message loop through IsDialogMessage. Removing one also
    // wakes the loop, so that a wait for a dialog sees it gone even when it was closed by a
    // message sent from outside, which GetMessage handles without returning.
    void AddDialog(HWND dialog);
    void RemoveDialog(HWND dialog);
    // Handles one message (waiting for it); false once WM_QUIT arrives.
    bool PumpMessage();

    // One question or popup menu at a time: the tray icon's box and the two popup menus each
    // hold the host busy while they are up and while what they started runs, and one that
    // finds it busy does nothing (a second double-click on the icon stacks no second box).
    class Busy {
    public:
        explicit Busy(WindowHost& host) : host_(host), held_(!host.busy_) { host.busy_ = true; }
        ~Busy() {
            if (held_) host_.busy_ = false;
        }
        Busy(const Busy&) = delete;
        Busy& operator=(const Busy&) = delete;
        explicit operator bool() const { return held_; }

    private:
        WindowHost& host_;
        const bool held_;
    };

    // Tells the user that the window of that caption could not be made, rather than open
    // nothing without a word.
    void ReportNoWindow(const char* caption);

private:
    Platform& platform_;
    HINSTANCE instance_;
    int dpi_ = 96;
    HFONT dialogFont_ = nullptr;
    HWND hiddenOwner_ = nullptr;
    HWND mainWindow_ = nullptr;
    std::vector<HWND> dialogs_;
    bool busy_ = false;
};

}  // namespace sd
