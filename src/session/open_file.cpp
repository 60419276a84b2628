// Running a program, or opening a document with its associated program.
#include "session/open_file.h"

namespace sd {

bool IsDirectlyStarted(std::string_view file) {
    const std::string_view tail = file.substr(file.size() < 4 ? 0 : file.size() - 4);
    return tail == ".exe" || tail == ".com" || tail == ".bat";
}

std::string OpenFileCommandLine(std::string_view file, std::string_view associatedProgram) {
    if (IsDirectlyStarted(file)) return std::string(file);
    std::string line(associatedProgram.empty() ? std::string_view("notepad") : associatedProgram);
    line += ' ';
    line += file;
    return line;
}

void OpenFile(Program& program, const std::string& file) {
    if (file.empty()) return;
    Platform& platform = program.platform;
    const std::string associated =
        IsDirectlyStarted(file) ? std::string() : platform.FindAssociatedProgram(file);
    const std::string commandLine = OpenFileCommandLine(file, associated);
    if (!platform.StartProgram(commandLine))
        platform.ShowMessage("File " + commandLine + " not found", kAppTitle, MsgButtons::Ok,
                             MsgIcon::None);
}

}  // namespace sd
