// The System Information window: six labels and the refresh timer.
#include "info_windows/frm_sysinfo.h"

#include "info_windows/memory_texts.h"
#include "ui/controls.h"

namespace sd {

namespace {

constexpr UINT_PTR kTimerId = 1;

}  // namespace

void frmSysInfo::Form_Load() {
    // The window's only timer; it dies with the window.
    SetTimer(hwnd_, kTimerId, kSysInfoRefreshMs, nullptr);
}

void frmSysInfo::InfoRefresh() {
    const MemoryStatus status = program_.platform.GetMemoryStatus();
    SetFittedLabelText(Control(SysInfoControl::lblMemoryLoad), MemoryLoadText(status.memoryLoad));
    // A figure that rounds to nothing leaves its label as it was.
    if (auto text = MegabyteText(status.totalPhys)) SetFittedLabelText(Control(SysInfoControl::lblTotalPhys), *text);
    if (auto text = MegabyteText(status.availPhys)) SetFittedLabelText(Control(SysInfoControl::lblAvailPhys), *text);
}

LRESULT frmSysInfo::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            if (wParam == kTimerId) Timer_Timer();
            return 0;
        case WM_CTLCOLORSTATIC: return FaceColouredStatic(reinterpret_cast<HDC>(wParam));
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

}  // namespace sd
