// The Options dialog's size, controls (in twips), tooltips and browse buttons.
#pragma once

#include "ui/control_table.h"

namespace sd {

inline constexpr int kOptionsClientWidthTwips = 4185;
inline constexpr int kOptionsClientHeightTwips = 4170;

enum class OptionsControl {
    Tab, OKButton, CancelButton, cmdBrowse,
    fraStartUpPrograms, txtStartUpItem0, cmdBrowseStartUpItem0, txtStartUpItem1, cmdBrowseStartUpItem1,
    txtStartUpItem2, cmdBrowseStartUpItem2, Frame1, txtStartUpFolder, cmdBrowseDir1,
    fraDC, optDC_DoNothing, optDC_Minimize, optDC_OpenStartUpPrograms, optDC_OpenOptionsDialog,
    optDC_OpenFile, txtDC_OpenFile, cmdDC_OpenFile_Browse,
    Frame2, lblStartMenuFolder, txtStartMenuFolder, cmdStartMenuFolder, lblDesktopFolder,
    txtDesktopFolder, cmdDesktopFolder, lblExplorerPath, txtExplorerPath, cmdExplorerPath,
    Count
};

namespace options_controls {

using enum OptionsControl;
using enum ControlKind;

// The tabs' pages.
inline constexpr int kStartUpPage = 0, kGeneralPage = 1, kPathsPage = 2;

inline constexpr ControlSpec kOptionsControls[] = {
    {Tab, TabControl, "StartUp|General|Paths", 0, 120, 4095, 3495, 2, kOnWindow, true},
    {OKButton, CommandButton, "OK", 1560, 3720, 1215, 375, 0, kOnWindow, true},
    {CancelButton, CommandButton, "Cancel", 2880, 3720, 1215, 375, 1, kOnWindow, true},
    {cmdBrowse, GraphicalButton, "", 1080, 3720, 375, 300, 18, kOnWindow, false},
    {fraStartUpPrograms, Frame, "StartUp programs", 120, 480, 3855, 1575, 3, Tab, true, kStartUpPage},
    {txtStartUpItem0, TextBox, "", 120, 360, 3255, 285, 9, fraStartUpPrograms, true},
    {cmdBrowseStartUpItem0, GraphicalButton, "", 3360, 360, 375, 300, 8, fraStartUpPrograms, true},
    {txtStartUpItem1, TextBox, "", 120, 720, 3255, 285, 7, fraStartUpPrograms, true},
    {cmdBrowseStartUpItem1, GraphicalButton, "", 3360, 720, 375, 300, 6, fraStartUpPrograms, true},
    {txtStartUpItem2, TextBox, "", 120, 1080, 3255, 285, 5, fraStartUpPrograms, true},
    {cmdBrowseStartUpItem2, GraphicalButton, "", 3360, 1080, 375, 300, 4, fraStartUpPrograms, true},
    {Frame1, Frame, "StartUp folder", 120, 2160, 3855, 1215, 10, Tab, true, kStartUpPage},
    {txtStartUpFolder, TextBox, "", 120, 360, 3255, 285, 11, Frame1, true},
    {cmdBrowseDir1, GraphicalButton, "", 3360, 360, 375, 300, 20, Frame1, true},
    {fraDC, Frame, "Double-click on main window", 120, 480, 3855, 2895, 12, Tab, true, kGeneralPage},
    {optDC_DoNothing, OptionButton, "Do nothing", 120, 360, 1215, 195, 13, fraDC, true},
    {optDC_Minimize, OptionButton, "Minimize", 120, 720, 975, 195, 14, fraDC, true},
    {optDC_OpenStartUpPrograms, OptionButton, "Open StartUp programs", 120, 1080, 2055, 195, 15, fraDC, true},
    {optDC_OpenOptionsDialog, OptionButton, "Open Options dialog", 120, 1440, 1815, 195, 19, fraDC, true},
    {optDC_OpenFile, OptionButton, "Open file:", 120, 1800, 2535, 195, 16, fraDC, true},
    {txtDC_OpenFile, TextBox, "", 120, 2160, 3255, 285, 17, fraDC, true},
    {cmdDC_OpenFile_Browse, GraphicalButton, "", 3360, 2160, 375, 300, 21, fraDC, true},
    {Frame2, Frame, "", 120, 360, 3855, 3015, 22, Tab, true, kPathsPage},
    {lblStartMenuFolder, Label, "Start Menu folder:", 120, 240, 1260, 195, 23, Frame2, true},
    {txtStartMenuFolder, TextBox, "", 120, 480, 3255, 285, 24, Frame2, true},
    {cmdStartMenuFolder, GraphicalButton, "", 3360, 480, 375, 300, 25, Frame2, true},
    {lblDesktopFolder, Label, "Desktop folder:", 120, 840, 1080, 195, 26, Frame2, true},
    {txtDesktopFolder, TextBox, "", 120, 1080, 3255, 285, 27, Frame2, true},
    {cmdDesktopFolder, GraphicalButton, "", 3360, 1080, 375, 300, 28, Frame2, true},
    {lblExplorerPath, Label, "Path to Explorer:", 120, 1440, 1170, 195, 29, Frame2, true},
    {txtExplorerPath, TextBox, "", 120, 1680, 3255, 285, 30, Frame2, true},
    {cmdExplorerPath, GraphicalButton, "", 3360, 1680, 375, 300, 31, Frame2, true},
};
static_assert(ControlTableMatches<OptionsControl>(kOptionsControls));

inline constexpr TooltipSpec kOptionsTooltips[] = {
    {fraStartUpPrograms, "Specify which programs SwiftDsh should open at start-up"},
    {Frame1, "Specify a folder which opens automatically at SwiftDash's start"},
    {fraDC, "Tells SwiftDash what to do when you double-click on the main window"},
    {optDC_DoNothing, "Nothing happens when you double-click on the main window"},
    {optDC_Minimize, "When you double-click on SwiftDash window, it will minimize"},
    {optDC_OpenStartUpPrograms, "SwiftDash will open programs in StartUp section"},
    {optDC_OpenOptionsDialog, "It will bring the Options dialog"},
    {optDC_OpenFile, "Opens the file specified below"},
    {lblStartMenuFolder, "Specify which folder SwiftDash should open when you click on Start Menu item in the right-click menu"},
    {lblDesktopFolder, "Specify which folder SwiftDash should open when you click on Desktop item in the right-click menu"},
    {lblExplorerPath, "By default, SwiftDash uses Windows explorer, if you want to use other software, specify the EXE file below"},
};

// What each browse button asks for and which text box it fills.
struct BrowseButton {
    OptionsControl button;
    OptionsControl textBox;
    bool folder;        // the folder browser; otherwise the Open dialog for a program
    bool keepShortcut;  // a picked shortcut stays itself, to start with its own arguments and
                        // folder; the Explorer path wants the program a shortcut names
};

inline constexpr BrowseButton kBrowseButtons[] = {
    {cmdBrowseStartUpItem0, txtStartUpItem0, false, true},
    {cmdBrowseStartUpItem1, txtStartUpItem1, false, true},
    {cmdBrowseStartUpItem2, txtStartUpItem2, false, true},
    {cmdBrowseDir1, txtStartUpFolder, true, false},
    {cmdDC_OpenFile_Browse, txtDC_OpenFile, false, true},
    {cmdStartMenuFolder, txtStartMenuFolder, true, false},
    {cmdDesktopFolder, txtDesktopFolder, true, false},
    {cmdExplorerPath, txtExplorerPath, false, false},
};

}  // namespace options_controls

using options_controls::BrowseButton;
using options_controls::kBrowseButtons;
using options_controls::kOptionsControls;
using options_controls::kOptionsTooltips;

inline constexpr const char* kProgramsFilter = "Programs|*.exe; *.com; *.bat|All Files|*.*";

}  // namespace sd
