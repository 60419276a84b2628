// Resource IDs shared by swiftdash.rc and the C++ code.
#pragma once

// Plain #define because windres's preprocessor understands nothing else.
// The program icon must be 1: Explorer shows the first icon group, and the code loads ID 1.
#define IDI_SWIFTDASH 1
#define IDB_MAIN 101
#define IDB_MIN_NORMAL 102
#define IDB_CLOSE_NORMAL 103
#define IDB_MIN_HOT 104
#define IDB_CLOSE_HOT 105
#define IDI_MONITOR 106
// The About dialog's background.
#define IDB_ABOUT 120
// The open-folder picture of the Options dialog's browse buttons.
#define IDB_BROWSE 121
