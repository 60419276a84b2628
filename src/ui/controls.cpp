// Creating child controls from a control table.
#include "ui/controls.h"

#include <algorithm>
#include <numeric>

namespace sd {

RECT ControlRect(std::span<const ControlSpec> table, int index, int dpi) {
    const ControlSpec& control = table[index];
    int left = control.left;
    int top = control.top;
    if (control.parent != kNoParent) {
        left += table[control.parent].left;
        top += table[control.parent].top;
    }
    RECT rect;
    rect.left = TwipsToPixels(left, dpi);
    rect.top = TwipsToPixels(top, dpi);
    rect.right = rect.left + TwipsToPixels(control.width, dpi);
    rect.bottom = rect.top + TwipsToPixels(control.height, dpi);
    return rect;
}

namespace {

struct WindowKind {
    const char* className;
    DWORD style;
};

WindowKind KindOf(const ControlSpec& control, bool firstOption) {
    switch (control.kind) {
        case ControlKind::PictureBox:
        case ControlKind::Image: return {"STATIC", SS_ICON};
        case ControlKind::Label: return {"STATIC", SS_LEFT};
        case ControlKind::Frame: return {"BUTTON", BS_GROUPBOX};
        case ControlKind::OptionButton:
            // BS_NOTIFY: an auto radio button reports double-clicks only with it.
            return {"BUTTON", static_cast<DWORD>(BS_AUTORADIOBUTTON | BS_NOTIFY | (firstOption ? WS_GROUP | WS_TABSTOP : 0))};
        case ControlKind::CommandButton: return {"BUTTON", BS_PUSHBUTTON | WS_TABSTOP};
        case ControlKind::TextBox: return {"EDIT", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP};
        case ControlKind::TabControl: return {"SysTabControl32", WS_TABSTOP};
    }
    return {"STATIC", 0};
}

}  // namespace

std::vector<HWND> CreateControls(HWND parent, const WindowHost& host,
                                 std::span<const ControlSpec> table) {
    std::vector<int> order(table.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return table[a].tabIndex < table[b].tabIndex; });
    std::vector<HWND> windows(table.size(), nullptr);
    bool optionSeen = false;
    for (int index : order) {
        const ControlSpec& control = table[index];
        const bool firstOption = control.kind == ControlKind::OptionButton && !optionSeen;
        optionSeen = optionSeen || control.kind == ControlKind::OptionButton;
        const WindowKind kind = KindOf(control, firstOption);
        const RECT rect = ControlRect(table, index, host.dpi());
        // Every control but the option buttons starts a group, so arrow keys stay in theirs.
        const DWORD group = control.kind == ControlKind::OptionButton ? 0 : WS_GROUP;
        const DWORD style = WS_CHILD | group | kind.style | (control.visible ? WS_VISIBLE : 0);
        HWND window = CreateWindowExA(
            0, kind.className, control.caption, style, rect.left, rect.top, rect.right - rect.left,
            rect.bottom - rect.top, parent,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(index))), host.instance(), nullptr);
        if (window) SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(host.dialogFont()), FALSE);
        windows[index] = window;
    }
    return windows;
}

HWND ControlOf(const std::vector<HWND>& controls, std::span<const ControlSpec> table,
               std::string_view name) {
    for (std::size_t i = 0; i < table.size() && i < controls.size(); ++i)
        if (name == table[i].name) return controls[i];
    return nullptr;
}

void FitLabelToText(HWND label) {
    char text[256] = {};
    const int length = GetWindowTextA(label, text, sizeof text);
    HDC dc = GetDC(label);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(label, WM_GETFONT, 0, 0)));
    SIZE size = {0, 0};
    GetTextExtentPoint32A(dc, text, length, &size);
    SelectObject(dc, old);
    ReleaseDC(label, dc);
    SetWindowPos(label, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SetFittedLabelText(HWND label, const std::string& text) {
    char current[256] = {};
    GetWindowTextA(label, current, sizeof current);
    if (text == current) return;
    SetWindowTextA(label, text.c_str());
    FitLabelToText(label);
    // The text was first drawn wrapped in the old, narrower label; growing repaints only the
    // new part, so the old part must be drawn again too.
    InvalidateRect(label, nullptr, TRUE);
}

LRESULT FaceColouredStatic(HDC dc) {
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

SIZE WindowSizeFor(int clientWidthTwips, int clientHeightTwips, int dpi, DWORD style, DWORD exStyle) {
    RECT rect = {0, 0, TwipsToPixels(clientWidthTwips, dpi), TwipsToPixels(clientHeightTwips, dpi)};
    AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace sd
