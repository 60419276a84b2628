// The Options dialog: one modeless instance; showing it while open only brings it forward.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "core/program.h"
#include "settings/frm_options_controls.h"
#include "ui/modeless_window.h"
#include "ui/tooltips.h"

namespace sd {

class frmOptions : public ModelessWindow<frmOptions> {
public:
    // Kept off the taskbar by its hidden owner window, not by a tool-window frame.
    static constexpr WindowLayout kLayout = {"SwiftDashOptions", "Options", kDialogStyle,
                                             kDialogExStyle, kOptionsClientWidthTwips,
                                             kOptionsClientHeightTwips, true};

    frmOptions(WindowHost& host, Program& program) : ModelessWindow(host), program_(program) {}
    ~frmOptions() { Unload(); }

    // The control of that name, for tests.
    HWND Control(const char* name) const;
    HWND Tooltip() const { return tooltips_.window(); }

    void Form_Load();
    void Form_Activate();
    void Form_Unload();
    void optDC_Click();
    void Browse_Click(const BrowseButton& browse);
    void OKButton_Click();
    void CancelButton_Click() { Unload(); }
    // The tab in front: its controls visible, the others hidden.
    void ShowTab(int page);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    std::string Text(const char* name) const;
    void SetText(const char* name, const std::string& text);
    bool Checked(const char* name) const;
    void OnCommand(int id, int code);
    bool OnPreTranslate(const MSG& msg);

    Program& program_;
    std::vector<HWND> controls_;
    Tooltips tooltips_;
    HBITMAP browsePicture_ = nullptr;
    HBITMAP disabledBrowsePicture_ = nullptr;  // for the one browse button that is ever disabled
};

}  // namespace sd
