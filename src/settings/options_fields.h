// What the Options dialog edits: its fields, and the double-click actions it chooses among.
#pragma once

#include <string>

#include "core/program.h"
#include "core/setting_keys.h"
#include "settings/frm_options_controls.h"

namespace sd {

enum class DoubleClickCommand { Nothing, Minimize, LaunchStartUpItems, ShowOptions, OpenFile };

// A double-click action: the number stored for it, the option button that chooses it, and
// what a double-click on the main window then does.
struct DoubleClickChoice {
    int number;
    OptionsControl option;
    DoubleClickCommand command;
};

// In the order OK looks at the option buttons.
inline constexpr DoubleClickChoice kDoubleClickChoices[] = {
    {1, OptionsControl::optDC_DoNothing, DoubleClickCommand::Nothing},
    {2, OptionsControl::optDC_Minimize, DoubleClickCommand::Minimize},
    {3, OptionsControl::optDC_OpenStartUpPrograms, DoubleClickCommand::LaunchStartUpItems},
    {4, OptionsControl::optDC_OpenOptionsDialog, DoubleClickCommand::ShowOptions},
    {5, OptionsControl::optDC_OpenFile, DoubleClickCommand::OpenFile},
};

// The choice of a stored number; 0 (nothing stored) is "Do nothing" too, any other number none.
constexpr const DoubleClickChoice* DoubleClickChoiceFor(int number) {
    for (const DoubleClickChoice& choice : kDoubleClickChoices)
        if (choice.number == (number == 0 ? 1 : number)) return &choice;
    return nullptr;
}

// A setting the Options dialog shows and OK writes: its key, the control that shows it, and
// the running program's copy of it, which the dialog shows and OK refreshes (null: the setting
// is read from the store whenever it is used). The double-click action is shown by its option
// buttons in the frame named here, and copied as a number.
struct OptionsField {
    const char* key;
    OptionsControl control;
    std::string ProgramState::*copy;

    constexpr bool IsDoubleClickAction() const { return control == OptionsControl::fraDC; }
};

// In the order OK writes them.
inline constexpr OptionsField kOptionsFields[] = {
    {keys::StartUpItem0, OptionsControl::txtStartUpItem0, nullptr},
    {keys::StartUpItem1, OptionsControl::txtStartUpItem1, nullptr},
    {keys::StartUpItem2, OptionsControl::txtStartUpItem2, nullptr},
    {keys::StartUpFolder, OptionsControl::txtStartUpFolder, nullptr},
    {keys::StartMenuFolder, OptionsControl::txtStartMenuFolder, &ProgramState::StartMenuFolderPath},
    {keys::DesktopFolder, OptionsControl::txtDesktopFolder, &ProgramState::DesktopFolderPath},
    {keys::ExplorerPath, OptionsControl::txtExplorerPath, &ProgramState::ExplorerPathValue},
    {keys::DoubleClickOnMainWindow, OptionsControl::fraDC, nullptr},
    {keys::DoubleClickOpenFile, OptionsControl::txtDC_OpenFile, &ProgramState::DoubleClickFile},
};

// The start-up copy: each field that has a copy in the running program is read into it.
void ReadCopiedSettings(Program& program);

}  // namespace sd
