// The main window: its start-up sequence, its picture, its two image buttons, what the mouse
// does on it, and tray mode's notification icon.
#include "shell_window/frm_main.h"

#include <windowsx.h>

#include "core/setting_keys.h"
#include "core/setting_numbers.h"
#include "core/start_guard.h"
#include "resources/resource_ids.h"
#include "session/open_file.h"
#include "session/session_commands.h"
#include "session/set_shell.h"
#include "settings/options_fields.h"
#include "shell_window/frm_main_controls.h"
#include "shell_window/startup.h"
#include "shell_window/startup_items.h"
#include "ui/control_table.h"
#include "ui/controls.h"

namespace sd {

void CheckVersion(Program& program, frmOptions& options) {
    Platform& platform = program.platform;
    if (!IsFirstRun(platform.ReadSetting(keys::Version))) return;
    // The marker goes first, so a user who ends the program at the box is not asked again.
    platform.WriteSetting(keys::Version, kCurrentVersionText);
    platform.ShowMessage(
        "It appears that you are running SwiftDash for the first time. Please set your options",
        kAppTitle, MsgButtons::Ok, MsgIcon::None);
    options.Show();
}

frmMain::~frmMain() { Unload(); }

bool frmMain::Create() {
    icon_ = LoadIconA(host_.instance(), MAKEINTRESOURCEA(IDI_SWIFTDASH));
    // Unowned and no tool window: Alt+Tab lists it, and restores it when it is minimized.
    CreateOwnWindow(host_.instance(), "SwiftDashMain", "SwiftDash", WS_POPUP | WS_CLIPCHILDREN, 0,
                    0, 0, TwipsToPixels(kMainClientWidthTwips, kMainDpi),
                    TwipsToPixels(kMainClientHeightTwips, kMainDpi), nullptr, icon_);
    if (!hwnd_) return false;
    host_.SetMainWindow(hwnd_);
    iconPic_.Create(hwnd_, host_.instance(), ControlRect(kMainControls, IndexOf(MainControl::IconPic), kMainDpi));
    taskbarCreated_ = RegisterWindowMessageA("TaskbarCreated");
    LoadPictures();
    return true;
}

void frmMain::LoadPictures() {
    const HINSTANCE instance = host_.instance();
    background_.LoadOpaque(instance, IDB_MAIN);
    imgminimize0_.Load(instance, IDB_MIN_NORMAL, kKeyColour);
    imgclose0_.Load(instance, IDB_CLOSE_NORMAL, kKeyColour);
    imgminimize1_.Load(instance, IDB_MIN_HOT, kKeyColour);
    imgclose1_.Load(instance, IDB_CLOSE_HOT, kKeyColour);
}

void frmMain::Form_Load() {
    Program& program = program_;
    Platform& platform = program.platform;
    ProgramState& vars = program.vars;

    SetWindowPos(hwnd_, nullptr, TwipsToPixels(kMainLeftTwips, host_.dpi()),
                 TwipsToPixels(kMainTopTwips, host_.dpi()), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    vars.ProgramDir = platform.ExecutableDirectory();
    // A replace of system.ini cut short by a crash or power loss is finished first.
    RecoverShellFile(platform, ShellFilesIn(vars.ProgramDir));
    iconPic_.SetPicture(icon_);
    program.iconPic = iconPic_.hwnd();
    vars.ShellMode = true;
    vars.ExeName = platform.ExecutableBaseName();
    ReadCopiedSettings(program);

    runMode_ = RunModeFor(platform.CommandLineArguments());
    switch (runMode_) {
        case RunMode::Options:
            ShowWindow(hwnd_, SW_HIDE);
            dialogs_.options.Show();
            while (dialogs_.options.IsVisible() && host_.PumpMessage()) {
            }
            platform.EndProcess();
            return;
        case RunMode::Tray:
            if (platform.AnotherInstanceRunning()) {
                QuitProgram(program);
                return;
            }
            vars.ShellMode = false;
            CreateIcon();
            ShowWindow(hwnd_, SW_HIDE);
            CheckVersion(program, dialogs_.options);
            return;
        case RunMode::Switch:
            CheckSwitch(program);
            // A switch that did not take has said why; this run ends without a log-off.
            if (!RunSessionCommand(program, SessionCommandId::EnterSwiftDashMode)) QuitProgram(program);
            return;
        case RunMode::Shell:
            // A user who starts Windows in Safe Mode is mending something: no SwiftDash then,
            // and system.ini as it is.
            if (platform.SafeMode()) {
                HandToExplorer(program);
                return;
            }
            if (platform.AnotherInstanceRunning()) {
                QuitProgram(program);
                return;
            }
            // Marked before anything else can fail; cleared once the shell has run a while.
            if (MarkShellStart(program)) {
                GiveExplorerBack(program);
                return;
            }
            // Before anything is started: an Explorer of the start-up folder must find the
            // shell window taken.
            platform.AnnounceShell(host_.hiddenOwner());
            CheckVersion(program, dialogs_.options);
            // Shift held skips the user's start-up list, as it does Windows' own StartUp group.
            if (!platform.ShiftKeyDown()) LaunchStartUpItems(program);
            HideFromTaskList(program);
            SetTimer(hwnd_, kStartSettledTimer, kStartSettleMilliseconds, nullptr);
            break;
        case RunMode::MainWindowOnly:
            break;
    }
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    UpdateWindow(hwnd_);
}

void frmMain::Unload() {
    if (hwnd_) DestroyWindow(hwnd_);
}

// An image control takes the size of the picture it shows, anchored at its top left corner.
RECT frmMain::ButtonRect(Button button) const {
    const MainControl image = button == Button::Minimize ? MainControl::imgMinimize : MainControl::imgClose;
    const Picture* shows = button == Button::Minimize ? minimizeShows_ : closeShows_;
    RECT rect = ControlRect(kMainControls, IndexOf(image), kMainDpi);
    rect.right = rect.left + shows->size().cx;
    rect.bottom = rect.top + shows->size().cy;
    return rect;
}

frmMain::Button frmMain::ButtonAt(POINT at) const {
    for (Button button : {Button::Minimize, Button::Close}) {
        const RECT rect = ButtonRect(button);
        if (PtInRect(&rect, at)) return button;
    }
    return Button::None;
}

void frmMain::ShowPictures(const Picture* minimize, const Picture* close) {
    if (minimize == minimizeShows_ && close == closeShows_) return;
    // Both the old and the new size of each button must be repainted.
    RECT before[2] = {ButtonRect(Button::Minimize), ButtonRect(Button::Close)};
    minimizeShows_ = minimize;
    closeShows_ = close;
    RECT after[2] = {ButtonRect(Button::Minimize), ButtonRect(Button::Close)};
    for (int i = 0; i < 2; ++i) {
        RECT both;
        UnionRect(&both, &before[i], &after[i]);
        InvalidateRect(hwnd_, &both, FALSE);
    }
}

void frmMain::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd_, &paint);
    background_.Draw(dc, 0, 0);
    const RECT minimize = ButtonRect(Button::Minimize);
    const RECT close = ButtonRect(Button::Close);
    minimizeShows_->Draw(dc, minimize.left, minimize.top);
    closeShows_->Draw(dc, close.left, close.top);
    EndPaint(hwnd_, &paint);
}

void frmMain::Form_MouseMove() { ShowPictures(&imgminimize0_, &imgclose0_); }
void frmMain::imgMinimize_MouseMove() { ShowPictures(&imgminimize1_, &imgclose0_); }
void frmMain::imgClose_MouseMove() { ShowPictures(&imgminimize0_, &imgclose1_); }

void frmMain::imgMinimize_Click() {
    Form_MouseMove();
    ShowWindow(hwnd_, SW_MINIMIZE);
}

void frmMain::imgClose_Click() { dialogs_.exit.Show(); }

void frmMain::Form_MouseDown(WPARAM buttons) {
    const WPARAM pressed = buttons & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON);
    if (pressed == MK_LBUTTON) {
        // The system's own move loop, as if the title bar had been grabbed.
        ReleaseCapture();
        SendMessageA(hwnd_, WM_NCLBUTTONDOWN, HTCAPTION, 0);
    } else if (pressed == MK_RBUTTON) {
        menu_.ShowShellMenu();
    }
}

void frmMain::Form_DblClick() {
    const DoubleClickChoice* choice = DoubleClickChoiceFor(program_.vars.DoubleClickAction);
    switch (choice ? choice->command : DoubleClickCommand::Nothing) {
        case DoubleClickCommand::Nothing: break;
        case DoubleClickCommand::Minimize: ShowWindow(hwnd_, SW_MINIMIZE); break;
        case DoubleClickCommand::LaunchStartUpItems: LaunchStartUpItems(program_); break;
        case DoubleClickCommand::ShowOptions: dialogs_.options.Show(); break;
        case DoubleClickCommand::OpenFile: OpenFile(program_, program_.vars.DoubleClickFile); break;
    }
}

void frmMain::OnMouseDown(WPARAM buttons, POINT at) {
    const Button button = ButtonAt(at);
    if (button == Button::None) {
        Form_MouseDown(buttons);
    } else if ((buttons & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == MK_LBUTTON) {
        pressed_ = button;  // a click is a press and a release over the same button
        SetCapture(hwnd_);
    }
}

void frmMain::OnMouseUp(POINT at) {
    const Button pressed = pressed_;
    pressed_ = Button::None;
    if (pressed == Button::None) return;
    ReleaseCapture();
    if (ButtonAt(at) != pressed) return;
    if (pressed == Button::Minimize)
        imgMinimize_Click();
    else
        imgClose_Click();
}

void frmMain::OnMouseMove(POINT at) {
    switch (ButtonAt(at)) {
        case Button::Minimize: imgMinimize_MouseMove(); break;
        case Button::Close: imgClose_MouseMove(); break;
        case Button::None:
            // While a button is held, moves outside the window still come here: only moves
            // over the background count.
            RECT client;
            GetClientRect(hwnd_, &client);
            if (PtInRect(&client, at)) Form_MouseMove();
            break;
    }
}

void frmMain::Form_EndSession(bool ending) {
    // Windows is ending the session by its own means. A process registered with
    // RegisterServiceProcess outlives a log-off on 9x, and the next log-on would then find
    // this instance "already running" and end the new shell: leave now instead.
    if (ending) QuitProgram(program_);
}

void frmMain::Form_QueryClose() {
    if (runMode_ == RunMode::Options)
        dialogs_.options.CancelButton_Click();
    else if (!program_.vars.ShellMode)
        QuitProgram(program_);  // tray mode: the tray menu's Close
    else
        imgClose_Click();  // no close of its own: that would leave shell mode without a shell
}

bool frmMain::OnIconicMessage(UINT message, LRESULT& result) {
    if (!(GetWindowLongA(hwnd_, GWL_STYLE) & WS_MINIMIZE)) return false;
    result = 0;
    switch (message) {
        // Wine gives the bar of a window without a caption no hit at all, so that no click
        // would reach it.
        case WM_NCHITTEST: result = HTCAPTION; return true;
        case WM_NCLBUTTONDOWN:
        case WM_NCLBUTTONDBLCLK: ShowWindow(hwnd_, SW_RESTORE); return true;
        case WM_NCRBUTTONDOWN: menu_.ShowShellMenu(); return true;
        case WM_NCRBUTTONUP:
        case WM_CONTEXTMENU: return true;  // no system menu after the shell menu
    }
    return false;
}

void frmMain::OnTimer(UINT_PTR id) {
    if (id != kStartSettledTimer) return;
    KillTimer(hwnd_, id);  // once: no wake-ups for the rest of the run
    ClearShellStartMark(program_);
}

void frmMain::CreateIcon() {
    program_.platform.AddTrayIcon(iconPic_.hwnd(), kTrayIconId, kTrayCallbackMessage,
                                  iconPic_.picture(), "SwiftDash tray");
}

void frmMain::IconPic_MouseMove(unsigned iconMessage) {
    switch (iconMessage) {
        case WM_RBUTTONDOWN:
            menu_.ShowTrayMenu();
            break;
        case WM_LBUTTONDBLCLK: {
            const WindowHost::Busy busy(host_);
            if (busy && program_.platform.ShowMessage("Are you sure you want to enter SwiftDash mode?",
                                                      kAppTitle, MsgButtons::YesNo,
                                                      MsgIcon::None) == MsgAnswer::Yes)
                menu_.mnuSwiftDashMode_Click();
            break;
        }
        default:  // the left press, releases, moves and the middle button do nothing
            break;
    }
}

void frmMain::Form_TaskbarCreated() {
    // Explorer restarted and lost every icon: without ours again the tray-mode program would
    // be unreachable, and its instance test would refuse every new start.
    if (!program_.vars.ShellMode) CreateIcon();
}

LRESULT frmMain::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (taskbarCreated_ && message == taskbarCreated_) {
        Form_TaskbarCreated();
        return 0;
    }
    if (LRESULT result; OnIconicMessage(message, result)) return result;
    switch (message) {
        case WM_PAINT: OnPaint(); return 0;
        case WM_ERASEBKGND: return 1;  // the picture covers the whole client area
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN: OnMouseDown(wParam, at); return 0;
        case WM_LBUTTONUP: OnMouseUp(at); return 0;
        case WM_LBUTTONDBLCLK:
            if (ButtonAt(at) == Button::None) Form_DblClick();
            return 0;
        case WM_MOUSEMOVE: OnMouseMove(at); return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) Form_LostFocus();
            break;
        case WM_ENDSESSION: Form_EndSession(wParam != 0); return 0;
        case WM_TIMER: OnTimer(wParam); return 0;
        case WM_CLOSE: Form_QueryClose(); return 0;
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

}  // namespace sd
