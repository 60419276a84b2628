// Child controls created from a window's control table.
#pragma once

#include <windows.h>

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "ui/control_table.h"
#include "ui/window_host.h"

namespace sd {

// Control IDs are the table index plus this, clear of IDOK and IDCANCEL.
inline constexpr int kFirstControlId = 1000;
constexpr int ControlId(int index) { return kFirstControlId + index; }

// The control's rectangle in pixels, in its window's client coordinates (a container's children
// are placed relative to it: a frame's to the frame, a tab control's to the tab control).
RECT ControlRect(std::span<const ControlSpec> table, int index, int dpi);

// Creates the controls in tab-index order (Windows' tab order is the z-order), controls that
// take no focus first; the result is indexed like the table. Every control gets the host's
// dialog font. All are children of `parent`: a frame or a tab control only places its own.
// A table with a tab control loads the common controls first.
std::vector<HWND> CreateControls(HWND parent, const WindowHost& host,
                                 std::span<const ControlSpec> table);

// COMCTL32 with InitCommonControls, loaded on first use only (shell mode does without it);
// false where it cannot be loaded.
bool LoadCommonControls();

// Shows the controls on tab `page` of the table's tab control and hides those on the others;
// a focused control that goes out of sight hands the focus to the tab control.
void ShowPage(std::span<const ControlSpec> table, const std::vector<HWND>& controls, int page);

// Selects an option button and clears the others in its container, as one group whatever
// their tab order; the selected one becomes the group's only tab stop.
void SelectOption(std::span<const ControlSpec> table, const std::vector<HWND>& controls, int index);

// A control's text, and whether a button is checked.
std::string ControlText(HWND control);
bool IsChecked(HWND control);

// A window's controls, created from its table and looked up by their names. The window that
// holds them creates them when it loads and clears them when it goes.
template <ControlName Name>
class WindowControls {
public:
    explicit WindowControls(std::span<const ControlSpec> table) : table_(table) {}

    void Create(HWND parent, const WindowHost& host) { windows_ = CreateControls(parent, host, table_); }
    void Clear() { windows_.clear(); }

    // The created control, or null while the window is not loaded.
    HWND operator[](Name name) const {
        const auto index = static_cast<std::size_t>(IndexOf(name));
        return index < windows_.size() ? windows_[index] : nullptr;
    }
    // The control's row of the table.
    const ControlSpec& Row(Name name) const { return table_[IndexOf(name)]; }
    // The control a WM_COMMAND's id comes from; none for ids that are no control's (IDCANCEL).
    std::optional<Name> FromId(int id) const {
        const int index = id - kFirstControlId;
        if (index < 0 || index >= static_cast<int>(table_.size())) return std::nullopt;
        return static_cast<Name>(index);
    }

    std::string Text(Name name) const { return ControlText((*this)[name]); }
    void SetText(Name name, const std::string& text) const { SetWindowTextA((*this)[name], text.c_str()); }
    bool Checked(Name name) const { return IsChecked((*this)[name]); }
    void SelectOption(Name option) const { sd::SelectOption(table_, windows_, IndexOf(option)); }
    void ShowPage(int page) const { sd::ShowPage(table_, windows_, page); }

    std::span<const ControlSpec> table() const { return table_; }
    const std::vector<HWND>& windows() const { return windows_; }

private:
    std::span<const ControlSpec> table_;
    std::vector<HWND> windows_;
};

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
