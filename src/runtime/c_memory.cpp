// The C library's byte and string functions, in place of msvcrt's: the first Windows 95 has no
// MSVCRT.DLL. The compiler may also call memcpy and memset for copies and clears of its own.
#include <cstddef>

// Each loop here is what GCC would otherwise turn back into a call of the function itself.
#pragma GCC optimize("no-tree-loop-distribute-patterns")

extern "C" {

void* memcpy(void* to, const void* from, std::size_t n) {
    auto* d = static_cast<unsigned char*>(to);
    const auto* s = static_cast<const unsigned char*>(from);
    while (n--) *d++ = *s++;
    return to;
}

// Overlap is allowed: copies backwards when the target lies above the source.
void* memmove(void* to, const void* from, std::size_t n) {
    auto* d = static_cast<unsigned char*>(to);
    const auto* s = static_cast<const unsigned char*>(from);
    if (d <= s || d >= s + n) return memcpy(to, from, n);
    while (n--) d[n] = s[n];
    return to;
}

void* memset(void* to, int value, std::size_t n) {
    auto* d = static_cast<unsigned char*>(to);
    while (n--) *d++ = static_cast<unsigned char>(value);
    return to;
}

// Bytes compare as unsigned char, as C requires: 0x80 is greater than 0x7F.
int memcmp(const void* a, const void* b, std::size_t n) {
    const auto* x = static_cast<const unsigned char*>(a);
    const auto* y = static_cast<const unsigned char*>(b);
    for (; n; --n, ++x, ++y)
        if (*x != *y) return *x < *y ? -1 : 1;
    return 0;
}

void* memchr(const void* where, int value, std::size_t n) {
    const auto* p = static_cast<const unsigned char*>(where);
    const auto wanted = static_cast<unsigned char>(value);
    for (; n; --n, ++p)
        if (*p == wanted) return const_cast<unsigned char*>(p);
    return nullptr;
}

std::size_t strlen(const char* text) {
    const char* end = text;
    while (*end) ++end;
    return static_cast<std::size_t>(end - text);
}

// The terminating zero counts as part of the text: strchr(s, 0) finds the end.
char* strchr(const char* text, int value) {
    const char wanted = static_cast<char>(value);
    for (;; ++text) {
        if (*text == wanted) return const_cast<char*>(text);
        if (!*text) return nullptr;
    }
}
}
