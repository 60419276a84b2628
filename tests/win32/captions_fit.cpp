// Measuring captions against their controls.
#include "captions_fit.h"

#include <gtest/gtest.h>

#include <string>

namespace sd::test {

namespace {

// The width a caption may take in its control: a button's face less its edges, a radio or
// check box's room beside its box, a frame's top edge less its corners.
int RoomFor(const std::string& cls, LONG style, int width) {
    if (cls != "Button") return width;
    switch (style & BS_TYPEMASK) {
        case BS_RADIOBUTTON: case BS_AUTORADIOBUTTON: case BS_CHECKBOX: case BS_AUTOCHECKBOX:
            return width - GetSystemMetrics(SM_CXMENUCHECK) - 4;
        case BS_GROUPBOX: return width - 16;
        default: return width - 6;
    }
}

BOOL CALLBACK Check(HWND control, LPARAM) {
    char text[512] = {};
    char cls[64] = {};
    GetWindowTextA(control, text, sizeof text);
    GetClassNameA(control, cls, sizeof cls);
    const std::string name = cls;
    if (!text[0] || (name != "Static" && name != "Button")) return TRUE;
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    RECT client;
    GetClientRect(control, &client);
    const int room = RoomFor(name, style, client.right);
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
    // A label may wrap onto the lines its height holds; every other caption is one line.
    const bool wraps = name == "Static";
    RECT need = {0, 0, wraps ? room : 0, 0};
    DrawTextA(dc, text, -1, &need, DT_CALCRECT | (wraps ? DT_WORDBREAK : DT_SINGLELINE));
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    EXPECT_LE(need.right, room) << '"' << text << "\" is clipped: " << need.right << " px in " << room;
    EXPECT_LE(need.bottom, client.bottom) << '"' << text << "\" is too tall: " << need.bottom
                                          << " px in " << client.bottom;
    return TRUE;
}

}  // namespace

void ExpectCaptionsFit(HWND window) { EnumChildWindows(window, Check, 0); }

}  // namespace sd::test
