// strtod for decimal text, in place of msvcrt's and MinGW's: the first Windows 95 has no
// MSVCRT.DLL. Correctly rounded when the significant digits make an integer below 2^53 and the
// power of ten is at most 22 away (every number a setting holds); otherwise within a few units
// in the last place. No hexadecimal, infinity or NaN text (read as no number), no errno.
#include <cstddef>
#include <cstdint>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

constexpr std::uint64_t kExactInteger = std::uint64_t{1} << 53;  // integers a double holds exactly
constexpr int kExactPowers = 22;                                 // 10^22 is the last exact double
constexpr unsigned short kRoundNearestDouble = 0x027F;           // x87: 53-bit mantissa, nearest

// 10^(2^i), for powers of ten built by squaring.
constexpr long double kBinaryPowers[] = {1e1L, 1e2L, 1e4L, 1e8L, 1e16L, 1e32L, 1e64L, 1e128L, 1e256L};

long double PowerOfTen(unsigned n) {
    long double power = 1.0L;
    for (unsigned i = 0; n; ++i, n >>= 1)
        if (n & 1) power *= kBinaryPowers[i];
    return power;
}

// One multiplication or division rounded once to a double: both operands are exact, and the
// x87 is set to a 53-bit mantissa for it (Windows starts a process so, MinGW's start-up files
// with 64 bits, which would round twice).
double RoundedOnce(long double digits, long double power, bool divide) {
    unsigned short saved;
    __asm__ volatile("fnstcw %0" : "=m"(saved));
    volatile long double a = digits, b = power;
    __asm__ volatile("fldcw %0" : : "m"(kRoundNearestDouble) : "memory");
    volatile double result = divide ? a / b : a * b;
    __asm__ volatile("fldcw %0" : : "m"(saved) : "memory");
    return result;
}

double Scale(std::uint64_t digits, int exponent) {
    // Trailing powers the integer can take exactly let more numbers be converted exactly.
    while (exponent > kExactPowers && digits < kExactInteger / 10) {
        digits *= 10;
        --exponent;
    }
    const bool negative = exponent < 0;
    const unsigned magnitude = negative ? 0u - static_cast<unsigned>(exponent) : exponent;
    if (digits <= kExactInteger && magnitude <= kExactPowers)
        return RoundedOnce(static_cast<long double>(digits), PowerOfTen(magnitude), negative);
    // Beyond what a double holds either way (at most 19 digits): no power needs computing.
    if (magnitude > 400) return negative ? 0.0 : __builtin_huge_val();
    const long double power = PowerOfTen(magnitude);
    const long double value = static_cast<long double>(digits);
    return static_cast<double>(negative ? value / power : value * power);
}

}  // namespace

extern "C" {

double strtod(const char* text, char** end) {
    const char* p = text;
    while (IsSpace(*p)) ++p;
    const bool negative = *p == '-';
    if (*p == '-' || *p == '+') ++p;
    std::uint64_t digits = 0;
    int exponent = 0, count = 0;
    bool seenPoint = false;
    for (;; ++p) {
        if (*p == '.' && !seenPoint) {
            seenPoint = true;
            continue;
        }
        if (!IsDigit(*p)) break;
        ++count;
        // 19 digits fit 64 bits; the ones after them only move the point.
        if (digits < 1000000000000000000ull)
            digits = digits * 10 + static_cast<unsigned>(*p - '0'), exponent -= seenPoint;
        else
            exponent += !seenPoint;
    }
    if (count == 0) {
        if (end) *end = const_cast<char*>(text);
        return 0.0;
    }
    if (*p == 'e' || *p == 'E') {
        const char* q = p + 1;
        const bool below = *q == '-';
        if (*q == '-' || *q == '+') ++q;
        if (IsDigit(*q)) {
            int written = 0;
            for (; IsDigit(*q); ++q)
                if (written < 100000) written = written * 10 + (*q - '0');
            exponent += below ? -written : written;
            p = q;
        }
    }
    if (end) *end = const_cast<char*>(p);
    const double value = digits == 0 ? 0.0 : Scale(digits, exponent);
    return negative ? -value : value;
}

// MinGW's headers send std::strtod here.
double __mingw_strtod(const char* text, char** end) { return strtod(text, end); }
}
