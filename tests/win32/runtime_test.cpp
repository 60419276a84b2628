// Our runtime's helpers in place of libgcc's and MinGW's, linked into this test exe too; the
// setting-number and memory-text tests run on them here as well.
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

// Signed division by the property of every pair; unsigned, which is a helper of its own, by
// the largest quotient and remainder.
TEST(Runtime, SixtyFourBitDivisionTruncatesTowardZero) {
    EXPECT_EQ(Opaque<std::uint64_t>(~0ull) / Opaque<std::uint64_t>(0x100000000ull), 0xFFFFFFFFull);
    EXPECT_EQ(Opaque<std::uint64_t>(~0ull) % Opaque<std::uint64_t>(0x100000000ull), 0xFFFFFFFFull);
    const std::int64_t numbers[] = {0, 7, -7, 1000, INT64_MAX, INT64_MIN, INT64_MIN + 1,
                                    0x123456789ABCDEF0, -0x123456789ABCDEF0, 0xFFFFFFFF};
    const std::int64_t divisors[] = {1, -1, 2, -3, 0x12345, 0x100000001, -0x7FFFFFFFFFFF, INT64_MAX};
    for (std::int64_t n : numbers) {
        for (std::int64_t d : divisors) {
            if (n == INT64_MIN && d == -1) continue;  // overflows in C too
            const std::int64_t q = Opaque(n) / Opaque(d), r = Opaque(n) % Opaque(d);
            EXPECT_EQ(static_cast<std::uint64_t>(q) * static_cast<std::uint64_t>(d) +
                          static_cast<std::uint64_t>(r),
                      static_cast<std::uint64_t>(n)) << n << " / " << d;
            EXPECT_TRUE(r == 0 || (r < 0) == (n < 0)) << n << " % " << d;
            EXPECT_LT(r < 0 ? -static_cast<std::uint64_t>(r) : r,
                      d < 0 ? -static_cast<std::uint64_t>(d) : d) << n << " % " << d;
        }
    }
}

TEST(Runtime, FloorLeavesRoundingToNearestAndFmodTakesLargeExponents) {
    EXPECT_EQ(std::floor(Opaque(-2.5)), -3.0);
    EXPECT_EQ(std::lrint(Opaque(2.5)), 2);
    EXPECT_EQ(std::lrint(Opaque(3.5)), 4);
    // 10^20 is exact in a double, and its exponent is more than 64 above 3's: two FPREM steps.
    EXPECT_EQ(std::fmod(Opaque(1e20), 3.0), 1.0);
}

}  // namespace
