// Our runtime's helpers in place of libgcc's and MinGW's, linked into this test exe too; the
// number tests run on them here as well.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

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

}  // namespace
