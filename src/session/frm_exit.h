// The Exit dialog: how a user in shell mode leaves it. One modeless instance; while it is
// loaded the main window is disabled.
#pragma once

#include <windows.h>

#include "core/program.h"
#include "session/frm_exit_controls.h"
#include "ui/modeless_window.h"

namespace sd {

class frmExit : public ModelessWindow<frmExit, ExitControl> {
public:
    static constexpr WindowLayout kLayout = {"SwiftDashExit", "Exit SwiftDash", kDialogStyle,
                                             kDialogExStyle, kExitClientWidthTwips,
                                             kExitClientHeightTwips, true};

    frmExit(WindowHost& host, Program& program) : ModelessWindow(host, kExitControls), program_(program) {}
    ~frmExit() { Unload(); }

    void cmdOK_Click();
    void cmdCancel_Click() { Unload(); }
    void Option_DblClick(ExitControl option);

    void Form_Load();
    void Form_Activate();
    void Form_Unload();
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void OnCommand(int id, int code);

    Program& program_;
    HICON monitor_ = nullptr;
};

}  // namespace sd
