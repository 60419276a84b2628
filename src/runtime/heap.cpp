// malloc and free on the process heap, in place of msvcrt's: the first Windows 95 has no
// MSVCRT.DLL. Only the shipped exe links them; the test exes keep their C library's heap.
#include <windows.h>

#include <cstddef>

extern "C" {

void* malloc(std::size_t size) { return HeapAlloc(GetProcessHeap(), 0, size); }

void free(void* p) {
    if (p) HeapFree(GetProcessHeap(), 0, p);
}
}
