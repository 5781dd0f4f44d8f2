#pragma once

#include <array>
#include <string>
#include <string_view>

// Sun signs: the twelve sign names, the sign of a birth date and each sign's profile.
namespace modSunSign {

// The twelve western signs in zodiac order; "" stands for no sign.
inline constexpr std::array<std::string_view, 12> ZodiacSign{
    "Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo",
    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces",
};

inline constexpr std::array<std::string_view, 12> MonthNames{
    "January", "February", "March", "April", "May", "June",
    "July", "August", "September", "October", "November", "December",
};

// Index of a sign name (exact, case-sensitive), or -1.
int SignIndex(std::string_view sign);

// The sun sign of a month name and a day given as decimal text. The day is not checked
// against the month's length ("February", "31" is Pisces); an unknown month gives "".
std::string FindSunSign(std::string_view month, std::string_view day);

struct SunSignProfile {
    std::string Element;
    std::string RulingPlanet;
    std::string PositiveTraits;
    std::string NegativeTraits;
    std::string LuckyNumber;
    std::string LuckyColor;
    std::string LuckyDay;
    std::string Compatibility;
    std::string FamousPersons;
    std::string BirthStone;
    std::string Quality;
};

// Copies the sign's profile into record; a name that is not a sign leaves it as it was.
void GetSunSignProfile(std::string_view sign, SunSignProfile& record);

} // namespace modSunSign
