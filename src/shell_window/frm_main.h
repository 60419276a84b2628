// The main window: the small borderless shell window; its load handler is the start-up sequence.
#pragma once

#include <windows.h>

#include "core/program.h"
#include "menus/dialogs.h"
#include "menus/frm_menu.h"
#include "shell_window/icon_pic.h"
#include "shell_window/run_mode.h"
#include "ui/picture.h"
#include "ui/window_class.h"
#include "ui/window_host.h"

namespace sd {

// The one-shot timer after which a shell-mode start counts as one that got going.
inline constexpr UINT_PTR kStartSettledTimer = 1;

class frmMain : public WindowClass<frmMain> {
public:
    frmMain(WindowHost& host, Program& program, Dialogs& dialogs, frmMenu& menu)
        : host_(host), program_(program), dialogs_(dialogs), menu_(menu), iconPic_(*this) {}
    ~frmMain();

    // Creates the window (hidden) and its controls; false if the system refused.
    bool Create();
    // The start-up sequence; shows the window at its end unless the run hid or ended it.
    void Form_Load();
    void Unload();

    HWND iconPic() const { return iconPic_.hwnd(); }
    // Whether a button shows its highlighted picture now.
    bool MinimizeHighlighted() const { return minimizeShows_ == &imgminimize1_; }
    bool CloseHighlighted() const { return closeShows_ == &imgclose1_; }

    // The events of the window and its two image buttons.
    void Form_MouseDown(WPARAM buttons);
    void Form_MouseMove();
    void Form_DblClick();
    void Form_LostFocus() { Form_MouseMove(); }
    // A close request by the system's own means (Windows 95/98's Close Program list, a task
    // killer), not through QuitProgram.
    void Form_QueryClose();
    void imgMinimize_MouseMove();
    void imgClose_MouseMove();
    void imgMinimize_Click();
    void imgClose_Click();
    // A message of the notification icon: the mouse message that happened on it.
    void IconPic_MouseMove(unsigned iconMessage);

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    enum class Button { None, Minimize, Close };

    void CreateIcon();
    void LoadPictures();
    void ShowPictures(const Picture* minimize, const Picture* close);
    Button ButtonAt(POINT at) const;
    RECT ButtonRect(Button button) const;
    void OnPaint();
    void OnMouseDown(WPARAM buttons, POINT at);
    void OnMouseUp(POINT at);
    void OnMouseMove(POINT at);
    void Form_EndSession(bool ending);
    void Form_TaskbarCreated();
    void OnTimer(UINT_PTR id);
    // The bar a minimized window becomes; true when the message was for it.
    bool OnIconicMessage(UINT message, LRESULT& result);

    WindowHost& host_;
    Program& program_;
    Dialogs& dialogs_;
    frmMenu& menu_;
    IconPic iconPic_;
    HICON icon_ = nullptr;
    UINT taskbarCreated_ = 0;  // the message a rebuilt notification area sends
    Picture background_;
    // The hidden holders of the button pictures, and which of them each button shows.
    Picture imgminimize0_, imgclose0_, imgminimize1_, imgclose1_;
    const Picture* minimizeShows_ = &imgminimize0_;
    const Picture* closeShows_ = &imgclose0_;
    Button pressed_ = Button::None;  // an image button held down, clicked on release over it
    RunMode runMode_ = RunMode::Shell;
};

// The first-run check: below version 130 the marker is written, the user told, and the
// Options dialog opened without waiting for it.
void CheckVersion(Program& program, frmOptions& options);

}  // namespace sd
