// The About dialog: the program's name, version, author and contact, over a picture of its
// own; "Sys Info" leads on to the System Information window. One modeless instance.
#pragma once

#include <windows.h>

#include "info_windows/frm_sysinfo.h"
#include "info_windows/info_controls.h"
#include "ui/modeless_window.h"
#include "ui/picture.h"

namespace sd {

class frmAbout : public ModelessWindow<frmAbout, AboutControl> {
public:
    static constexpr WindowLayout kLayout = {"SwiftDashAbout", "About SwiftDash", kDialogStyle,
                                             kDialogExStyle, kAboutClientWidthTwips,
                                             kAboutClientHeightTwips, true};

    frmAbout(WindowHost& host, frmSysInfo& sysInfo) : ModelessWindow(host, kAboutControls), sysInfo_(sysInfo) {}
    ~frmAbout() { Unload(); }

    void cmdOK_Click() { Unload(); }
    void cmdSysInfo_Click();

    void Form_Load();
    void Form_Activate() { SetFocus(Control(AboutControl::cmdOK)); }
    void Form_Unload();
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void OnCommand(int id);
    LRESULT OnLabelColour(HDC dc, HWND label);
    void PaintBackground(HDC dc);

    frmSysInfo& sysInfo_;
    Picture background_;
    HFONT titleFont_ = nullptr;
    HFONT contactFont_ = nullptr;
};

}  // namespace sd
