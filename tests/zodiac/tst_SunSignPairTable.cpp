#include "content/SunSignPairTexts.h"
#include "zodiac/SunSignPairTable.h"
#include "zodiac/modSunSign.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

using modSunSign::MatchSunSigns;
using modSunSign::RatingCode;
using modSunSign::SunSignMatch;
using modSunSign::ZodiacSign;

namespace {

// Rows: first partner's sign, columns: second partner's sign, both in zodiac order.
const char* const kCodes[12][12] = {
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
};

struct Rating {
    const char* percentage;
    const char* words;
};

const std::map<std::string, Rating> kRatings{
    {"1", {"20%", "A Poor Match"}},
    {"2", {"40%", "A Difficult Match"}},
    {"3", {"60%", "An Easy Match"}},
    {"4", {"80%", "A Great Match"}},
    {"5", {"100%", "An Excellent Match"}},
    {"1,4", {"", "A Special Match"}},
    {"1,5", {"", "A Special Match - This could be a Great Match or a Difficult Match"}},
};

std::string key(std::size_t i, std::size_t j)
{
    return std::string(ZodiacSign[i]) + "-" + std::string(ZodiacSign[j]);
}

SunSignMatch match(const std::string& signM, const std::string& signF)
{
    SunSignMatch result;
    MatchSunSigns(signM, signF, result);
    return result;
}

} // namespace

TEST(SunSignPairTable, EveryOrderedPairHasItsListedCodeAndRating)
{
    for (std::size_t i = 0; i < 12; ++i) {
        for (std::size_t j = 0; j < 12; ++j) {
            EXPECT_EQ(RatingCode(int(i), int(j)), kCodes[i][j]) << key(i, j);
            const SunSignMatch m = match(std::string(ZodiacSign[i]), std::string(ZodiacSign[j]));
            const Rating& rating = kRatings.at(kCodes[i][j]);
            EXPECT_EQ(m.RatingCode, kCodes[i][j]) << key(i, j);
            EXPECT_EQ(m.Percentage, rating.percentage) << key(i, j);
            EXPECT_EQ(m.RatingWords, rating.words) << key(i, j);
            EXPECT_EQ(m.PairText, content::SunSignPairTexts[i * 12 + j].text) << key(i, j);
        }
    }
}

TEST(SunSignPairTable, TheTableIsDirectional)
{
    EXPECT_EQ(RatingCode(0, 4), "3");  // Aries-Leo
    EXPECT_EQ(RatingCode(4, 0), "5");  // Leo-Aries
    EXPECT_EQ(RatingCode(11, 11), "1,4");
    int asymmetric = 0;
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(RatingCode(i, i), i == 11 ? "1,4" : "1,5") << ZodiacSign[i];
        for (int j = i + 1; j < 12; ++j)
            asymmetric += RatingCode(i, j) != RatingCode(j, i);
    }
    EXPECT_GT(asymmetric, 0);
}

TEST(SunSignPairTable, TheRatingTableInItsSearchOrder)
{
    const char* const order[7] = {"1", "2", "3", "4", "5", "1,4", "1,5"};
    ASSERT_EQ(modSunSign::MatchRatingTable.size(), 7u);
    for (std::size_t row = 0; row < 7; ++row) {
        const auto& r = modSunSign::MatchRatingTable[row];
        EXPECT_EQ(r.code, order[row]);
        EXPECT_EQ(r.percentage, kRatings.at(order[row]).percentage);
        EXPECT_EQ(r.words, kRatings.at(order[row]).words);
    }
}

TEST(MatchSunSigns, TheNamedPairs)
{
    SunSignMatch m = match("Aries", "Leo");
    EXPECT_EQ(m.RatingCode, "3");
    EXPECT_EQ(m.Percentage, "60%");
    EXPECT_EQ(m.RatingWords, "An Easy Match");

    m = match("Leo", "Aries");
    EXPECT_EQ(m.RatingCode, "5");
    EXPECT_EQ(m.Percentage, "100%");
    EXPECT_EQ(m.RatingWords, "An Excellent Match");

    m = match("Cancer", "Capricorn");
    EXPECT_EQ(m.RatingCode, "1,4");
    EXPECT_EQ(m.Percentage, "");
    EXPECT_EQ(m.RatingWords, "A Special Match");

    m = match("Gemini", "Gemini");
    EXPECT_EQ(m.RatingCode, "1,5");
    EXPECT_EQ(m.Percentage, "");
    EXPECT_EQ(m.RatingWords, "A Special Match - This could be a Great Match or a Difficult Match");

    m = match("Pisces", "Pisces");
    EXPECT_EQ(m.RatingCode, "1,4");
    EXPECT_EQ(m.RatingWords, "A Special Match");
}

TEST(MatchSunSigns, NamesThatAreNoSignsLeaveTheRecordAsItWas)
{
    SunSignMatch m;
    MatchSunSigns("Aries", "Leo", m);
    const SunSignMatch before = m;
    const std::pair<const char*, const char*> misses[] = {
        {"", ""}, {"", "Leo"}, {"Aries", ""}, {"aries", "Leo"}, {"Aries", "Leo "}, {"Aries-Leo", ""}, {"Ari", "es-Leo"},
    };
    for (const auto& [first, second] : misses) {
        MatchSunSigns(first, second, m);
        EXPECT_EQ(m.RatingCode, before.RatingCode) << first << '/' << second;
        EXPECT_EQ(m.Percentage, before.Percentage) << first << '/' << second;
        EXPECT_EQ(m.RatingWords, before.RatingWords) << first << '/' << second;
        EXPECT_EQ(m.PairText, before.PairText) << first << '/' << second;
    }
}

TEST(SunSignPairTexts, KeysFollowTheZodiacOrderFirstPartnerFirst)
{
    for (std::size_t i = 0; i < 12; ++i) {
        for (std::size_t j = 0; j < 12; ++j)
            EXPECT_EQ(content::SunSignPairTexts[i * 12 + j].key, key(i, j));
    }
}

namespace {

// The pairs whose two orders are read in two separately written texts.
const std::set<std::pair<std::string, std::string>> kSeparatelyWorded{
    {"Aries", "Cancer"},     {"Aries", "Virgo"},        {"Aries", "Libra"},         {"Taurus", "Cancer"},
    {"Taurus", "Libra"},     {"Taurus", "Capricorn"},   {"Gemini", "Scorpio"},      {"Cancer", "Leo"},
    {"Leo", "Sagittarius"},  {"Leo", "Capricorn"},      {"Leo", "Aquarius"},        {"Virgo", "Scorpio"},
    {"Virgo", "Capricorn"},  {"Libra", "Aquarius"},     {"Sagittarius", "Capricorn"}, {"Sagittarius", "Aquarius"},
};

std::string_view text(std::size_t i, std::size_t j)
{
    return content::SunSignPairTexts[i * 12 + j].text;
}

} // namespace

TEST(SunSignPairTexts, WhichPairsShareAText)
{
    std::set<std::string_view> distinct;
    for (const auto& entry : content::SunSignPairTexts)
        distinct.insert(entry.text);
    EXPECT_EQ(distinct.size(), 94u);

    // Every text belongs to one pair of signs: no two pairs read alike.
    std::map<std::string_view, std::set<std::pair<std::size_t, std::size_t>>> owners;
    for (std::size_t i = 0; i < 12; ++i) {
        for (std::size_t j = 0; j < 12; ++j)
            owners[text(i, j)].insert({std::min(i, j), std::max(i, j)});
    }
    for (const auto& [t, pairs] : owners)
        EXPECT_EQ(pairs.size(), 1u) << t.substr(0, 60);

    int shared = 0, separate = 0;
    for (std::size_t i = 0; i < 12; ++i) {
        for (std::size_t j = i + 1; j < 12; ++j) {
            const bool named = kSeparatelyWorded.count({std::string(ZodiacSign[i]), std::string(ZodiacSign[j])}) > 0;
            if (named) {
                EXPECT_NE(text(i, j), text(j, i)) << key(i, j);
                ++separate;
            } else {
                EXPECT_EQ(text(i, j), text(j, i)) << key(i, j);
                ++shared;
            }
        }
    }
    EXPECT_EQ(separate, 16);
    EXPECT_EQ(shared, 50);
}

TEST(SunSignPairTexts, EachTextIsOneParagraphOfTheGivenLength)
{
    // Roots that also catch "Geminis", "Pisceans", "Sagittarians", "Taurean" and the like.
    const char* const roots[12] = {"Aries", "Taur",      "Gemin",     "Cancer", "Leo",    "Virg",
                                   "Libra", "Scorpi",    "Sagittari", "Capricorn", "Aquari", "Pisc"};
    std::size_t total = 0;
    for (std::size_t i = 0; i < 12; ++i) {
        for (std::size_t j = 0; j < 12; ++j) {
            const std::string_view t = text(i, j);
            EXPECT_GE(t.size(), 779u) << key(i, j);
            EXPECT_LE(t.size(), 1227u) << key(i, j);
            EXPECT_EQ(t.find_first_of("\r\n\t"), std::string_view::npos) << key(i, j);
            EXPECT_NE(t.front(), ' ') << key(i, j);
            EXPECT_NE(t.back(), ' ') << key(i, j);
            // The reading is about this pair: it names the second partner's sign.
            EXPECT_NE(t.find(roots[j]), std::string_view::npos) << key(i, j);
            total += t.size();
        }
    }
    const double average = double(total) / 144;
    EXPECT_GT(average, 900.0);
    EXPECT_LT(average, 1100.0);
}
