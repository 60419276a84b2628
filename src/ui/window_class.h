// The window procedure shape every window class shares: `this` is attached at WM_NCCREATE and
// each message goes to the object's HandleMessage.
#pragma once

#include <windows.h>

namespace sd {

template <typename T>
class WindowClass {
public:
    // A window object is its window: it is never copied.
    WindowClass(const WindowClass&) = delete;
    WindowClass& operator=(const WindowClass&) = delete;

    HWND hwnd() const { return hwnd_; }

    // Showing a loaded window only brings it forward.
    void BringForward() {
        ShowWindow(hwnd_, SW_SHOWNORMAL);
        SetForegroundWindow(hwnd_);
    }

protected:
    WindowClass() = default;
    ~WindowClass() = default;

    // Registers the class once per process and creates the window with `this` attached.
    HWND CreateOwnWindow(HINSTANCE instance, const char* className, const char* caption,
                         DWORD style, DWORD exStyle, int x, int y, int width, int height,
                         HWND owner = nullptr, HICON icon = nullptr) {
        WNDCLASSA existing = {};
        if (!GetClassInfoA(instance, className, &existing)) {
            WNDCLASSA wc = {};
            wc.style = CS_DBLCLKS;
            wc.lpfnWndProc = &WindowClass::Procedure;
            wc.hInstance = instance;
            wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
            wc.hIcon = icon;
            wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
            wc.lpszClassName = className;
            RegisterClassA(&wc);
        }
        return CreateWindowExA(exStyle, className, caption, style, x, y, width, height, owner,
                               nullptr, instance, this);
    }

    HWND hwnd_ = nullptr;

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        T* self = nullptr;
        if (message == WM_NCCREATE) {
            self = static_cast<T*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
            self->hwnd_ = hwnd;
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        } else {
            self = reinterpret_cast<T*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        }
        if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
        const LRESULT result = self->HandleMessage(message, wParam, lParam);
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
            self->hwnd_ = nullptr;
        }
        return result;
    }
};

}  // namespace sd
