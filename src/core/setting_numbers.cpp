// Reading numbers out of settings text.
#include "core/setting_numbers.h"

#include <cmath>
#include <climits>
#include <cstdlib>
#include <string>

namespace sd {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

double LeadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    const std::size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) { ++i; ++digits; }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) { ++i; ++digits; }
    }
    if (digits == 0) return 0.0;
    std::size_t end = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) ++j;
            end = j;
        }
    }
    // strtod on a copy of just the number; the program never changes the C locale, so "." is the point.
    const std::string number(text.substr(start, end - start));
    return std::strtod(number.c_str(), nullptr);
}

int RoundHalfEven(double value) {
    if (std::isnan(value)) return 0;
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
    if (whole >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (whole <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(whole);
}

int ReadDoubleClickAction(std::string_view text) { return RoundHalfEven(LeadingNumber(text)); }

bool IsFirstRun(std::string_view versionText) { return LeadingNumber(versionText) < 130.0; }

bool IsSwitchMessageDisabled(std::string_view text) { return LeadingNumber(text) == 1.0; }

}  // namespace sd
