// The main window: the small borderless shell window; its load handler is the start-up sequence.
#pragma once

#include <windows.h>

#include "shell_window/window_class.h"

namespace sd {

struct App;
struct Program;

class frmMain : public WindowClass<frmMain> {
public:
    explicit frmMain(App& app) : app_(app) {}
    ~frmMain();
    frmMain(const frmMain&) = delete;
    frmMain& operator=(const frmMain&) = delete;

    // Creates the window (hidden) and its controls; false if the system refused.
    bool Create();
    // The start-up sequence; shows the window at its end unless the run hid or ended it.
    void Form_Load();
    void Unload();

    HWND iconPic() const { return iconPic_; }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void CreateIcon();
    void Form_EndSession(bool ending);

    App& app_;
    HWND iconPic_ = nullptr;
    HICON icon_ = nullptr;
};

// The first-run check: below version 130 the marker is written, the user told, and the
// Options dialog opened without waiting for it.
void CheckVersion(App& app);

// Takes the shell-mode process out of the Windows 95/98 task list.
void HideFromTaskList(Program& program);

}  // namespace sd
