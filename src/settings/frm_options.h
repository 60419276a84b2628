// The Options dialog: one modeless instance; showing it while open only brings it forward.
#pragma once

#include <windows.h>

#include "core/program.h"
#include "ui/modeless_window.h"

namespace sd {

class frmOptions : public ModelessWindow<frmOptions> {
public:
    // Kept off the taskbar by its hidden owner window, not by a tool-window frame.
    static constexpr WindowLayout kLayout = {"SwiftDashOptions", "Options", kDialogStyle,
                                             kDialogExStyle, 4185, 4170, false};

    frmOptions(WindowHost& host, Program& program) : ModelessWindow(host), program_(program) {}
    ~frmOptions() { Unload(); }
    frmOptions(const frmOptions&) = delete;
    frmOptions& operator=(const frmOptions&) = delete;

    void Form_Load() {}
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    Program& program_;
};

}  // namespace sd
