// The Exit dialog: how a user in shell mode leaves it. One modeless instance; while it is
// loaded the main window is disabled.
#pragma once

#include <windows.h>

#include <vector>

#include "core/program.h"
#include "session/frm_exit_controls.h"
#include "ui/modeless_window.h"

namespace sd {

class frmExit : public ModelessWindow<frmExit> {
public:
    static constexpr WindowLayout kLayout = {"SwiftDashExit", "Exit SwiftDash", kDialogStyle,
                                             kDialogExStyle, kExitClientWidthTwips,
                                             kExitClientHeightTwips, true};

    frmExit(WindowHost& host, Program& program) : ModelessWindow(host), program_(program) {}
    ~frmExit() { Unload(); }

    // The control of that name, for tests.
    HWND Control(const char* name) const;

    void cmdOK_Click();
    void cmdCancel_Click() { Unload(); }
    void Option_DblClick(int index);

    void Form_Load();
    void Form_Activate();
    void Form_Unload();
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void OnCommand(int id, int code);

    Program& program_;
    std::vector<HWND> controls_;
    HICON monitor_ = nullptr;
};

}  // namespace sd
