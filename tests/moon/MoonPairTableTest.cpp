#include "content/MoonPairTexts.h"
#include "moon/MoonPairTable.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace modMoonSignWestern;

namespace {

const char* const kSigns[12] = {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo",
                                "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

// Rows: the first partner's sign; columns: the second partner's.
constexpr int kScores[12][12] = {
    {3, 6, 6, 2, 7, 6, 4, 6, 9, 6, 6, 4},   {7, 2, 4, 8, 6, 10, 7, 6, 3, 9, 3, 7},
    {8, 4, 2, 4, 8, 6, 10, 4, 7, 4, 9, 6},  {3, 8, 4, 5, 7, 8, 5, 8, 4, 8, 4, 10},
    {9, 6, 8, 7, 1, 5, 7, 4, 10, 5, 7, 6},  {6, 10, 6, 8, 5, 1, 6, 7, 5, 9, 7, 4},
    {4, 7, 10, 5, 7, 6, 2, 6, 7, 4, 9, 6},  {6, 6, 4, 8, 4, 7, 6, 2, 4, 7, 3, 10},
    {9, 3, 7, 4, 10, 5, 7, 4, 3, 5, 8, 4},  {6, 9, 4, 8, 5, 9, 4, 7, 5, 6, 7, 2},
    {6, 3, 9, 4, 7, 7, 9, 3, 8, 7, 5, 4},   {7, 4, 6, 10, 6, 4, 6, 10, 4, 2, 4, 3},
};

std::string Key(int first, int second)
{
    return std::string(kSigns[first]) + "-" + kSigns[second];
}

MoonPairResult Match(const char* first, const char* second)
{
    MoonPairResult result;
    EXPECT_TRUE(MatchMoonSigns(first, second, result)) << first << "-" << second;
    return result;
}

} // namespace

TEST(MoonPairTable, KeysInZodiacOrderWithEveryScore)
{
    for (int i = 0; i < 12; ++i)
        for (int j = 0; j < 12; ++j) {
            const MoonPairScore& pair = MoonPairTable[i * 12 + j];
            EXPECT_EQ(pair.key, Key(i, j));
            EXPECT_EQ(pair.score, std::to_string(kScores[i][j])) << pair.key;
        }
}

TEST(MoonPairTable, SymmetricExceptSixPairs)
{
    std::set<std::string> asymmetric;
    for (int i = 0; i < 12; ++i)
        for (int j = 0; j < 12; ++j)
            if (MoonPairTable[i * 12 + j].score != MoonPairTable[j * 12 + i].score)
                asymmetric.insert(Key(i, j));
    const std::set<std::string> expected{
        "Aries-Taurus",  "Taurus-Aries", "Aries-Gemini", "Gemini-Aries", "Aries-Cancer",  "Cancer-Aries",
        "Aries-Leo",     "Leo-Aries",    "Aries-Pisces", "Pisces-Aries", "Taurus-Pisces", "Pisces-Taurus",
    };
    EXPECT_EQ(asymmetric, expected);
}

TEST(MoonPairTable, AsymmetricPairsDependOnWhoHasWhichSign)
{
    EXPECT_EQ(Match("Aries", "Taurus").Percentage, "60");
    EXPECT_EQ(Match("Aries", "Taurus").Rating, "An Easy Match");
    EXPECT_EQ(Match("Taurus", "Aries").Percentage, "70");
    EXPECT_EQ(Match("Taurus", "Aries").Rating, "A Great Match");
    EXPECT_EQ(Match("Aries", "Taurus").Interpretation, Match("Taurus", "Aries").Interpretation);
    EXPECT_EQ(Match("Aries", "Gemini").Percentage, "60");
    EXPECT_EQ(Match("Gemini", "Aries").Percentage, "80");
    EXPECT_EQ(Match("Aries", "Cancer").Percentage, "20");
    EXPECT_EQ(Match("Cancer", "Aries").Percentage, "30");
    EXPECT_EQ(Match("Aries", "Leo").Percentage, "70");
    EXPECT_EQ(Match("Leo", "Aries").Percentage, "90");
    EXPECT_EQ(Match("Aries", "Pisces").Percentage, "40");
    EXPECT_EQ(Match("Pisces", "Aries").Percentage, "70");
    EXPECT_EQ(Match("Taurus", "Pisces").Percentage, "70");
    EXPECT_EQ(Match("Pisces", "Taurus").Percentage, "40");
}

TEST(MoonPairTable, RatingAndPercentageOfSamples)
{
    MoonPairResult r = Match("Aries", "Aries");
    EXPECT_EQ(r.Percentage, "30");
    EXPECT_EQ(r.Rating, "A Difficult Match");
    for (const char* sign : {"Leo", "Virgo"}) {
        r = Match(sign, sign);
        EXPECT_EQ(r.Percentage, "10");
        EXPECT_EQ(r.Rating, "A Poor Match");
    }
    r = Match("Taurus", "Virgo");
    EXPECT_EQ(r.Percentage, "100");
    EXPECT_EQ(r.Rating, "An Excellent Match");
    EXPECT_EQ(r.Interpretation, MoonPairText("Virgo-Taurus"));
}

TEST(MoonMatchRating, PhraseForEveryScore)
{
    const char* phrases[11] = {"",
                               "A Poor Match",      "A Poor Match",      "A Difficult Match", "A Difficult Match",
                               "An Easy Match",     "An Easy Match",     "A Great Match",     "A Great Match",
                               "An Excellent Match", "An Excellent Match"};
    for (int score = 1; score <= 10; ++score)
        EXPECT_EQ(MoonMatchRating(score), phrases[score]) << score;
    EXPECT_EQ(MoonMatchRating(0), "");
    EXPECT_EQ(MoonMatchRating(11), "");
}

TEST(PercentageText, ScoreTimesTenWithoutSign)
{
    EXPECT_EQ(PercentageText("7"), "70");
    EXPECT_EQ(PercentageText("10"), "100");
    EXPECT_EQ(PercentageText("3"), "30");
    EXPECT_EQ(PercentageText("1"), "10");
}

TEST(MoonPairTexts, BothOrdersShareOneOfSeventyEightTexts)
{
    ASSERT_EQ(content::MoonPairTexts.size(), 144u);
    std::set<std::string_view> distinct;
    for (int i = 0; i < 12; ++i)
        for (int j = 0; j < 12; ++j) {
            const content::KeyedText& entry = content::MoonPairTexts[i * 12 + j];
            EXPECT_EQ(entry.key, Key(i, j));
            EXPECT_EQ(MoonPairText(Key(i, j)), MoonPairText(Key(j, i)));
            EXPECT_GE(entry.text.size(), 540u) << entry.key;
            EXPECT_LE(entry.text.size(), 1200u) << entry.key;
            distinct.insert(entry.text);
        }
    EXPECT_EQ(distinct.size(), 78u);
}

TEST(MatchMoonSigns, NamesThatFormNoKeyLeaveTheResult)
{
    MoonPairResult result{"70", "A Great Match", "earlier"};
    EXPECT_FALSE(MatchMoonSigns("", "Leo", result));
    EXPECT_FALSE(MatchMoonSigns("Aries", "", result));
    EXPECT_FALSE(MatchMoonSigns("aries", "Leo", result));
    EXPECT_FALSE(MatchMoonSigns("Aries-Leo", "", result));
    EXPECT_EQ(result.Percentage, "70");
    EXPECT_EQ(result.Rating, "A Great Match");
    EXPECT_EQ(result.Interpretation, "earlier");
}
