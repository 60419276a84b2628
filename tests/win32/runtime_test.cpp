// Our runtime's helpers in place of libgcc's, MinGW's and msvcrt's, which this whole test exe
// runs on, the number tests too: here what those do not reach.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// Keeps the compiler from working the answer out itself.
template <class T>
T Opaque(T v) {
    volatile T x = v;
    return x;
}

// Signed division by the property of every pair: q * d + r == n, r takes n's sign and is
// smaller than d. floor leaves the rounding mode at nearest; 10^20's exponent is more than 64
// above 3's, so fmod takes two FPREM steps.
TEST(Runtime, SixtyFourBitDivisionFloorAndFmodGiveCsResults) {
    for (std::int64_t n : {0ll, -7ll, INT64_MAX, INT64_MIN, INT64_MIN + 1, -0x123456789ABCDEF0ll, 0xFFFFFFFFll}) {
        for (std::int64_t d : {1ll, -1ll, -3ll, 0x12345ll, 0x100000001ll, -0x7FFFFFFFFFFFll, INT64_MAX}) {
            if (n == INT64_MIN && d == -1) continue;  // overflows in C too
            const std::int64_t q = Opaque(n) / Opaque(d), r = Opaque(n) % Opaque(d);
            EXPECT_EQ(std::uint64_t(q) * std::uint64_t(d) + std::uint64_t(r), std::uint64_t(n)) << n << " / " << d;
            EXPECT_TRUE(r == 0 || (r < 0) == (n < 0)) << n << " % " << d;
            EXPECT_LT(r < 0 ? 0 - std::uint64_t(r) : r, d < 0 ? 0 - std::uint64_t(d) : d) << n << " % " << d;
        }
    }
    EXPECT_EQ(std::floor(Opaque(-2.5)), -3.0);
    EXPECT_EQ(std::lrint(Opaque(2.5)), 2);
    EXPECT_EQ(std::fmod(Opaque(1e20), 3.0), 1.0);
}

// The compiler's own rounding of the same literal is the reference; past 17 digits, within a
// few units in the last place. Memory compares bytes unsigned; strchr finds the terminator.
TEST(Runtime, StrtodRoundsAsTheCompilerDoesAndMemcmpAndStrchrKeepCsRules) {
    const struct { const char* text; double value; int length; bool exact = true; } cases[] = {
        {"0.1", 0.1, 3}, {"-.6", -0.6, 3}, {"1.5E-3", 1.5e-3, 6}, {"9007199254740993", 9007199254740993.0, 16},
        {"0.000000000000000000000000000001", 1e-30, 32}, {"00000000000000000000000000000000001.25", 1.25, 38},
        {"1e400", __builtin_huge_val(), 5}, {"1e-400", 0.0, 6}, {"e5", 0.0, 0},
        {"123456789012345678901234", 123456789012345678901234.0, 24, false},
    };
    double (*volatile parse)(const char*, char**) = std::strtod;
    for (const auto& c : cases) {
        char* end = nullptr;
        const double value = parse(c.text, &end);
        EXPECT_TRUE(c.exact ? value == c.value : std::abs(value - c.value) <= c.value * 1e-15) << c.text << ": " << value;
        EXPECT_EQ(end - c.text, c.length) << c.text;
    }
    int (*volatile compare)(const void*, const void*, std::size_t) = std::memcmp;
    char* (*volatile findChar)(const char*, int) = ::strchr;
    EXPECT_GT(compare("\x80", "\x7f", 1), 0);
    const char text[] = "a\xe9z";
    EXPECT_EQ(findChar(text, 0), text + 3);
}

}  // namespace
