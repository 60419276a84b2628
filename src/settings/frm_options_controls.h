// The Options dialog's size, controls (in twips), tooltips and browse buttons.
#pragma once

#include "ui/control_table.h"

namespace sd {

inline constexpr int kOptionsClientWidthTwips = 4185;
inline constexpr int kOptionsClientHeightTwips = 4170;

// Containers, by their index below.
inline constexpr int kOptionsTab = 0;
inline constexpr int kStartUpProgramsFrame = 4, kStartUpFolderFrame = 11, kDoubleClickFrame = 14;
inline constexpr int kPathsFrame = 22;

using CK = ControlKind;
inline constexpr ControlSpec kOptionsControls[] = {
    {"Tab", CK::TabControl, "StartUp|General|Paths", 0, 120, 4095, 3495, 2, kNoParent, true},
    {"OKButton", CK::CommandButton, "OK", 1560, 3720, 1215, 375, 0, kNoParent, true},
    {"CancelButton", CK::CommandButton, "Cancel", 2880, 3720, 1215, 375, 1, kNoParent, true},
    {"cmdBrowse", CK::GraphicalButton, "", 1080, 3720, 375, 300, 18, kNoParent, false},
    // Tab "StartUp"
    {"fraStartUpPrograms", CK::Frame, "StartUp programs", 120, 480, 3855, 1575, 3, kOptionsTab, true, 0},
    {"txtStartUpItem(0)", CK::TextBox, "", 120, 360, 3255, 285, 9, kStartUpProgramsFrame, true},
    {"cmdBrowseStartUpItem(0)", CK::GraphicalButton, "", 3360, 360, 375, 300, 8, kStartUpProgramsFrame, true},
    {"txtStartUpItem(1)", CK::TextBox, "", 120, 720, 3255, 285, 7, kStartUpProgramsFrame, true},
    {"cmdBrowseStartUpItem(1)", CK::GraphicalButton, "", 3360, 720, 375, 300, 6, kStartUpProgramsFrame, true},
    {"txtStartUpItem(2)", CK::TextBox, "", 120, 1080, 3255, 285, 5, kStartUpProgramsFrame, true},
    {"cmdBrowseStartUpItem(2)", CK::GraphicalButton, "", 3360, 1080, 375, 300, 4, kStartUpProgramsFrame, true},
    {"Frame1", CK::Frame, "StartUp folder", 120, 2160, 3855, 1215, 10, kOptionsTab, true, 0},
    {"txtStartUpFolder", CK::TextBox, "", 120, 360, 3255, 285, 11, kStartUpFolderFrame, true},
    {"cmdBrowseDir(1)", CK::GraphicalButton, "", 3360, 360, 375, 300, 20, kStartUpFolderFrame, true},
    // Tab "General"
    {"fraDC", CK::Frame, "Double-click on main window", 120, 480, 3855, 2895, 12, kOptionsTab, true, 1},
    {"optDC_DoNothing", CK::OptionButton, "Do nothing", 120, 360, 1215, 195, 13, kDoubleClickFrame, true},
    {"optDC_Minimize", CK::OptionButton, "Minimize", 120, 720, 975, 195, 14, kDoubleClickFrame, true},
    {"optDC_OpenStartUpPrograms", CK::OptionButton, "Open StartUp programs", 120, 1080, 2055, 195, 15, kDoubleClickFrame, true},
    {"optDC_OpenOptionsDialog", CK::OptionButton, "Open Options dialog", 120, 1440, 1815, 195, 19, kDoubleClickFrame, true},
    {"optDC_OpenFile", CK::OptionButton, "Open file:", 120, 1800, 2535, 195, 16, kDoubleClickFrame, true},
    {"txtDC_OpenFile", CK::TextBox, "", 120, 2160, 3255, 285, 17, kDoubleClickFrame, true},
    {"cmdDC_OpenFile_Browse", CK::GraphicalButton, "", 3360, 2160, 375, 300, 21, kDoubleClickFrame, true},
    // Tab "Paths"
    {"Frame2", CK::Frame, "", 120, 360, 3855, 3015, 22, kOptionsTab, true, 2},
    {"lblStartMenuFolder", CK::Label, "Start Menu folder:", 120, 240, 1260, 195, 23, kPathsFrame, true},
    {"txtStartMenuFolder", CK::TextBox, "", 120, 480, 3255, 285, 24, kPathsFrame, true},
    {"cmdStartMenuFolder", CK::GraphicalButton, "", 3360, 480, 375, 300, 25, kPathsFrame, true},
    {"lblDesktopFolder", CK::Label, "Desktop folder:", 120, 840, 1080, 195, 26, kPathsFrame, true},
    {"txtDesktopFolder", CK::TextBox, "", 120, 1080, 3255, 285, 27, kPathsFrame, true},
    {"cmdDesktopFolder", CK::GraphicalButton, "", 3360, 1080, 375, 300, 28, kPathsFrame, true},
    {"lblExplorerPath", CK::Label, "Path to Explorer:", 120, 1440, 1170, 195, 29, kPathsFrame, true},
    {"txtExplorerPath", CK::TextBox, "", 120, 1680, 3255, 285, 30, kPathsFrame, true},
    {"cmdExplorerPath", CK::GraphicalButton, "", 3360, 1680, 375, 300, 31, kPathsFrame, true},
};

static_assert(ControlIndex(kOptionsControls, "Tab") == kOptionsTab);
static_assert(ControlIndex(kOptionsControls, "fraStartUpPrograms") == kStartUpProgramsFrame);
static_assert(ControlIndex(kOptionsControls, "Frame1") == kStartUpFolderFrame);
static_assert(ControlIndex(kOptionsControls, "fraDC") == kDoubleClickFrame);
static_assert(ControlIndex(kOptionsControls, "Frame2") == kPathsFrame);

inline constexpr TooltipSpec kOptionsTooltips[] = {
    {"fraStartUpPrograms", "Specify which programs SwiftDsh should open at start-up"},
    {"Frame1", "Specify a folder which opens automatically at SwiftDash's start"},
    {"fraDC", "Tells SwiftDash what to do when you double-click on the main window"},
    {"optDC_DoNothing", "Nothing happens when you double-click on the main window"},
    {"optDC_Minimize", "When you double-click on SwiftDash window, it will minimize"},
    {"optDC_OpenStartUpPrograms", "SwiftDash will open programs in StartUp section"},
    {"optDC_OpenOptionsDialog", "It will bring the Options dialog"},
    {"optDC_OpenFile", "Opens the file specified below"},
    {"lblStartMenuFolder", "Specify which folder SwiftDash should open when you click on Start Menu item in the right-click menu"},
    {"lblDesktopFolder", "Specify which folder SwiftDash should open when you click on Desktop item in the right-click menu"},
    {"lblExplorerPath", "By default, SwiftDash uses Windows explorer, if you want to use other software, specify the EXE file below"},
};

// The option buttons in the order OK tests them; the action number is the position plus one.
inline constexpr const char* kDoubleClickOptions[] = {
    "optDC_DoNothing", "optDC_Minimize", "optDC_OpenStartUpPrograms", "optDC_OpenOptionsDialog",
    "optDC_OpenFile",
};

// What each browse button asks for and which text box it fills.
struct BrowseButton {
    const char* button;
    const char* textBox;
    bool folder;        // the folder browser; otherwise the Open dialog for a program
    bool keepShortcut;  // a picked shortcut stays itself, to start with its own arguments and
                        // folder; the Explorer path wants the program a shortcut names
};

inline constexpr BrowseButton kBrowseButtons[] = {
    {"cmdBrowseStartUpItem(0)", "txtStartUpItem(0)", false, true},
    {"cmdBrowseStartUpItem(1)", "txtStartUpItem(1)", false, true},
    {"cmdBrowseStartUpItem(2)", "txtStartUpItem(2)", false, true},
    {"cmdBrowseDir(1)", "txtStartUpFolder", true, false},
    {"cmdDC_OpenFile_Browse", "txtDC_OpenFile", false, true},
    {"cmdStartMenuFolder", "txtStartMenuFolder", true, false},
    {"cmdDesktopFolder", "txtDesktopFolder", true, false},
    {"cmdExplorerPath", "txtExplorerPath", false, false},
};

inline constexpr const char* kProgramsFilter = "Programs|*.exe; *.com; *.bat|All Files|*.*";
// OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_EXPLORER
inline constexpr unsigned kProgramsFlags = 0x81804;
inline constexpr unsigned kKeepShortcutFlag = 0x100000;  // OFN_NODEREFERENCELINKS

}  // namespace sd
