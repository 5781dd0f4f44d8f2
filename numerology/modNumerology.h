#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// Numerology: the reduction of dates of birth and names to single numbers, and the texts
// for a pair of numbers.
namespace modNumerology {

inline constexpr std::array<std::string_view, 12> MonthNames{
    "January", "February", "March", "April", "May", "June",
    "July", "August", "September", "October", "November", "December",
};

// 1..12 for a month name (exact, case-sensitive), 0 for any other text.
int MonthNumber(std::string_view month);

// The value of one character: A, J, S = 1 ... I, R = 9. Only the capitals A..Z have a
// value; every other character (lower-case and accented letters included) is worth 0.
int LetterValue(char c);

// Reduces a date to one number: day + month number + year as whole numbers, then the
// digit sum of that total; a two-digit sum is reduced once more by adding its first and
// last digit, and 10 becomes 1. Nothing else is reduced, so a sum of 29 or 38 gives 11.
// Day and year are plain decimal texts; any other text counts 0. Totals are 16-bit: a
// total beyond that range is held at its limit.
std::int16_t SingleDigitNumber(std::string_view day, std::string_view month, std::string_view year);

// Adds the letter values of every character of name (expected in capitals, see
// UpperCaseLatin) and reduces the sum as SingleDigitNumber does. A name without a letter
// gives 0. The sum is held at 32767 for names too long for a 16-bit total.
std::int16_t StringToNumber(std::string_view name);

// Upper-cases the Latin letters a..z and leaves every other byte as it is, so that only
// the 26 Latin letters, typed in either case, ever count in a name. Accented letters stay
// as they are and count 0 whatever their case. Works on UTF-8 text.
std::string UpperCaseLatin(std::string_view text);

// The key of a pair of numbers: the first partner's number followed by the second's
// (3 and 5 give "35", 0 and 5 give "05").
std::string PairKey(std::int16_t male, std::int16_t female);

// The interpretation for a pair key; empty for a key that is not two digits 1..9
// ("05", "7", "110", "011").
std::string_view CombinationText(std::string_view key);

} // namespace modNumerology
