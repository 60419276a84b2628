// The windows that the menu entries and the main window open, owned by the program.
#pragma once

#include "info_windows/frm_about.h"
#include "session/frm_exit.h"
#include "settings/frm_options.h"

namespace sd {

struct Dialogs {
    frmExit& exit;
    frmOptions& options;
    frmAbout& about;
};

}  // namespace sd
