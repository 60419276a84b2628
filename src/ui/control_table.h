// Windows are described by tables of controls: name, kind, caption, rectangle in twips, tab
// index, container. The tables are data; the window code walks them.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace sd {

enum class ControlKind {
    PictureBox, Image, Label, Frame, OptionButton, CommandButton, TextBox,
    TabControl,       // caption: the tabs' captions separated by '|'
    GraphicalButton,  // a command button that shows a bitmap instead of a caption
};

inline constexpr int kNoTabIndex = -1;
inline constexpr int kNoParent = -1;

struct ControlSpec {
    const char* name;
    ControlKind kind;
    const char* caption;
    int left, top, width, height;  // twips, relative to the parent (the window or a frame)
    int tabIndex;                  // kNoTabIndex for controls that take no focus
    int parent;                    // index of the containing frame or tab control, or kNoParent
    bool visible;
    int page = 0;                  // in a tab control: the tab the control sits on
};

// The text shown when the pointer rests on a control.
struct TooltipSpec {
    const char* control;  // a name in the window's control table
    const char* text;
};

// Twips to pixels at the screen's DPI, rounded to the nearest pixel (15 twips a pixel at 96).
constexpr int TwipsToPixels(int twips, int dpi) {
    const long long scaled = static_cast<long long>(twips) * dpi;
    return static_cast<int>(scaled >= 0 ? (scaled + 720) / 1440 : -((-scaled + 720) / 1440));
}

// The index of a control in its table by name, or -1.
template <std::size_t N>
constexpr int ControlIndex(const ControlSpec (&table)[N], std::string_view name) {
    for (std::size_t i = 0; i < N; ++i)
        if (name == table[i].name) return static_cast<int>(i);
    return -1;
}

// The tab a control sits on through its containers, or -1 when it is on no tab control.
constexpr int PageOf(std::span<const ControlSpec> table, int index) {
    for (int parent = table[index].parent; parent != kNoParent; parent = table[index].parent) {
        if (table[parent].kind == ControlKind::TabControl) return table[index].page;
        index = parent;
    }
    return -1;
}

}  // namespace sd
