// Win32 platform: starting programs and finding the program registered for a document.
#include <windows.h>

#include <vector>

#include "platform/win32/lazy_library.h"
#include "platform/win32_platform.h"

namespace sd {

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
    if (!CreateProcessA(application, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
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

}  // namespace sd
