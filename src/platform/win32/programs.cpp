// Win32 platform: starting programs, opening files through the shell, finding the program
// registered for a document and the command interpreter.
#include <windows.h>

#include <vector>

#include "platform/win32/lazy_library.h"
#include "platform/win32_platform.h"

namespace sd {

const char* Win32Platform::StartFolder(const std::string& folder) {
    return folder.size() < MAX_PATH && FolderExists(folder) ? folder.c_str() : nullptr;
}

bool Win32Platform::StartProgram(const ProgramStart& start) {
    // Windows refuses an application name this long; Wine 8 crashes on it.
    if (start.commandLine.empty() || start.application.size() >= MAX_PATH) return false;
    std::vector<char> line(start.commandLine.begin(), start.commandLine.end());
    line.push_back('\0');  // CreateProcessA may write into its command line
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process = {};
    const char* application = start.application.empty() ? nullptr : start.application.c_str();
    if (!CreateProcessA(application, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        StartFolder(start.folder), &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

bool Win32Platform::OpenWithShell(const ShellOpen& open) {
    if (open.file.empty() || open.file.size() >= MAX_PATH) return false;
    using Fn = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
    auto shellExecute = LazyFunction<Fn>("SHELL32.DLL", "ShellExecuteA");
    if (!shellExecute) return false;
    const char* arguments = open.arguments.empty() ? nullptr : open.arguments.c_str();
    const auto result = reinterpret_cast<INT_PTR>(shellExecute(
        nullptr, "open", open.file.c_str(), arguments, StartFolder(open.folder), SW_SHOWNORMAL));
    return result > 32;
}

std::string Win32Platform::FindAssociatedProgram(const std::string& file) {
    // The name is looked up in MAX_PATH buffers of the shell's own.
    if (file.empty() || file.size() >= MAX_PATH) return {};
    using Fn = HINSTANCE(WINAPI*)(LPCSTR, LPCSTR, LPSTR);
    auto findExecutable = LazyFunction<Fn>("SHELL32.DLL", "FindExecutableA");
    if (!findExecutable) return {};
    char program[MAX_PATH + 1] = {};  // FindExecutableA writes at most MAX_PATH characters
    const auto result = reinterpret_cast<INT_PTR>(findExecutable(file.c_str(), nullptr, program));
    return result > 32 ? std::string(program) : std::string();
}

std::string Win32Platform::CommandInterpreter() {
    char path[MAX_PATH + 1] = {};
    const DWORD length = GetEnvironmentVariableA("COMSPEC", path, sizeof path);
    return length > 0 && length < sizeof path ? std::string(path, length) : std::string();
}

}  // namespace sd
