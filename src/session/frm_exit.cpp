// The Exit dialog: its controls come from its table; OK runs the chosen session command.
#include "session/frm_exit.h"

#include "resources/resource_ids.h"
#include "ui/controls.h"

namespace sd {

void frmExit::Form_Load() {
    monitor_ = LoadIconA(host_.instance(), MAKEINTRESOURCEA(IDI_MONITOR));
    SendMessageA(Control(ExitControl::Image1), STM_SETICON, reinterpret_cast<WPARAM>(monitor_), 0);
    controls_.SelectOption(kExitDefaultOption);
    SendMessageA(Control(ExitControl::cmdOK), BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    EnableWindow(host_.mainWindow(), FALSE);
}

void frmExit::Form_Activate() { SetFocus(Control(ExitControl::cmdOK)); }

void frmExit::Form_Unload() { EnableWindow(host_.mainWindow(), TRUE); }

void frmExit::cmdOK_Click() {
    for (const ExitChoice& choice : kExitChoices) {
        if (!controls_.Checked(choice.option)) continue;
        // Back here only when the command stopped short: the confirmation answered No, or a
        // shell line that could not be written.
        if (!RunSessionCommand(program_, choice.command)) Unload();
        return;
    }
}

void frmExit::Option_DblClick(ExitControl option) {
    controls_.SelectOption(option);
    cmdOK_Click();
}

void frmExit::OnCommand(int id, int code) {
    const auto control = controls_.FromId(id);  // none for Esc's IDCANCEL
    if (!control) return;
    if (controls_.Row(*control).kind == ControlKind::OptionButton) {
        if (code == BN_DOUBLECLICKED) Option_DblClick(*control);
    } else if (*control == ExitControl::cmdOK && code == BN_CLICKED) {
        cmdOK_Click();
    } else if (*control == ExitControl::cmdCancel && code == BN_CLICKED) {
        cmdCancel_Click();
    }
}

LRESULT frmExit::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case DM_GETDEFID:
            return MAKELRESULT(ControlId(IndexOf(ExitControl::cmdOK)), DC_HASDEFID);
        case WM_CTLCOLORSTATIC: return FaceColouredStatic(reinterpret_cast<HDC>(wParam));
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

}  // namespace sd
