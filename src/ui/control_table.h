// Windows are described by tables of controls: name, kind, caption, rectangle in twips, tab
// index, container. The tables are data; the window code walks them. Each window names its
// controls with an enum whose values are the rows' indexes, so that a misspelt name fails the
// build; ControlTableMatches checks at compile time that table and enum agree.
#pragma once

#include <cstddef>
#include <span>
#include <type_traits>

namespace sd {

enum class ControlKind {
    PictureBox, Image, Label, Frame, OptionButton, CommandButton, TextBox,
    TabControl,       // caption: the tabs' captions separated by '|'
    GraphicalButton,  // a command button that shows a bitmap instead of a caption
};

// A window's enum of control names; its last value, Count, is the number of controls.
template <class Name>
concept ControlName = std::is_enum_v<Name> && requires { Name::Count; };

template <ControlName Name>
constexpr int IndexOf(Name name) { return static_cast<int>(name); }

inline constexpr int kNoTabIndex = -1;
inline constexpr int kNoParent = -1;

// Written in a table for a control that sits on the window itself rather than in a container.
struct OnWindow {};
inline constexpr OnWindow kOnWindow;

struct ControlSpec {
    int name;                      // the window's name for the control, as its index
    ControlKind kind;
    const char* caption;
    int left, top, width, height;  // twips, relative to the parent (the window or a frame)
    int tabIndex;                  // kNoTabIndex for controls that take no focus
    int parent;                    // index of the containing frame or tab control, or kNoParent
    bool visible;
    int page = 0;                  // in a tab control: the tab the control sits on

    template <ControlName Name>
    constexpr ControlSpec(Name name, ControlKind kind, const char* caption, int left, int top, int width,
                          int height, int tabIndex, Name parent, bool visible, int page = 0)
        : ControlSpec(name, kind, caption, left, top, width, height, tabIndex, kOnWindow, visible, page) {
        this->parent = IndexOf(parent);
    }
    template <ControlName Name>
    constexpr ControlSpec(Name name, ControlKind kind, const char* caption, int left, int top, int width,
                          int height, int tabIndex, OnWindow, bool visible, int page = 0)
        : name(IndexOf(name)), kind(kind), caption(caption), left(left), top(top), width(width),
          height(height), tabIndex(tabIndex), parent(kNoParent), visible(visible), page(page) {}
};

// True when the table has one row per name, each in the place of its name.
template <ControlName Name, std::size_t N>
constexpr bool ControlTableMatches(const ControlSpec (&table)[N]) {
    if (N != static_cast<std::size_t>(Name::Count)) return false;
    for (std::size_t i = 0; i < N; ++i)
        if (table[i].name != static_cast<int>(i)) return false;
    return true;
}

// The text shown when the pointer rests on a control.
struct TooltipSpec {
    int control;  // the control's index in its window's table
    const char* text;

    template <ControlName Name>
    constexpr TooltipSpec(Name control, const char* text) : control(IndexOf(control)), text(text) {}
};

// Twips to pixels at the screen's DPI, rounded to the nearest pixel (15 twips a pixel at 96).
constexpr int TwipsToPixels(int twips, int dpi) {
    const long long scaled = static_cast<long long>(twips) * dpi;
    return static_cast<int>(scaled >= 0 ? (scaled + 720) / 1440 : -((-scaled + 720) / 1440));
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
