// Our runtime's helpers in place of libgcc's, MinGW's and msvcrt's, linked into this test exe
// too: the number tests, and everything else here, run on them as well.
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

// Unsigned division by the largest quotient and remainder; signed division by the property of
// every pair: q * d + r == n, r takes n's sign and is smaller than d.
TEST(Runtime, SixtyFourBitDivisionFloorAndFmodGiveCsResults) {
    EXPECT_EQ(Opaque<std::uint64_t>(~0ull) / Opaque<std::uint64_t>(0x100000000ull), 0xFFFFFFFFull);
    EXPECT_EQ(Opaque<std::uint64_t>(~0ull) % Opaque<std::uint64_t>(0x100000000ull), 0xFFFFFFFFull);
    for (std::int64_t n : {0ll, 7ll, -7ll, INT64_MAX, INT64_MIN, INT64_MIN + 1, -0x123456789ABCDEF0ll, 0xFFFFFFFFll}) {
        for (std::int64_t d : {1ll, -1ll, -3ll, 0x12345ll, 0x100000001ll, -0x7FFFFFFFFFFFll, INT64_MAX}) {
            if (n == INT64_MIN && d == -1) continue;  // overflows in C too
            const std::int64_t q = Opaque(n) / Opaque(d), r = Opaque(n) % Opaque(d);
            EXPECT_EQ(std::uint64_t(q) * std::uint64_t(d) + std::uint64_t(r), std::uint64_t(n)) << n << " / " << d;
            EXPECT_TRUE(r == 0 || (r < 0) == (n < 0)) << n << " % " << d;
            EXPECT_LT(r < 0 ? 0 - std::uint64_t(r) : r, d < 0 ? 0 - std::uint64_t(d) : d) << n << " % " << d;
        }
    }
    // floor leaves the rounding mode at nearest; 10^20's exponent is more than 64 above 3's, so
    // fmod takes two FPREM steps.
    EXPECT_EQ(std::floor(Opaque(-2.5)), -3.0);
    EXPECT_EQ(std::lrint(Opaque(2.5)), 2);
    EXPECT_EQ(std::lrint(Opaque(3.5)), 4);
    EXPECT_EQ(std::fmod(Opaque(1e20), 3.0), 1.0);
}

// Decimal text as the settings hold it, and past what they need: the compiler's own rounding of
// the same literal is the reference.
TEST(Runtime, StrtodRoundsDecimalTextAsTheCompilerDoesAndStopsAfterTheNumber) {
    const struct { const char* text; double value; int length; bool exact = true; } cases[] = {
        {"129.9", 129.9, 5}, {"1.30", 1.30, 4}, {"2.5", 2.5, 3}, {"0.1", 0.1, 3}, {"-0.3", -0.3, 4},
        {" \t+7x", 7.0, 4}, {".6", 0.6, 2}, {"5.", 5.0, 2}, {"2e1", 20.0, 3}, {"2e", 2.0, 1},
        {"1.5E-3", 1.5e-3, 6}, {"9007199254740993", 9007199254740993.0, 16}, {"4e30", 4e30, 4},
        {"0.000000000000000000000000000001", 1e-30, 32}, {"00000000000000000000000000000000001.25", 1.25, 38},
        {"1e400", __builtin_huge_val(), 5}, {"1e-400", 0.0, 6},
        {"-", 0.0, 0}, {".", 0.0, 0}, {"e5", 0.0, 0}, {"", 0.0, 0},
        // Past what converts exactly: within a few units in the last place.
        {"1e300", 1e300, 5, false}, {"1e-300", 1e-300, 6, false},
        {"123456789012345678901234", 123456789012345678901234.0, 24, false},
    };
    double (*volatile parse)(const char*, char**) = std::strtod;
    for (const auto& c : cases) {
        char* end = nullptr;
        const double value = parse(c.text, &end);
        if (c.exact)
            EXPECT_EQ(value, c.value) << c.text;
        else
            EXPECT_NEAR(value, c.value, c.value * 1e-15) << c.text;
        EXPECT_EQ(end - c.text, c.length) << c.text;
    }
}

// Overlapping moves both ways, bytes compared unsigned, and the terminator found by strchr.
TEST(Runtime, ByteAndStringFunctionsKeepCsRules) {
    void* (*volatile move)(void*, const void*, std::size_t) = std::memmove;
    int (*volatile compare)(const void*, const void*, std::size_t) = std::memcmp;
    void* (*volatile find)(const void*, int, std::size_t) = ::memchr;
    char* (*volatile findChar)(const char*, int) = ::strchr;
    char up[] = "abcdef", down[] = "abcdef";
    move(up + 2, up, 4);
    move(down, down + 2, 4);
    EXPECT_STREQ(up, "ababcd");
    EXPECT_STREQ(down, "cdefef");
    EXPECT_GT(compare("\x80", "\x7f", 1), 0);
    EXPECT_LT(compare("ab", "ac", 2), 0);
    EXPECT_EQ(compare("ab", "ac", 1), 0);
    const char text[] = "a\xe9z";
    EXPECT_EQ(find(text, 0xe9, 3), text + 1);
    EXPECT_EQ(find(text, 'z', 2), nullptr);
    EXPECT_EQ(findChar(text, 0), text + 3);
    EXPECT_EQ(findChar(text, 'q'), nullptr);
    EXPECT_EQ(std::strlen(Opaque<const char*>(text)), 3u);
}

}  // namespace
