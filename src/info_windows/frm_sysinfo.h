// The System Information window: the machine's memory, refreshed ten times a second while it
// is loaded. One modeless instance, opened from the About dialog.
#pragma once

#include <windows.h>

#include <vector>

#include "core/program.h"
#include "info_windows/info_controls.h"
#include "ui/modeless_window.h"

namespace sd {

class frmSysInfo : public ModelessWindow<frmSysInfo> {
public:
    static constexpr WindowLayout kLayout = {"SwiftDashSysInfo", "System Information", kDialogStyle,
                                             kDialogExStyle, kSysInfoClientWidthTwips,
                                             kSysInfoClientHeightTwips, true};

    frmSysInfo(WindowHost& host, Program& program) : ModelessWindow(host), program_(program) {}
    ~frmSysInfo() { Unload(); }

    HWND Control(const char* name) const;

    // Reads the memory status once and rewrites the three figures.
    void InfoRefresh();
    void Timer_Timer() { InfoRefresh(); }

    void Form_Load();
    void Form_Unload() { controls_.clear(); }
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    Program& program_;
    std::vector<HWND> controls_;
};

}  // namespace sd
