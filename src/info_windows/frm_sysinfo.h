// The System Information window: the machine's memory, refreshed ten times a second while it
// is loaded. One modeless instance, opened from the About dialog.
#pragma once

#include <windows.h>

#include "core/program.h"
#include "info_windows/info_controls.h"
#include "ui/modeless_window.h"

namespace sd {

class frmSysInfo : public ModelessWindow<frmSysInfo, SysInfoControl> {
public:
    static constexpr WindowLayout kLayout = {"SwiftDashSysInfo", "System Information", kDialogStyle,
                                             kDialogExStyle, kSysInfoClientWidthTwips,
                                             kSysInfoClientHeightTwips, true};

    frmSysInfo(WindowHost& host, Program& program) : ModelessWindow(host, kSysInfoControls), program_(program) {}
    ~frmSysInfo() { Unload(); }

    // Reads the memory status once and rewrites the three figures.
    void InfoRefresh();
    void Timer_Timer() { InfoRefresh(); }

    void Form_Load();
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    Program& program_;
};

}  // namespace sd
