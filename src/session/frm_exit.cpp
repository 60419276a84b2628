// The Exit dialog: its controls come from its table; OK runs the chosen session command.
#include "session/frm_exit.h"

#include "resources/resource_ids.h"
#include "session/frm_exit_controls.h"
#include "ui/controls.h"

namespace sd {

namespace {

constexpr int Index(const char* name) { return ControlIndex(kExitControls, name); }

}  // namespace

HWND frmExit::Control(const char* name) const { return ControlOf(controls_, kExitControls, name); }

void frmExit::Form_Load() {
    controls_ = CreateControls(hwnd_, host_, kExitControls);
    monitor_ = LoadIconA(host_.instance(), MAKEINTRESOURCEA(IDI_MONITOR));
    SendMessageA(Control("Image1"), STM_SETICON, reinterpret_cast<WPARAM>(monitor_), 0);
    SelectOption(kExitControls, controls_, Index(kExitDefaultOption));
    SendMessageA(Control("cmdOK"), BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    EnableWindow(host_.mainWindow(), FALSE);
}

void frmExit::Form_Activate() { SetFocus(Control("cmdOK")); }

void frmExit::Form_Unload() {
    controls_.clear();
    EnableWindow(host_.mainWindow(), TRUE);
}

void frmExit::cmdOK_Click() {
    for (const ExitChoice& choice : kExitChoices) {
        if (SendMessageA(Control(choice.option), BM_GETCHECK, 0, 0) != BST_CHECKED) continue;
        // Back here only when the command stopped short: the confirmation answered No, or a
        // shell line that could not be written.
        if (!RunSessionCommand(program_, choice.command)) Unload();
        return;
    }
}

void frmExit::Option_DblClick(int index) {
    SelectOption(kExitControls, controls_, index);
    cmdOK_Click();
}

void frmExit::OnCommand(int id, int code) {
    const int index = id - kFirstControlId;
    if (index < 0 || index >= static_cast<int>(std::size(kExitControls))) return;  // Esc's IDCANCEL too
    const ControlSpec& control = kExitControls[index];
    if (control.kind == ControlKind::OptionButton) {
        if (code == BN_DOUBLECLICKED) Option_DblClick(index);
    } else if (index == Index("cmdOK") && code == BN_CLICKED) {
        cmdOK_Click();
    } else if (index == Index("cmdCancel") && code == BN_CLICKED) {
        cmdCancel_Click();
    }
}

LRESULT frmExit::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case DM_GETDEFID:
            return MAKELRESULT(ControlId(Index("cmdOK")), DC_HASDEFID);
        case WM_CTLCOLORSTATIC: return FaceColouredStatic(reinterpret_cast<HDC>(wParam));
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

}  // namespace sd
