#include "moon/MoonPairTable.h"

#include "content/MoonPairTexts.h"

#include <charconv>

namespace modMoonSignWestern {

std::string_view MoonMatchRating(int score)
{
    switch (score) {
    case 1:
    case 2:
        return "A Poor Match";
    case 3:
    case 4:
        return "A Difficult Match";
    case 5:
    case 6:
        return "An Easy Match";
    case 7:
    case 8:
        return "A Great Match";
    case 9:
    case 10:
        return "An Excellent Match";
    default:
        return {};
    }
}

namespace {
int ScoreValue(std::string_view score)
{
    int value = 0;
    std::from_chars(score.data(), score.data() + score.size(), value);
    return value;
}
} // namespace

std::string PercentageText(std::string_view score)
{
    // score / 10 * 100 with whole-number scores is score * 10.
    return std::to_string(ScoreValue(score) * 10);
}

std::string_view MoonPairText(std::string_view key)
{
    for (const content::KeyedText& entry : content::MoonPairTexts) {
        if (entry.key == key)
            return entry.text;
    }
    return {};
}

bool MatchMoonSigns(std::string_view signM, std::string_view signF, MoonPairResult& result)
{
    std::string key;
    key.reserve(signM.size() + 1 + signF.size());
    key.append(signM).append("-").append(signF);
    for (const MoonPairScore& pair : MoonPairTable) {
        if (pair.key != key)
            continue;
        result.Interpretation = std::string(MoonPairText(pair.key));
        result.Percentage = PercentageText(pair.score);
        result.Rating = std::string(MoonMatchRating(ScoreValue(pair.score)));
        return true;
    }
    return false;
}

} // namespace modMoonSignWestern
