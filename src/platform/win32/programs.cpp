// Win32 platform: starting programs and finding the program registered for a document.
#include <windows.h>

#include <vector>

#include "platform/win32/lazy_library.h"
#include "platform/win32_platform.h"

namespace sd {

bool Win32Platform::StartProgram(const std::string& commandLine) {
    if (commandLine.empty()) return false;
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');  // CreateProcessA may write into its command line
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

std::string Win32Platform::FindAssociatedProgram(const std::string& file) {
    using Fn = HINSTANCE(WINAPI*)(LPCSTR, LPCSTR, LPSTR);
    auto findExecutable = LazyFunction<Fn>("SHELL32.DLL", "FindExecutableA");
    if (file.empty() || !findExecutable) return {};
    char program[MAX_PATH + 1] = {};
    const auto result = reinterpret_cast<INT_PTR>(findExecutable(file.c_str(), nullptr, program));
    return result > 32 ? std::string(program) : std::string();
}

}  // namespace sd
