// Child controls created from a window's control table.
#pragma once

#include <windows.h>

#include <span>
#include <vector>

#include "ui/control_table.h"
#include "ui/window_host.h"

namespace sd {

// Control IDs are the table index plus this, clear of IDOK and IDCANCEL.
inline constexpr int kFirstControlId = 1000;
constexpr int ControlId(int index) { return kFirstControlId + index; }

// The control's rectangle in pixels, in its window's client coordinates (frames' children are
// placed relative to their frame).
RECT ControlRect(std::span<const ControlSpec> table, int index, int dpi);

// Creates the controls in tab-index order (Windows' tab order is the z-order), controls that
// take no focus first; the result is indexed like the table. Every control gets the host's
// dialog font.
std::vector<HWND> CreateControls(HWND parent, const WindowHost& host,
                                 std::span<const ControlSpec> table);

// The client size of a window in pixels, and the outer size its frame style needs for it.
SIZE WindowSizeFor(int clientWidthTwips, int clientHeightTwips, int dpi, DWORD style, DWORD exStyle);

}  // namespace sd
