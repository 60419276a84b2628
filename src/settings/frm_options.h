// The Options dialog: one modeless instance; showing it while open only brings it forward.
#pragma once

#include <windows.h>

#include "core/program.h"
#include "settings/frm_options_controls.h"
#include "ui/modeless_window.h"
#include "ui/tooltips.h"

namespace sd {

class frmOptions : public ModelessWindow<frmOptions, OptionsControl> {
public:
    // Kept off the taskbar by its hidden owner window, not by a tool-window frame.
    static constexpr WindowLayout kLayout = {"SwiftDashOptions", "Options", kDialogStyle,
                                             kDialogExStyle, kOptionsClientWidthTwips,
                                             kOptionsClientHeightTwips, true};

    frmOptions(WindowHost& host, Program& program) : ModelessWindow(host, kOptionsControls), program_(program) {}
    ~frmOptions() { Unload(); }

    HWND Tooltip() const { return tooltips_.window(); }

    void Form_Load();
    void Form_Activate();
    void Form_Unload();
    void optDC_Click();
    void Browse_Click(const BrowseButton& browse);
    void OKButton_Click();
    void CancelButton_Click() { Unload(); }
    // Shows the controls of one tab and hides those of the others.
    void ShowTab(int page);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void OnCommand(int id, int code);
    bool OnPreTranslate(const MSG& msg);

    Program& program_;
    Tooltips tooltips_;
    HBITMAP browsePicture_ = nullptr;
    HBITMAP disabledBrowsePicture_ = nullptr;  // for the one browse button that is ever disabled
};

}  // namespace sd
