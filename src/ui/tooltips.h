// Tooltips on a window's controls.
#pragma once

#include <windows.h>

#include <span>
#include <vector>

#include "ui/control_table.h"

namespace sd {

class Tooltips {
public:
    // One tooltip window for the controls of `owner`; it goes with the owner. Frames and labels
    // take no mouse input (the mouse reaches the window under them), so their tips are areas
    // of the owner; other controls carry their own.
    void Create(HWND owner, std::span<const ControlSpec> table, const std::vector<HWND>& controls,
                std::span<const TooltipSpec> tips);
    // Keeps the areas of hidden frames and labels (those on other tabs) from showing their tips.
    void Refresh();
    HWND window() const { return window_; }

private:
    struct Area {
        HWND control;
        UINT id;
    };
    HWND owner_ = nullptr;
    HWND window_ = nullptr;
    std::vector<Area> areas_;
};

}  // namespace sd
