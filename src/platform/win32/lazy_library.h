// Functions of DLLs that shell mode does not need at start-up, loaded on first use.
#pragma once

#include <windows.h>

namespace sd {

// The address of `name` in `dll`, loading the DLL the first time; null when absent.
FARPROC LazyProc(const char* dll, const char* name);

template <typename Fn>
Fn LazyFunction(const char* dll, const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(LazyProc(dll, name)));
}

// A function of a DLL that is always loaded (KERNEL32, USER32, ADVAPI32) but may lack it.
template <typename Fn>
Fn OptionalFunction(const char* dll, const char* name) {
    HMODULE module = GetModuleHandleA(dll);
    return module ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)))
                  : nullptr;
}

}  // namespace sd
