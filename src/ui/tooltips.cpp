// Tooltips from a table of controls and texts.
#include "ui/tooltips.h"

#include <commctrl.h>

#include "ui/controls.h"

namespace sd {

namespace {

// The version-1 record: comctl32 before version 6 rejects the larger ones.
TOOLINFOA ToolInfo(HWND owner, UINT flags, UINT_PTR id) {
    TOOLINFOA info = {};
    info.cbSize = TTTOOLINFOA_V1_SIZE;
    info.uFlags = flags;
    info.hwnd = owner;
    info.uId = id;
    return info;
}

RECT RectIn(HWND owner, HWND control) {
    RECT rect = {0, 0, 0, 0};
    // Its own flag: the owner itself may not show yet.
    if (!(GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE)) return rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, owner, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}  // namespace

void Tooltips::Create(HWND owner, std::span<const ControlSpec> table,
                      const std::vector<HWND>& controls, std::span<const TooltipSpec> tips) {
    owner_ = owner;
    areas_.clear();
    if (!LoadCommonControls()) return;
    // Always tip: in shell mode another window of the program may hold the activation.
    window_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner,
                              nullptr, reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(owner, GWLP_HINSTANCE)),
                              nullptr);
    if (!window_) return;
    for (const TooltipSpec& tip : tips) {
        const int index = tip.control;
        HWND control = controls[index];
        const bool area = table[index].kind == ControlKind::Frame || table[index].kind == ControlKind::Label;
        TOOLINFOA info = area ? ToolInfo(owner, TTF_SUBCLASS, ControlId(index))
                              : ToolInfo(owner, TTF_SUBCLASS | TTF_IDISHWND,
                                         reinterpret_cast<UINT_PTR>(control));
        info.lpszText = const_cast<char*>(tip.text);
        if (area) {
            info.rect = RectIn(owner, control);
            areas_.push_back({control, static_cast<UINT>(ControlId(index))});
        }
        SendMessageA(window_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
    }
}

void Tooltips::Refresh() {
    if (!window_) return;
    for (const Area& area : areas_) {
        TOOLINFOA info = ToolInfo(owner_, 0, area.id);
        info.rect = RectIn(owner_, area.control);
        SendMessageA(window_, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&info));
    }
}

}  // namespace sd
