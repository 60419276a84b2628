// The Options dialog: one modeless instance; showing it while open only brings it forward.
#pragma once

#include <windows.h>

#include "shell_window/window_class.h"

namespace sd {

struct App;

class frmOptions : public WindowClass<frmOptions> {
public:
    explicit frmOptions(App& app) : app_(app) {}
    ~frmOptions();
    frmOptions(const frmOptions&) = delete;
    frmOptions& operator=(const frmOptions&) = delete;

    void Show();
    bool IsVisible() const;
    void Unload();

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    App& app_;
};

}  // namespace sd
