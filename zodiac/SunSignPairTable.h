#pragma once

#include <array>
#include <string>
#include <string_view>

// How well two sun signs match: a rating code per ordered pair, its percentage and words.
namespace modSunSign {

struct MatchRating {
    std::string_view code;
    std::string_view percentage; // "" for the two special codes
    std::string_view words;
};

// Searched in this order by exact code.
inline constexpr std::array<MatchRating, 7> MatchRatingTable{{
    {"1", "20%", "A Poor Match"},
    {"2", "40%", "A Difficult Match"},
    {"3", "60%", "An Easy Match"},
    {"4", "80%", "A Great Match"},
    {"5", "100%", "An Excellent Match"},
    {"1,4", "", "A Special Match"},
    {"1,5", "", "A Special Match - This could be a Great Match or a Difficult Match"},
}};

// The rating code of the ordered pair (first partner's sign index, second's).
std::string_view RatingCode(int first, int second);

struct SunSignMatch {
    std::string PairText;
    std::string RatingCode;
    std::string Percentage;
    std::string RatingWords;
};

// Fills match for the ordered pair of sign names; names that are not signs leave it as it was.
void MatchSunSigns(std::string_view signM, std::string_view signF, SunSignMatch& match);

} // namespace modSunSign
