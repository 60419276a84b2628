// The Options dialog. Its tabs and their controls come with the settings editor; for now it
// is the empty dialog frame, so the start-up roads that open it can be used and tested.
#include "settings/frm_options.h"

namespace sd {

LRESULT frmOptions::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

}  // namespace sd
