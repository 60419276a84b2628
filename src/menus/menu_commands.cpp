// What the menu entries do.
#include "menus/menu_commands.h"

#include <windows.h>
#include <commdlg.h>

#include "menus/frm_menu.h"
#include "session/open_file.h"
#include "session/start_rule.h"
#include "session/session_commands.h"

namespace sd {

namespace {

// A picked shortcut comes back as itself, so that it starts with its own arguments and folder.
constexpr DWORD kFileCommandFlags =
    OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_EXPLORER | OFN_LONGNAMES | OFN_NODEREFERENCELINKS;
constexpr const char* kProgramFilter = "Program Files|*.exe; *.com; *.bat|All Files|*.*";

}  // namespace

bool mnuSwiftDashMode_Click(Program& program) { return EnterSwiftDashMode(program); }

void frmMenu::OpenChosenFile(const char* title, const std::string& initialDir) {
    const BrowseFileRequest request{title, kFileCommandFlags, kProgramFilter, "", initialDir};
    OpenFile(program_, program_.platform.BrowseForFile(Load(), request));
}

void frmMenu::mnuOpen_Click() { OpenChosenFile("Browse for EXE", ""); }

void frmMenu::mnuStartMenu_Click() {
    const ProgramState& vars = program_.vars;
    OpenChosenFile("Browse Start Menu", program_.platform.FolderExists(vars.StartMenuFolderPath)
                                            ? vars.StartMenuFolderPath
                                            : vars.ProgramDir + "\\Start Menu\\Programs");
}

void frmMenu::mnuDesktop_Click() {
    const ProgramState& vars = program_.vars;
    OpenChosenFile("Browse Desktop", program_.platform.FolderExists(vars.DesktopFolderPath)
                                         ? vars.DesktopFolderPath
                                         : vars.ProgramDir + "\\Desktop");
}

void frmMenu::mnuExplorer_Click() {
    Platform& platform = program_.platform;
    const ProgramState& vars = program_.vars;
    const ProgramStart start = platform.FileExists(vars.ExplorerPathValue)
                                   ? ProgramStartFor(vars.ExplorerPathValue)
                                   : ProgramStartFor("explorer", vars.ProgramDir + "\\Desktop");
    if (platform.StartProgram(start)) return;
    platform.ShowMessage("Path to Explorer is invalid. Please check your options", "Error",
                         MsgButtons::Ok, MsgIcon::Stop);
    dialogs_.options.Show();
}

void frmMenu::mnuAbout_Click() { dialogs_.about.Show(); }
void frmMenu::mnuOptions_Click() { dialogs_.options.Show(); }
void frmMenu::mnuExit_Click() { dialogs_.exit.Show(); }
void frmMenu::mnuShutDown_Click() { RunSessionCommand(program_, SessionCommandId::ShutDown); }
void frmMenu::mnuRestart_Click() { RunSessionCommand(program_, SessionCommandId::Restart); }
void frmMenu::mnuLogOff_Click() { RunSessionCommand(program_, SessionCommandId::LogOff); }
void frmMenu::mnuRestartSwiftdash_Click() { RestartInSwiftDashMode(program_); }
void frmMenu::mnuClose_Click() { RunSessionCommand(program_, SessionCommandId::Close); }

}  // namespace sd
