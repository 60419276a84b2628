// What the compiler and the library's headers expect from libstdc++, libsupc++ and the C
// start-up files, for an exe built with -fno-exceptions -fno-rtti and linked without them.
// A library function missing here shows up as an undefined symbol at link time: add it here
// (compiled with our flags), never by linking the prebuilt library.
#include <windows.h>

#include <cstdlib>
#include <new>

#include "runtime/exit_functions.h"

namespace {

// Out of memory or a library precondition (string too long, bad index): with no exceptions
// there is nothing to unwind to, and the shell has no state worth saving. Exit code 3, as
// abort() gives.
[[noreturn]] void Fail() { ExitProcess(3); }

void* Allocate(std::size_t size) {
    if (void* p = std::malloc(size ? size : 1)) return p;
    Fail();
}

// Static objects' destructors, in registration order; run in reverse. Room for the few a
// program of this size may have.
using ExitFunction = void (*)();
constexpr int kMaxExitFunctions = 32;
ExitFunction exit_functions[kMaxExitFunctions];
int exit_function_count = 0;

}  // namespace

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return std::malloc(size ? size : 1); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return std::malloc(size ? size : 1); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }

namespace std {
const nothrow_t nothrow{};

void __throw_bad_alloc() { Fail(); }
void __throw_bad_array_new_length() { Fail(); }
void __throw_length_error(const char*) { Fail(); }
void __throw_logic_error(const char*) { Fail(); }
void __throw_out_of_range(const char*) { Fail(); }
void __throw_out_of_range_fmt(const char*, ...) { Fail(); }
void __throw_invalid_argument(const char*) { Fail(); }
}  // namespace std

extern "C" {
void __cxa_pure_virtual() { Fail(); }

int atexit(ExitFunction f) {
    if (exit_function_count == kMaxExitFunctions) return -1;
    exit_functions[exit_function_count++] = f;
    return 0;
}
}

void sd::runtime::RunExitFunctions() {
    while (exit_function_count > 0) exit_functions[--exit_function_count]();
}
