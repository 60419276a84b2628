// Child controls created from a window's control table.
#pragma once

#include <windows.h>

#include <span>
#include <string>
#include <string_view>
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

// The created control of that name (CreateControls' result for that table), or null.
HWND ControlOf(const std::vector<HWND>& controls, std::span<const ControlSpec> table,
               std::string_view name);

// A label that sizes itself: the text is set and the label takes the text's width and height
// in its font, its top left corner staying where it is. An unchanged text is left alone, so a
// label refreshed often repaints only when it changes.
void SetFittedLabelText(HWND label, const std::string& text);
void FitLabelToText(HWND label);

// WM_CTLCOLORSTATIC for a static control on the dialog face.
LRESULT FaceColouredStatic(HDC dc);

// The client size of a window in pixels, and the outer size its frame style needs for it.
SIZE WindowSizeFor(int clientWidthTwips, int clientHeightTwips, int dpi, DWORD style, DWORD exStyle);

}  // namespace sd
