// The program's windows, and the start of a run.
#include "shell_window/app.h"

namespace sd {

App::App(Platform& platform, HINSTANCE instance, int dpi)
    : program(platform),
      host(platform, instance, dpi),
      options(host, program),
      exit(host, program),
      sysInfo(host, program),
      about(host, sysInfo),
      dialogs{exit, options, about},
      menu(host, program, dialogs),
      main(host, program, dialogs, menu) {}

App::~App() {
    // The dialogs first: unloading one may touch the main window.
    options.Unload();
    exit.Unload();
    about.Unload();
    sysInfo.Unload();
    main.Unload();
}

int App::Run() {
    if (!main.Create()) return 1;
    main.Form_Load();
    while (host.PumpMessage()) {
    }
    return 0;
}

}  // namespace sd
