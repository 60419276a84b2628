// The exe's entry, in place of the MinGW start-up files (compiled for the Pentium Pro): runs
// the static constructors, calls WinMain with the command line's tail and the start-up show
// state, then the registered exit functions, then ends the process.
#include <windows.h>

#include "runtime/exit_functions.h"

// The linker brackets the .ctors entries with a -1 word before and a 0 word after them.
using StaticConstructor = void (*)();
extern "C" StaticConstructor __CTOR_LIST__[];

namespace {

void RunStaticConstructors() {
    StaticConstructor* last = __CTOR_LIST__ + 1;
    while (*last) ++last;
    // GCC lists constructors in reverse; run them from the end, as libgcc's __do_global_ctors.
    while (--last > __CTOR_LIST__) (*last)();
}

// The command line without the program's name (quoted or not) and the blanks after it.
char* CommandTail() {
    char* p = GetCommandLineA();
    bool quoted = false;
    for (; *p && (quoted || (*p != ' ' && *p != '\t')); ++p)
        if (*p == '"') quoted = !quoted;
    while (*p == ' ' || *p == '\t') ++p;
    return p;
}

}  // namespace

// Windows starts a thread with a 4-byte aligned stack; GCC's code may assume 16.
extern "C" __attribute__((force_align_arg_pointer, noreturn)) void WinMainCRTStartup() {
    RunStaticConstructors();
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWDEFAULT;
    const int code = WinMain(GetModuleHandleA(nullptr), nullptr, CommandTail(), show);
    sd::runtime::RunExitFunctions();
    ExitProcess(static_cast<UINT>(code));
}
