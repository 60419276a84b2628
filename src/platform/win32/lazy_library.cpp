// Loading SHELL32, COMDLG32 and COMCTL32 only when something first needs them.
#include "platform/win32/lazy_library.h"

namespace sd {

FARPROC LazyProc(const char* dll, const char* name) {
    HMODULE module = GetModuleHandleA(dll);
    if (!module) module = LoadLibraryA(dll);  // kept for the life of the process
    return module ? GetProcAddress(module, name) : nullptr;
}

}  // namespace sd
