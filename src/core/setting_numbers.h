// Reading numbers out of settings text: the leading number of the text, 0 when there is none.
#pragma once

#include <string_view>

namespace sd {

// Leading blanks skipped, then an optional sign, digits, a decimal point and an exponent;
// whatever follows is ignored. Empty or non-numeric text reads 0.
double LeadingNumber(std::string_view text);

// The nearest whole number, halves to the even neighbour ("2.5" gives 2, "3.5" gives 4).
// Values beyond the int range (and NaN) are clamped, so they never match a real action.
int RoundHalfEven(double value);

// The double-click action as stored; a number that does not fit 16 bits reads as an
// action that does nothing, and is kept so the Options dialog can write it back.
int ReadDoubleClickAction(std::string_view text);

// The first-run marker: below 130 means this is a first run.
inline constexpr const char* kCurrentVersionText = "130";
bool IsFirstRun(std::string_view versionText);

// The first-switch marker counts only when it reads exactly 1 ("1", "01", "1.0").
bool IsSwitchMessageDisabled(std::string_view text);

}  // namespace sd
