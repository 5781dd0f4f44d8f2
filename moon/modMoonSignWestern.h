#pragma once

#include <array>
#include <string_view>

// The moon-sign grid: a row for each new-moon day 0-29, a column for each ten-day letter,
// and the two-letter codes that name the signs.
namespace modMoonSignWestern {

// The column letters of the grid, in order; case-sensitive ("M" is May, "m" December).
inline constexpr std::array<char, 36> GridLetters{
    'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J', 'K', 'L', 'M', 'N', 'O', 'P', 'Q', 'R',
    'S', 'T', 'U', 'V', 'W', 'X', 'Y', 'Z', 'a', 'b', 'd', 'e', 'f', 'g', 'i', 'm', 'n', 'q',
};

inline constexpr int GridRows = 30;

// MoonSignGrid[new-moon day][letter column]: a sign code.
inline constexpr std::array<std::array<std::string_view, 36>, GridRows> MoonSignGrid{{
    {{"CP", "AQ", "AQ", "AQ", "PI", "PI", "PI", "AR", "AR", "AR", "TA", "TA", "TA", "GE", "GE", "GE", "CA", "CA", "CA", "LE", "LE", "LE", "LE", "VI", "VI", "LI", "LI", "LI", "LI", "SC", "SC", "SC", "SA", "SA", "SA", "CP"}}, // 0
    {{"AQ", "AQ", "AQ", "PI", "PI", "PI", "AR", "AR", "AR", "TA", "TA", "TA", "GE", "GE", "GE", "CA", "CA", "CA", "LE", "LE", "LE", "VI", "VI", "VI", "LI", "LI", "LI", "SC", "SC", "SC", "SC", "SA", "SA", "SA", "CP", "CP"}}, // 1
    {{"AQ", "AQ", "PI", "PI", "PI", "AR", "AR", "AR", "TA", "TA", "TA", "GE", "GE", "GE", "CA", "CA", "CA", "LE", "LE", "LE", "VI", "VI", "VI", "LI", "LI", "LI", "LI", "SC", "SC", "SC", "SA", "SA", "CP", "CP", "CP", "AQ"}}, // 2
    {{"AQ", "PI", "PI", "PI", "AR", "AR", "AR", "TA", "TA", "TA", "GE", "GE", "GE", "CA", "CA", "CA", "LE", "LE", "LE", "VI", "VI", "VI", "LI", "LI", "LI", "SC", "SC", "SC", "SC", "SA", "SA", "CP", "CP", "CP", "AQ", "AQ"}}, // 3
    {{"PI", "PI", "AR", "AR", "AR", "AR", "TA", "TA", "GE", "GE", "GE", "GE", "CA", "CA", "CA", "LE", "LE", "LE", "VI", "VI", "LI", "LI", "LI", "LI", "SC", "SC", "SC", "SA", "SA", "SA", "CP", "CP", "CP", "AQ", "AQ", "PI"}}, // 4
    {{"PI", "AR", "AR", "AR", "TA", "TA", "TA", "GE", "GE", "GE", "GE", "CA", "CA", "LE", "LE", "LE", "VI", "VI", "VI", "LI", "LI", "LI", "SC", "SC", "SC", "SC", "SA", "SA", "SA", "CP", "CP", "AQ", "AQ", "AQ", "PI", "PI"}}, // 5
    {{"AR", "AR", "AR", "TA", "TA", "TA", "GE", "GE", "GE", "CA", "CA", "CA", "LE", "LE", "LE", "VI", "VI", "VI", "LI", "LI", "LI", "SC", "SC", "SC", "SA", "SA", "SA", "CP", "CP", "CP", "AQ", "AQ", "AQ", "AQ", "PI", "AR"}}, // 6
    {{"AR", "AR", "TA", "TA", "TA", "GE", "GE", "GE", "CA", "CA", "CA", "LE", "LE", "LE", "VI", "VI", "VI", "LI", "LI", "LI", "SC", "SC", "SA", "SA", "SA", "SA", "SA", "CP", "CP", "AQ", "AQ", "PI", "PI", "PI", "AR", "AR"}}, // 7
    {{"AR", "TA", "TA", "TA", "GE", "GE", "GE", "CA", "CA", "CA", "LE", "LE", "LE", "VI", "VI", "VI", "LI", "LI", "LI", "SC", "SC", "SC", "SA", "SA", "SA", "CP", "CP", "CP", "CP", "AQ", "PI", "PI", "PI", "PI", "AR", "AR"}}, // 8
    {{"TA", "TA", "GE", "GE", "GE", "CA", "CA", "CA", "CA", "LE", "LE", "VI", "VI", "VI", "VI", "LI", "LI", "SC", "SC", "SC", "SA", "SA", "CP", "SA", "CP", "CP", "CP", "AQ", "AQ", "AQ", "PI", "PI", "AR", "AR", "AR", "TA"}}, // 9
    {{"TA", "GE", "GE", "GE", "CA", "CA", "CA", "LE", "LE", "LE", "VI", "VI", "VI", "LI", "LI", "LI", "SC", "SC", "SC", "SA", "SA", "SA", "CP", "CP", "CP", "CP", "AQ", "AQ", "AQ", "PI", "AR", "AR", "AR", "AR", "TA", "TA"}}, // 10
    {{"GE", "GE", "GE", "CA", "CA", "CA", "LE", "LE", "LE", "VI", "VI", "VI", "LI", "LI", "SC", "SC", "SC", "SA", "SA", "SA", "CP", "CP", "CP", "CP", "AQ", "AQ", "AQ", "PI", "PI", "PI", "AR", "AR", "TA", "TA", "TA", "GE"}}, // 11
    {{"GE", "GE", "CA", "CA", "CA", "LE", "LE", "LE", "VI", "VI", "VI", "LI", "LI", "LI", "SC", "SC", "SA", "SA", "SA", "SA", "CP", "CP", "AQ", "AQ", "AQ", "AQ", "PI", "PI", "PI", "AR", "TA", "TA", "TA", "TA", "GE", "GE"}}, // 12
    {{"GE", "CA", "CA", "LE", "LE", "LE", "LE", "VI", "VI", "VI", "LI", "LI", "LI", "SC", "SC", "SC", "SA", "SA", "SA", "CP", "CP", "CP", "AQ", "AQ", "AQ", "PI", "PI", "AR", "PI", "AR", "TA", "TA", "GE", "GE", "GE", "GE"}}, // 13
    {{"CA", "CA", "LE", "LE", "LE", "VI", "VI", "VI", "LI", "LI", "LI", "LI", "LI", "SC", "SC", "SA", "SA", "SA", "CP", "CP", "AQ", "AQ", "AQ", "PI", "PI", "PI", "AR", "AR", "AR", "TA", "GE", "GE", "GE", "GE", "GE", "CA"}}, // 14
    {{"CA", "LE", "LE", "LE", "VI", "VI", "VI", "LI", "LI", "LI", "SC", "SC", "SC", "SA", "SA", "SA", "CP", "CP", "CP", "AQ", "AQ", "AQ", "PI", "PI", "PI", "PI", "AR", "AR", "AR", "TA", "TA", "TA", "GE", "GE", "CA", "CA"}}, // 15
    {{"LE", "LE", "LE", "VI", "VI", "VI", "LI", "LI", "LI", "SC", "SC", "SC", "SC", "SA", "SA", "CP", "CP", "CP", "AQ", "AQ", "AQ", "PI", "PI", "PI", "AR", "AR", "AR", "AR", "TA", "TA", "GE", "GE", "GE", "CA", "CA", "CA"}}, // 16
    {{"LE", "LE", "VI", "VI", "VI", "LI", "LI", "LI", "SC", "SC", "SC", "SA", "SA", "SA", "CP", "CP", "CP", "AQ", "AQ", "AQ", "PI", "PI", "PI", "AR", "AR", "AR", "AR", "TA", "TA", "GE", "GE", "GE", "CA", "CA", "CA", "LE"}}, // 17
    {{"LE", "VI", "VI", "VI", "LI", "LI", "LI", "SC", "SC", "SC", "SA", "SA", "SA", "CP", "CP", "CP", "AQ", "AQ", "AQ", "PI", "PI", "PI", "AR", "AR", "AR", "AR", "TA", "TA", "GE", "GE", "GE", "CA", "CA", "CA", "LE", "LE"}}, // 18
    {{"VI", "VI", "VI", "LI", "LI", "LI", "SC", "SC", "SC", "SA", "SA", "SA", "SA", "CP", "CP", "AQ", "AQ", "AQ", "PI", "PI", "PI", "AR", "AR", "AR", "TA", "TA", "TA", "TA", "GE", "GE", "CA", "CA", "CA", "LE", "LE", "LE"}}, // 19
    {{"VI", "LI", "VI", "LI", "SC", "SC", "SC", "SA", "SA", "SA", "CP", "CP", "CP", "AQ", "AQ", "AQ", "PI", "PI", "PI", "AR", "AR", "AR", "TA", "TA", "TA", "TA", "GE", "GE", "GE", "CA", "CA", "CA", "LE", "LE", "LE", "VI"}}, // 20
    {{"LI", "LI", "LI", "SC", "SC", "SC", "SA", "SA", "SA", "CP", "CP", "CP", "CP", "AQ", "AQ", "PI", "PI", "PI", "AR", "AR", "AR", "TA", "TA", "TA", "GE", "GE", "GE", "GE", "CA", "CA", "CA", "LE", "LE", "LE", "VI", "VI"}}, // 21
    {{"LI", "LI", "LI", "SC", "SC", "SA", "SA", "SA", "CP", "CP", "CP", "AQ", "AQ", "AQ", "PI", "PI", "PI", "AR", "AR", "AR", "TA", "TA", "TA", "GE", "GE", "GE", "GE", "CA", "CA", "CA", "LE", "LE", "VI", "VI", "VI", "LI"}}, // 22
    {{"LI", "SC", "SC", "SC", "SA", "SA", "SA", "CP", "CP", "CP", "AQ", "AQ", "AQ", "PI", "PI", "PI", "AR", "AR", "AR", "TA", "TA", "TA", "GE", "GE", "GE", "GE", "CA", "CA", "CA", "LE", "LE", "LE", "VI", "VI", "VI", "LI"}}, // 23
    {{"SC", "SC", "SC", "SA", "SA", "SA", "CP", "CP", "CP", "AQ", "AQ", "AQ", "AQ", "PI", "PI", "AR", "AR", "AR", "TA", "TA", "TA", "GE", "GE", "GE", "CA", "CA", "CA", "CA", "LE", "LE", "LE", "VI", "VI", "VI", "LI", "LI"}}, // 24
    {{"SC", "SA", "SC", "SA", "CP", "CP", "CP", "AQ", "AQ", "AQ", "PI", "PI", "PI", "AR", "AR", "AR", "TA", "TA", "TA", "GE", "GE", "GE", "CA", "CA", "CA", "CA", "CA", "LE", "LE", "LE", "VI", "VI", "LI", "LI", "LI", "SC"}}, // 25
    {{"SA", "SA", "SA", "CP", "CP", "CP", "AQ", "AQ", "AQ", "PI", "PI", "PI", "PI", "AR", "AR", "TA", "TA", "TA", "GE", "GE", "GE", "CA", "CA", "CA", "LE", "LE", "LE", "LE", "VI", "VI", "VI", "LI", "LI", "LI", "SC", "SC"}}, // 26
    {{"SA", "SA", "SA", "CP", "AQ", "AQ", "AQ", "AQ", "PI", "PI", "PI", "AR", "AR", "AR", "TA", "TA", "TA", "GE", "GE", "GE", "CA", "CA", "CA", "LE", "LE", "LE", "LE", "VI", "VI", "VI", "LI", "LI", "SC", "SC", "SC", "SA"}}, // 27
    {{"SA", "CP", "CP", "AQ", "AQ", "AQ", "AQ", "PI", "PI", "PI", "AR", "AR", "AR", "TA", "TA", "TA", "GE", "GE", "GE", "CA", "CA", "CA", "LE", "LE", "LE", "LE", "VI", "VI", "VI", "LI", "LI", "LI", "SC", "SC", "SC", "SA"}}, // 28
    {{"CP", "CP", "CP", "AQ", "AQ", "AQ", "PI", "PI", "PI", "AR", "AR", "AR", "AR", "TA", "TA", "GE", "GE", "GE", "CA", "CA", "CA", "LE", "LE", "LE", "VI", "VI", "VI", "VI", "LI", "LI", "LI", "SC", "SC", "SA", "SA", "SA"}}, // 29
}};

struct SignCode {
    std::string_view code;
    std::string_view name;
};

// The codes in the order they are compared.
inline constexpr std::array<SignCode, 12> SignCodes{{
    {"AR", "Aries"},
    {"TA", "Taurus"},
    {"GE", "Gemini"},
    {"CA", "Cancer"},
    {"LE", "Leo"},
    {"VI", "Virgo"},
    {"LI", "Libra"},
    {"SC", "Scorpio"},
    {"SA", "Sagittarius"},
    {"CP", "Capricorn"},
    {"AQ", "Aquarius"},
    {"PI", "Pisces"},
}};

// The column of a letter (exact, case-sensitive), or -1.
int GridColumn(char letter);

// The sign name of a code; blanks around the code are ignored. "" for an unknown code.
std::string_view SignName(std::string_view code);

} // namespace modMoonSignWestern
