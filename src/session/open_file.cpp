// Running a program, or opening a document with its associated program.
#include "session/open_file.h"

namespace sd {

namespace {

constexpr std::string_view kFallbackProgram = "notepad";

std::string_view ProgramFor(std::string_view associatedProgram) {
    return associatedProgram.empty() ? kFallbackProgram : associatedProgram;
}

}  // namespace

bool IsDirectlyStarted(std::string_view file) {
    const std::string_view tail = file.substr(file.size() < 4 ? 0 : file.size() - 4);
    return tail == ".exe" || tail == ".com" || tail == ".bat";
}

std::string OpenFileCommandLine(std::string_view file, std::string_view associatedProgram) {
    if (IsDirectlyStarted(file)) return std::string(file);
    std::string line(ProgramFor(associatedProgram));
    line += ' ';
    line += file;
    return line;
}

std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    quoted += text;
    quoted += '"';
    return quoted;
}

ProgramStart ProgramStartFor(std::string_view program, std::string_view arguments) {
    ProgramStart start;
    // A batch file is no program image: it is not named as the application (Windows 95/98 have
    // the command interpreter run it); its quoted name on the command line is found as exactly
    // that file all the same.
    const bool batch = program.size() >= 4 && program.substr(program.size() - 4) == ".bat";
    if (!batch && program.find_first_of("\\/:") != std::string_view::npos) start.application = program;
    start.commandLine = program.find(' ') != std::string_view::npos ? Quoted(program)
                                                                    : std::string(program);
    if (!arguments.empty()) {
        start.commandLine += ' ';
        start.commandLine += arguments;
    }
    return start;
}

ProgramStart OpenFileStart(std::string_view file, std::string_view associatedProgram) {
    if (IsDirectlyStarted(file)) return ProgramStartFor(file);
    return ProgramStartFor(ProgramFor(associatedProgram), Quoted(file));
}

void OpenFile(Program& program, const std::string& file) {
    if (file.empty()) return;
    Platform& platform = program.platform;
    const std::string associated =
        IsDirectlyStarted(file) ? std::string() : platform.FindAssociatedProgram(file);
    if (!platform.StartProgram(OpenFileStart(file, associated)))
        platform.ShowMessage("File " + OpenFileCommandLine(file, associated) + " not found",
                             kAppTitle, MsgButtons::Ok, MsgIcon::None);
}

}  // namespace sd
