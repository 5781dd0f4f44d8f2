#include "zodiac/SunSignPairTable.h"

#include "content/SunSignPairTexts.h"
#include "zodiac/modSunSign.h"

namespace modSunSign {

namespace {

// Rows: first partner's sign; columns: second partner's sign. Directional on purpose.
constexpr std::array<std::array<std::string_view, 12>, 12> kRatingCodes{{
    {"1,5", "2", "3", "1", "3", "1", "1,5", "2", "3", "2", "3", "2"},
    {"2", "1,5", "1", "4", "1", "5", "2", "1,5", "1", "4", "1", "4"},
    {"3", "1", "1,5", "2", "3", "1", "5", "2", "1,5", "1", "3", "1"},
    {"2", "3", "2", "1,5", "1", "3", "1", "4", "1", "1,4", "1", "5"},
    {"5", "1", "4", "1", "1,5", "2", "4", "2", "4", "1", "1,4", "1"},
    {"1", "4", "1", "3", "2", "1,5", "1", "3", "1", "5", "2", "1,5"},
    {"1,5", "2", "5", "2", "3", "2", "1,5", "2", "3", "2", "4", "2"},
    {"2", "1,5", "2", "5", "2", "3", "2", "1,5", "1", "3", "1", "4"},
    {"4", "1", "1,5", "2", "5", "1", "3", "1", "1,5", "1", "4", "1"},
    {"2", "5", "2", "1,4", "2", "5", "2", "3", "1", "1,5", "1", "3"},
    {"3", "1", "5", "1", "1,4", "2", "5", "1", "4", "1", "1,5", "1"},
    {"1", "3", "1", "4", "1", "1,4", "2", "5", "1", "3", "1", "1,4"},
}};

} // namespace

std::string_view RatingCode(int first, int second)
{
    return kRatingCodes.at(first).at(second);
}

void MatchSunSigns(std::string_view signM, std::string_view signF, SunSignMatch& match)
{
    const int first = SignIndex(signM);
    const int second = SignIndex(signF);
    if (first < 0 || second < 0)
        return;
    const content::KeyedText& entry = content::SunSignPairTexts[first * 12 + second];
    match.PairText = std::string(entry.text);
    match.RatingCode = std::string(kRatingCodes[first][second]);
    for (const MatchRating& rating : MatchRatingTable) {
        if (rating.code == match.RatingCode) {
            match.Percentage = std::string(rating.percentage);
            match.RatingWords = std::string(rating.words);
        }
    }
}

} // namespace modSunSign
