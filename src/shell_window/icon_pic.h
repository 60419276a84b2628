// IconPic: the main window's hidden picture box. It holds the program's icon, which the
// notification icon shows, and is the window that the notification icon reports to.
#pragma once

#include <windows.h>

#include "ui/window_class.h"

namespace sd {

class frmMain;

class IconPic : public WindowClass<IconPic> {
public:
    explicit IconPic(frmMain& main) : main_(main) {}
    IconPic(const IconPic&) = delete;
    IconPic& operator=(const IconPic&) = delete;

    // A hidden child of the main window at `rect`.
    bool Create(HWND parent, HINSTANCE instance, const RECT& rect);
    void SetPicture(HICON picture) { picture_ = picture; }
    HICON picture() const { return picture_; }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    frmMain& main_;
    HICON picture_ = nullptr;
};

}  // namespace sd
