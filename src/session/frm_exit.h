// The Exit dialog: how a user in shell mode leaves it. One modeless instance; while it is
// loaded the main window is disabled.
#pragma once

#include <windows.h>

#include <vector>

#include "shell_window/window_class.h"

namespace sd {

struct App;

class frmExit : public WindowClass<frmExit> {
public:
    explicit frmExit(App& app) : app_(app) {}
    ~frmExit();
    frmExit(const frmExit&) = delete;
    frmExit& operator=(const frmExit&) = delete;

    // Loads and shows the dialog, or brings it forward when it is loaded already.
    void Show();
    void Unload();
    bool IsLoaded() const { return hwnd_ != nullptr; }

    // The option button of that name, for tests.
    HWND Control(const char* name) const;

    void cmdOK_Click();
    void cmdCancel_Click() { Unload(); }
    void Option_DblClick(int index);

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void Form_Load();
    void Form_Unload();
    void OnCommand(int id, int code);

    App& app_;
    std::vector<HWND> controls_;
    HICON monitor_ = nullptr;
};

}  // namespace sd
