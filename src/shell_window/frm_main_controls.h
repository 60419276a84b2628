// The main window's size and controls, in twips.
#pragma once

#include "ui/control_table.h"

namespace sd {

// The window shows a picture drawn in pixels: its size and its buttons are laid out at 96 DPI
// whatever the screen's DPI, so that at Large Fonts the picture still fills the window and the
// buttons sit on it. Only the window's position follows the screen's DPI.
inline constexpr int kMainDpi = 96;
inline constexpr int kMainClientWidthTwips = 3420;
inline constexpr int kMainClientHeightTwips = 1020;
inline constexpr int kMainLeftTwips = 100;
inline constexpr int kMainTopTwips = 100;

enum class MainControl { IconPic, imgminimize0, imgclose0, imgminimize1, imgclose1, imgMinimize, imgClose, Count };

inline constexpr ControlSpec kMainControls[] = {
    {MainControl::IconPic, ControlKind::PictureBox, "", 0, 720, 255, 255, kNoTabIndex, kOnWindow, false},
    {MainControl::imgminimize0, ControlKind::Image, "", 720, 0, 180, 180, kNoTabIndex, kOnWindow, false},
    {MainControl::imgclose0, ControlKind::Image, "", 480, 0, 180, 180, kNoTabIndex, kOnWindow, false},
    {MainControl::imgminimize1, ControlKind::Image, "", 0, 0, 195, 195, kNoTabIndex, kOnWindow, false},
    {MainControl::imgclose1, ControlKind::Image, "", 240, 0, 195, 195, kNoTabIndex, kOnWindow, false},
    {MainControl::imgMinimize, ControlKind::Image, "", 2960, 45, 180, 180, kNoTabIndex, kOnWindow, true},
    {MainControl::imgClose, ControlKind::Image, "", 3180, 45, 180, 180, kNoTabIndex, kOnWindow, true},
};
static_assert(ControlTableMatches<MainControl>(kMainControls));

}  // namespace sd
