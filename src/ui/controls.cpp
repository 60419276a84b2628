// Creating child controls from a control table.
#include "ui/controls.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <numeric>
#include <string>

#include "platform/win32/lazy_library.h"

namespace sd {

RECT ControlRect(std::span<const ControlSpec> table, int index, int dpi) {
    const ControlSpec& control = table[index];
    int left = control.left;
    int top = control.top;
    for (int parent = control.parent; parent != kNoParent; parent = table[parent].parent) {
        left += table[parent].left;
        top += table[parent].top;
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
    DWORD exStyle = 0;
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
        case ControlKind::TextBox: return {"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
        case ControlKind::TabControl: return {WC_TABCONTROLA, WS_TABSTOP};
        case ControlKind::GraphicalButton: return {"BUTTON", BS_PUSHBUTTON | BS_BITMAP | WS_TABSTOP};
    }
    return {"STATIC", 0};
}

// The tabs of a tab control, from its caption "First|Second|Third".
void InsertTabs(HWND tabs, const char* captions) {
    for (int index = 0;; ++index) {
        const char* bar = std::strchr(captions, '|');
        std::string caption(captions, bar ? bar - captions : std::strlen(captions));
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        SendMessageA(tabs, TCM_INSERTITEMA, index, reinterpret_cast<LPARAM>(&item));
        if (!bar) return;
        captions = bar + 1;
    }
}

}  // namespace

bool LoadCommonControls() {
    static bool loaded = false;
    if (!loaded) {
        // InitCommonControlsEx is absent from Windows 95 without an update.
        auto init = LazyFunction<void(WINAPI*)()>("COMCTL32.DLL", "InitCommonControls");
        if (init) init();
        loaded = init != nullptr;
    }
    return loaded;
}

std::vector<HWND> CreateControls(HWND parent, const WindowHost& host,
                                 std::span<const ControlSpec> table) {
    // The arrow keys move within a run of option buttons in z-order: the option buttons of one
    // container follow each other from the place of the first of them, whatever controls the
    // tab indexes put between them.
    auto place = [&](int i) {
        int first = table[i].tabIndex;
        if (table[i].kind == ControlKind::OptionButton)
            for (const ControlSpec& other : table)
                if (other.kind == ControlKind::OptionButton && other.parent == table[i].parent)
                    first = std::min(first, other.tabIndex);
        return std::pair(first, table[i].kind == ControlKind::OptionButton ? table[i].tabIndex : -1);
    };
    std::vector<int> order(table.size());
    std::iota(order.begin(), order.end(), 0);
    // Stable, and far smaller in the exe than std::stable_sort: a table holds a few dozen rows.
    for (std::size_t i = 1; i < order.size(); ++i)
        for (std::size_t j = i; j > 0 && place(order[j]) < place(order[j - 1]); --j)
            std::swap(order[j], order[j - 1]);
    std::vector<HWND> windows(table.size(), nullptr);
    if (std::any_of(table.begin(), table.end(),
                    [](const ControlSpec& c) { return c.kind == ControlKind::TabControl; }))
        LoadCommonControls();
    const ControlSpec* previous = nullptr;
    for (int index : order) {
        const ControlSpec& control = table[index];
        const bool firstOption = control.kind == ControlKind::OptionButton &&
                                 !(previous && previous->kind == control.kind && previous->parent == control.parent);
        previous = &control;
        const WindowKind kind = KindOf(control, firstOption);
        const RECT rect = ControlRect(table, index, host.dpi());
        // Every control but the option buttons starts a group, so arrow keys stay in theirs.
        const DWORD group = control.kind == ControlKind::OptionButton ? 0 : WS_GROUP;
        const DWORD style = WS_CHILD | group | kind.style | (control.visible ? WS_VISIBLE : 0);
        const bool tabs = control.kind == ControlKind::TabControl;
        HWND window = CreateWindowExA(
            kind.exStyle, kind.className, tabs ? "" : control.caption, style, rect.left, rect.top, rect.right - rect.left,
            rect.bottom - rect.top, parent,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(index))), host.instance(), nullptr);
        if (window) SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(host.dialogFont()), FALSE);
        if (window && tabs) InsertTabs(window, control.caption);
        windows[index] = window;
    }
    return windows;
}

void ShowPage(std::span<const ControlSpec> table, const std::vector<HWND>& controls, int page) {
    HWND tabs = nullptr;
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i].kind == ControlKind::TabControl) tabs = controls[i];
        const int on = PageOf(table, static_cast<int>(i));
        if (on >= 0) ShowWindow(controls[i], table[i].visible && on == page ? SW_SHOWNA : SW_HIDE);
    }
    if (!tabs) return;
    if (SendMessageA(tabs, TCM_GETCURSEL, 0, 0) != page) SendMessageA(tabs, TCM_SETCURSEL, page, 0);
    HWND focus = GetFocus();
    if (focus && IsChild(GetParent(tabs), focus) && !IsWindowVisible(focus)) SetFocus(tabs);
}

void SelectOption(std::span<const ControlSpec> table, const std::vector<HWND>& controls, int index) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i].kind != ControlKind::OptionButton || table[i].parent != table[index].parent) continue;
        const bool selected = static_cast<int>(i) == index;
        SendMessageA(controls[i], BM_SETCHECK, selected ? BST_CHECKED : BST_UNCHECKED, 0);
        // Tab stops at the selected option only (the button control moves the stop itself when
        // the arrow keys select another).
        const LONG style = GetWindowLongA(controls[i], GWL_STYLE);
        SetWindowLongA(controls[i], GWL_STYLE, selected ? style | WS_TABSTOP : style & ~WS_TABSTOP);
    }
}

std::string ControlText(HWND control) {
    std::string text(GetWindowTextLengthA(control) + 1, '\0');
    text.resize(GetWindowTextA(control, text.data(), static_cast<int>(text.size())));
    return text;
}

bool IsChecked(HWND control) { return SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED; }

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
