// What every modeless window of the program does alike: it is created when first shown and
// destroyed when unloaded, shares the message loop while it exists, and showing it again only
// brings it forward. It owns the window's controls: they are created from the window's table
// before Form_Load and cleared when the window goes. A window class T derives from
// ModelessWindow<T, Name>, Name being the enum of its controls, and provides:
//   static constexpr WindowLayout kLayout;
//   void Form_Load();                    the controls' contents and state, before the window shows
//   void Form_Activate();                once it shows, e.g. to place the focus (optional)
//   void Form_Unload();                  after the window is gone from the screen (optional)
//   LRESULT HandleMessage(UINT, WPARAM, LPARAM);   everything else, ending in DefWindowProcA
#pragma once

#include <windows.h>

#include "ui/controls.h"
#include "ui/window_class.h"
#include "ui/window_host.h"

namespace sd {

struct WindowLayout {
    const char* className;
    const char* caption;
    DWORD style;
    DWORD exStyle;
    int clientWidthTwips, clientHeightTwips;
    bool centred;  // on the screen; otherwise where the system puts a new window
};

// A fixed dialog frame with a close box; kept off the taskbar by the host's hidden owner.
inline constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
inline constexpr DWORD kDialogExStyle = WS_EX_DLGMODALFRAME;

template <typename T, ControlName Name>
class ModelessWindow : public WindowClass<ModelessWindow<T, Name>> {
public:
    // Loads and shows the window, or brings it forward when it is loaded already.
    void Show() {
        if (this->hwnd_) return this->BringForward();
        const WindowLayout& layout = T::kLayout;
        const SIZE size = WindowSizeFor(layout.clientWidthTwips, layout.clientHeightTwips,
                                        host_.dpi(), layout.style, layout.exStyle);
        int x = CW_USEDEFAULT, y = CW_USEDEFAULT;
        if (layout.centred) {
            x = (GetSystemMetrics(SM_CXSCREEN) - size.cx) / 2;
            y = (GetSystemMetrics(SM_CYSCREEN) - size.cy) / 2;
        }
        this->CreateOwnWindow(host_.instance(), layout.className, layout.caption, layout.style,
                              layout.exStyle, x, y, size.cx, size.cy, host_.hiddenOwner());
        if (!this->hwnd_) return host_.ReportNoWindow(layout.caption);
        host_.AddDialog(this->hwnd_);
        controls_.Create(this->hwnd_, host_);
        self().Form_Load();
        this->BringForward();
        self().Form_Activate();
    }

    void Unload() {
        if (this->hwnd_) DestroyWindow(this->hwnd_);
    }
    bool IsLoaded() const { return this->hwnd_ != nullptr; }
    bool IsVisible() const { return this->hwnd_ && IsWindowVisible(this->hwnd_); }
    // The control of that name, or null while the window is not loaded.
    HWND Control(Name name) const { return controls_[name]; }

    // The messages every modeless window handles alike; the rest go to the window's own.
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
        switch (message) {
            case WM_CLOSE:
                Unload();
                return 0;
            case WM_NCDESTROY:
                host_.RemoveDialog(this->hwnd_);
                self().Form_Unload();
                controls_.Clear();
                break;
        }
        return self().HandleMessage(message, wParam, lParam);
    }

protected:
    ModelessWindow(WindowHost& host, std::span<const ControlSpec> table) : host_(host), controls_(table) {}
    ~ModelessWindow() = default;

    void Form_Activate() {}
    void Form_Unload() {}

    WindowHost& host_;
    WindowControls<Name> controls_;

private:
    T& self() { return static_cast<T&>(*this); }
};

}  // namespace sd
