// C library and compiler helpers that MinGW supplies from libmingwex and libgcc (compiled for
// the Pentium Pro), written for the 486/Pentium and checked by tests/win32/runtime_test.cpp.
#include <cstdint>

namespace {

struct Quotient {
    std::uint64_t quotient;
    std::uint64_t remainder;
};

// Restoring division, one bit a step; numbers that fit in 32 bits use the processor's divide.
Quotient DivideUnsigned(std::uint64_t n, std::uint64_t d) {
    if ((n >> 32) == 0 && (d >> 32) == 0) {
        const auto n32 = static_cast<std::uint32_t>(n), d32 = static_cast<std::uint32_t>(d);
        return {n32 / d32, n32 % d32};
    }
    std::uint64_t q = 0, r = 0;
    for (int bit = 63; bit >= 0; --bit) {
        r = (r << 1) | ((n >> bit) & 1);
        if (r >= d) {
            r -= d;
            q |= std::uint64_t{1} << bit;
        }
    }
    return {q, r};
}

std::uint64_t Magnitude(std::int64_t v) { return v < 0 ? 0 - static_cast<std::uint64_t>(v) : v; }

}  // namespace

extern "C" {

std::uint64_t __udivdi3(std::uint64_t n, std::uint64_t d) { return DivideUnsigned(n, d).quotient; }
std::uint64_t __umoddi3(std::uint64_t n, std::uint64_t d) { return DivideUnsigned(n, d).remainder; }
// At -Os GCC asks for a quotient and the remainder of the same operands in one call.
std::uint64_t __udivmoddi4(std::uint64_t n, std::uint64_t d, std::uint64_t* remainder) {
    const auto result = DivideUnsigned(n, d);
    if (remainder) *remainder = result.remainder;
    return result.quotient;
}

// C's truncating division: the quotient's sign is the operands' sign product, the
// remainder's the dividend's.
std::int64_t __divdi3(std::int64_t n, std::int64_t d) {
    const std::uint64_t q = DivideUnsigned(Magnitude(n), Magnitude(d)).quotient;
    return static_cast<std::int64_t>((n < 0) != (d < 0) ? 0 - q : q);
}
std::int64_t __moddi3(std::int64_t n, std::int64_t d) {
    const std::uint64_t r = DivideUnsigned(Magnitude(n), Magnitude(d)).remainder;
    return static_cast<std::int64_t>(n < 0 ? 0 - r : r);
}

// The x87 rounds to an integer in the current rounding mode: switch it to "down" for the call.
double floor(double x) {
    unsigned short saved, down;
    __asm__ volatile("fnstcw %0" : "=m"(saved));
    down = static_cast<unsigned short>((saved & ~0x0C00) | 0x0400);
    __asm__ volatile("fldcw %0" : : "m"(down));
    __asm__ volatile("frndint" : "+t"(x));
    __asm__ volatile("fldcw %0" : : "m"(saved));
    return x;
}

// FPREM reduces the exponent difference by at most 64 a step and sets C2 until it is done.
double fmod(double x, double y) {
    double r;
    __asm__("1: fprem\n\t"
            "fnstsw %%ax\n\t"
            "sahf\n\t"
            "jp 1b"
            : "=t"(r)
            : "0"(x), "u"(y)
            : "ax", "cc");
    return r;
}
}
