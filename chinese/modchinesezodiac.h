#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The Chinese zodiac: the year table with each year's animal and element, the animal
// profiles and element descriptions, and the pair scores, ratings and readings.
// Animals and elements are handled as their exact, case-sensitive names.
namespace modchinesezodiac {

// The twelve animals in cycle order; the index addresses the year table and the score grid.
inline constexpr std::array<std::string_view, 12> ChineseAnimal{
    "Rat", "Ox", "Tiger", "Rabbit", "Dragon", "Snake",
    "Horse", "Goat", "Monkey", "Rooster", "Dog", "Pig",
};

inline constexpr std::array<std::string_view, 5> ChineseElement{"Metal", "Water", "Wood", "Fire", "Earth"};

// Index of an animal name (exact), or -1.
int AnimalIndex(std::string_view animal);

// ---------------------------------------------------------------------------------------
// Years

// One Chinese year, both bounds included.
struct ChineseYear {
    std::chrono::year_month_day start;
    std::chrono::year_month_day end;
    std::string_view animal;
    std::string_view element;
};

inline constexpr int ChineseYearCount = 72;

// Row k is the Chinese year that begins in 1936 + k. Row 0 starts on 1 January 1936 and
// row 71 (the Pig year of 2007) runs to 31 December 2008, so the rows cover every day of
// 1936 to 2008 without gap or overlap.
extern const std::array<ChineseYear, ChineseYearCount> ChineseYearTable;

// The animal, or the element, of the year that holds the date. A date outside 1936 to
// 2008 lies in no year and gives "".
std::string FindChineseAnimal(std::chrono::year_month_day dateOfBirth);
std::string FindChineseElement(std::chrono::year_month_day dateOfBirth);

// The calendar day named by a day number, an English month name ("January") and a year,
// each given as text with blanks around allowed; nullopt when the texts name no real day
// (31 April, 29 February 1937, an unknown month).
std::optional<std::chrono::year_month_day> ParseBirthDate(std::string_view day, std::string_view month,
                                                          std::string_view year);

// ---------------------------------------------------------------------------------------
// Profiles

// Indexes of the thirteen profile fields.
enum AnimalProfileField : int {
    RulingPlanet = 0,
    PositiveTraits = 1,
    NegativeTraits = 2,
    MostCompatibleSign = 3,
    LeastCompatibleSign = 4,
    LuckyColour = 5,
    GemStone = 6,
    Energy = 7,
    LuckySeasons = 8,
    LuckyMonth = 9,
    FamousPersons = 10,
    WesternZodiacSign = 11,
    LuckyNumber = 12,
};

using AnimalProfile = std::array<std::string, 13>;

// The profile of an animal; every field is empty for a name that is not an animal.
AnimalProfile GetAnimalProfile(std::string_view animal);

// What the element gives a person; "" for a name that is not an element.
std::string GetElementDescription(std::string_view element);

// ---------------------------------------------------------------------------------------
// Pairs

// The pair's score on the scale of one to ten (2 to 10 for two animals); 0 when either
// name is not an animal. The order of the partners never changes it.
std::int16_t AnimalPairScore(std::string_view firstAnimal, std::string_view secondAnimal);

struct MatchRating {
    std::string_view Percentage; // "90%"
    std::string_view Rating;     // "A Great Match"
};

// The percentage and rating words of a score from 2 to 10; both empty for any other score.
MatchRating ChineseMatchRating(int score);

// How an animal is written in a pair key: "AnimalOne" for Rabbit, "AnimalTwo" for
// Rooster, the animal's own name otherwise.
std::string_view AnimalKeyName(std::string_view animal);

// The reading of the pair, the first partner's animal first; "" when a name is not an animal.
std::string GetAnimalPairText(std::string_view firstAnimal, std::string_view secondAnimal);

} // namespace modchinesezodiac
