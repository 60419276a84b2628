// Creating child controls from a control table.
#include "shell_window/controls.h"

#include <algorithm>
#include <numeric>

namespace sd {

RECT ControlRect(std::span<const ControlSpec> table, int index, int dpi) {
    const ControlSpec& spec = table[index];
    int left = spec.left;
    int top = spec.top;
    if (spec.parent != kNoParent) {
        left += table[spec.parent].left;
        top += table[spec.parent].top;
    }
    RECT rect;
    rect.left = TwipsToPixels(left, dpi);
    rect.top = TwipsToPixels(top, dpi);
    rect.right = rect.left + TwipsToPixels(spec.width, dpi);
    rect.bottom = rect.top + TwipsToPixels(spec.height, dpi);
    return rect;
}

namespace {

struct WindowKind {
    const char* className;
    DWORD style;
};

WindowKind KindOf(const ControlSpec& spec, bool firstOption) {
    switch (spec.kind) {
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

std::vector<HWND> CreateControls(HWND parent, HINSTANCE instance, int dpi,
                                 std::span<const ControlSpec> table) {
    std::vector<int> order(table.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return table[a].tabIndex < table[b].tabIndex; });
    std::vector<HWND> windows(table.size(), nullptr);
    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    bool optionSeen = false;
    for (int index : order) {
        const ControlSpec& spec = table[index];
        const bool firstOption = spec.kind == ControlKind::OptionButton && !optionSeen;
        optionSeen = optionSeen || spec.kind == ControlKind::OptionButton;
        const WindowKind kind = KindOf(spec, firstOption);
        const RECT rect = ControlRect(table, index, dpi);
        // Every control but the option buttons starts a group, so arrow keys stay in theirs.
        const DWORD group = spec.kind == ControlKind::OptionButton ? 0 : WS_GROUP;
        const DWORD style = WS_CHILD | group | kind.style | (spec.visible ? WS_VISIBLE : 0);
        HWND control = CreateWindowExA(
            0, kind.className, spec.caption, style, rect.left, rect.top, rect.right - rect.left,
            rect.bottom - rect.top, parent,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(index))), instance, nullptr);
        if (control) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        windows[index] = control;
    }
    return windows;
}

SIZE WindowSizeFor(int clientWidthTwips, int clientHeightTwips, int dpi, DWORD style, DWORD exStyle) {
    RECT rect = {0, 0, TwipsToPixels(clientWidthTwips, dpi), TwipsToPixels(clientHeightTwips, dpi)};
    AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace sd
