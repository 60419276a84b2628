// The About and System Information windows' sizes and controls, in twips.
#pragma once

#include "ui/control_table.h"

namespace sd {

inline constexpr int kAboutClientWidthTwips = 4560;
inline constexpr int kAboutClientHeightTwips = 2925;

enum class AboutControl { Image1, lblTitle, lblVersion, lblDescription, Label1, Label2, cmdOK, cmdSysInfo, Count };

inline constexpr ControlSpec kAboutControls[] = {
    {AboutControl::Image1, ControlKind::Image, "", 240, 240, 615, 495, kNoTabIndex, kOnWindow, true},
    {AboutControl::lblTitle, ControlKind::Label, "SwiftDash", 1200, 240, 1725, 480, 3, kOnWindow, true},
    {AboutControl::lblVersion, ControlKind::Label, "Version 1.03 April 04, 2000", 1200, 780, 1905, 195, 2, kOnWindow, true},
    {AboutControl::lblDescription, ControlKind::Label, "Author: Corvane", 1200, 1125, 1275, 195, 4, kOnWindow, true},
    {AboutControl::Label1, ControlKind::Label, "E-mail: swiftdash@example.org", 1230, 1440, 3135, 195, 5, kOnWindow, true},
    {AboutControl::Label2, ControlKind::Label, "www.example.org/swiftdash", 1230, 1800, 1995, 195, 6, kOnWindow, true},
    {AboutControl::cmdOK, ControlKind::CommandButton, "OK", 3120, 2520, 1260, 345, 0, kOnWindow, true},
    {AboutControl::cmdSysInfo, ControlKind::CommandButton, "Sys Info", 1800, 2520, 1215, 375, 1, kOnWindow, true},
};
static_assert(ControlTableMatches<AboutControl>(kAboutControls));

// The labels that take the width of their text; the title keeps its size.
inline constexpr AboutControl kAboutFittedLabels[] = {AboutControl::lblVersion, AboutControl::lblDescription,
                                                      AboutControl::Label1, AboutControl::Label2};

inline constexpr int kSysInfoClientWidthTwips = 5010;
inline constexpr int kSysInfoClientHeightTwips = 1335;

enum class SysInfoControl { Label1, Label3, Label2, lblMemoryLoad, lblTotalPhys, lblAvailPhys, Count };

inline constexpr ControlSpec kSysInfoControls[] = {
    {SysInfoControl::Label1, ControlKind::Label, "Memory used", 240, 240, 945, 195, kNoTabIndex, kOnWindow, true},
    {SysInfoControl::Label3, ControlKind::Label, "Total amount of physical memory", 240, 600, 2310, 195, kNoTabIndex, kOnWindow, true},
    {SysInfoControl::Label2, ControlKind::Label, "Avaliable physical memory", 240, 960, 1845, 195, kNoTabIndex, kOnWindow, true},
    {SysInfoControl::lblMemoryLoad, ControlKind::Label, "0", 2880, 240, 90, 195, kNoTabIndex, kOnWindow, true},
    {SysInfoControl::lblTotalPhys, ControlKind::Label, "0", 2880, 600, 90, 195, kNoTabIndex, kOnWindow, true},
    {SysInfoControl::lblAvailPhys, ControlKind::Label, "0", 2880, 960, 90, 195, kNoTabIndex, kOnWindow, true},
};
static_assert(ControlTableMatches<SysInfoControl>(kSysInfoControls));

inline constexpr unsigned kSysInfoRefreshMs = 100;

}  // namespace sd
