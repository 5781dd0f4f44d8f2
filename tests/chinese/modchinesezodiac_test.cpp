#include "chinese/ChineseCouple.h"
#include "chinese/modchinesezodiac.h"
#include "content/ChinesePairTexts.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>

using namespace modchinesezodiac;
using namespace std::chrono;

namespace {

year_month_day D(int y, unsigned m, unsigned d)
{
    return year_month_day{year{y}, month{m}, day{d}};
}

void ExpectYear(year_month_day date, const char* animal, const char* element)
{
    EXPECT_EQ(FindChineseAnimal(date), animal) << int(date.year()) << "-" << unsigned(date.month()) << "-"
                                               << unsigned(date.day());
    EXPECT_EQ(FindChineseElement(date), element) << int(date.year()) << "-" << unsigned(date.month()) << "-"
                                                 << unsigned(date.day());
}

} // namespace

// ----------------------------------------------------------------------------------------
// Year table

TEST(ChineseYears, NamedBoundaries)
{
    ExpectYear(D(1936, 1, 1), "Rat", "Fire");
    ExpectYear(D(1937, 2, 10), "Rat", "Fire");
    ExpectYear(D(1937, 2, 11), "Ox", "Fire");
    ExpectYear(D(1960, 1, 27), "Pig", "Earth");
    ExpectYear(D(1960, 1, 28), "Rat", "Metal");
    ExpectYear(D(2008, 2, 6), "Pig", "Fire");
    ExpectYear(D(2008, 12, 31), "Pig", "Fire");
    ExpectYear(D(1996, 2, 29), "Rat", "Fire");
    ExpectYear(D(1974, 6, 15), "Tiger", "Wood");
    ExpectYear(D(1969, 3, 3), "Rooster", "Earth");
}

TEST(ChineseYears, ElementFollowsLastDigitOfYear)
{
    ExpectYear(D(1944, 6, 1), "Monkey", "Wood");
    ExpectYear(D(1945, 6, 1), "Rooster", "Wood");
    ExpectYear(D(1950, 6, 1), "Tiger", "Metal");
    ExpectYear(D(1951, 6, 1), "Rabbit", "Metal");
    ExpectYear(D(1982, 6, 1), "Dog", "Water");
    ExpectYear(D(1983, 6, 1), "Pig", "Water");
}

// Row k begins in 1936 + k on the listed New Year and ends the day before the next row;
// its first and last days, and the days just outside, all land where they should.
TEST(ChineseYears, EveryRowFromFirstToLastDay)
{
    ASSERT_EQ(ChineseYearTable.size(), 72u);
    EXPECT_EQ(ChineseYearTable[0].start, D(1936, 1, 1));
    EXPECT_EQ(ChineseYearTable[0].end, D(1937, 2, 10));
    EXPECT_EQ(ChineseYearTable[70].end, D(2007, 2, 17));
    EXPECT_EQ(ChineseYearTable[71].start, D(2007, 2, 18));
    EXPECT_EQ(ChineseYearTable[71].end, D(2008, 12, 31));
    for (int k = 0; k < 72; ++k) {
        const ChineseYear& row = ChineseYearTable[k];
        SCOPED_TRACE(k);
        EXPECT_EQ(int(row.start.year()), 1936 + k);
        EXPECT_EQ(row.animal, ChineseAnimal[k % 12]);
        EXPECT_LE(sys_days{row.start}, sys_days{row.end});
        if (k + 1 < 72) {
            EXPECT_EQ(sys_days{row.end} + days{1}, sys_days{ChineseYearTable[k + 1].start});
        }
        const std::string element(row.element);
        ExpectYear(row.start, std::string(row.animal).c_str(), element.c_str());
        ExpectYear(row.end, std::string(row.animal).c_str(), element.c_str());
        // A Chinese New Year falls between 21 January and 20 February.
        if (k > 0) {
            EXPECT_GE(sys_days{row.start}, sys_days{D(1936 + k, 1, 21)});
            EXPECT_LE(sys_days{row.start}, sys_days{D(1936 + k, 2, 20)});
        }
    }
    // The element cycle: Fire Fire Earth Earth Metal Metal Water Water Wood Wood.
    const char* cycle[10] = {"Fire", "Fire", "Earth", "Earth", "Metal", "Metal", "Water", "Water", "Wood", "Wood"};
    for (int k = 0; k < 72; ++k)
        EXPECT_EQ(ChineseYearTable[k].element, cycle[k % 10]) << k;
}

TEST(ChineseYears, DatesOutsideTheTableGiveNothing)
{
    ExpectYear(D(1935, 12, 31), "", "");
    ExpectYear(D(2009, 1, 1), "", "");
}

TEST(ChineseYears, BirthDateTextsNameRealDaysOnly)
{
    EXPECT_EQ(ParseBirthDate("15", "June", "1974"), D(1974, 6, 15));
    EXPECT_EQ(ParseBirthDate(" 1 ", " January ", " 1936 "), D(1936, 1, 1));
    EXPECT_EQ(ParseBirthDate("29", "February", "1996"), D(1996, 2, 29));
    EXPECT_EQ(ParseBirthDate("29", "February", "2000"), D(2000, 2, 29));
    EXPECT_EQ(ParseBirthDate("31", "December", "2008"), D(2008, 12, 31));
    EXPECT_FALSE(ParseBirthDate("31", "April", "1980"));
    EXPECT_FALSE(ParseBirthDate("30", "February", "1980"));
    EXPECT_FALSE(ParseBirthDate("29", "February", "1937"));
    EXPECT_FALSE(ParseBirthDate("29", "February", "1900"));
    EXPECT_FALSE(ParseBirthDate("0", "May", "1980"));
    EXPECT_FALSE(ParseBirthDate("32", "May", "1980"));
    EXPECT_FALSE(ParseBirthDate("1", "june", "1980"));
    EXPECT_FALSE(ParseBirthDate("", "June", "1980"));
    EXPECT_FALSE(ParseBirthDate("1", "June", "19x0"));
}

// ----------------------------------------------------------------------------------------
// Profiles

TEST(ChineseProfiles, ShortFieldsExactly)
{
    const AnimalProfile rat = GetAnimalProfile("Rat");
    EXPECT_EQ(rat[RulingPlanet], "Jupiter");
    EXPECT_EQ(rat[MostCompatibleSign], "Dragon, Monkey");
    EXPECT_EQ(rat[LeastCompatibleSign], "Horse");
    EXPECT_EQ(rat[LuckyColour], "Light Blue");
    EXPECT_EQ(rat[GemStone], "Carbuncle, Red Garnet");
    EXPECT_EQ(rat[Energy], "Yin (positive)");
    EXPECT_EQ(rat[LuckySeasons], "Winter");
    EXPECT_EQ(rat[LuckyMonth], "December");
    EXPECT_EQ(rat[WesternZodiacSign], "Sagittarius");
    EXPECT_EQ(rat[LuckyNumber], "1, 4, 5, 10, 11, 14, 41, 45, 51, and 54");

    const AnimalProfile rooster = GetAnimalProfile("Rooster");
    EXPECT_EQ(rooster[MostCompatibleSign], "Ox, Dragon, Snake");
    EXPECT_EQ(rooster[LuckyColour], "Peach, Apricot");
    EXPECT_EQ(rooster[GemStone], "Pin Jasper");

    const AnimalProfile snake = GetAnimalProfile("Snake");
    EXPECT_EQ(snake[LeastCompatibleSign], "Tiger, Pig");
    EXPECT_EQ(snake[Energy], "Yin (Positive Energy)");
    EXPECT_EQ(snake[GemStone], "Mossagate");

    // The odd forms are data and stay as they are.
    EXPECT_EQ(GetAnimalProfile("Goat")[Energy], "Yin (Positive)");
    EXPECT_EQ(GetAnimalProfile("Tiger")[Energy], "Yang (Negative)");
    EXPECT_EQ(GetAnimalProfile("Dog")[LuckySeasons], "Winter");
    EXPECT_EQ(GetAnimalProfile("Dog")[LuckyMonth], "October");
    EXPECT_EQ(GetAnimalProfile("Pig")[LuckyMonth], "October");
    EXPECT_EQ(GetAnimalProfile("Rabbit")[RulingPlanet], "Jupiter");
    EXPECT_EQ(GetAnimalProfile("Dog")[LuckyNumber], "1, 4, 5, 9, 10, 14, 19, 28, 30, 41, 45 and 54");
    EXPECT_EQ(GetAnimalProfile("Pig")[LuckyNumber], "1, 3, 4, 5, 8, 16, 18, 34, 41 and 48");
}

TEST(ChineseProfiles, WesternSignsMapOneToOne)
{
    const char* signs[12] = {"Sagittarius", "Capricorn", "Aquarius", "Pisces", "Aries",   "Taurus",
                             "Gemini",      "Cancer",    "Leo",      "Virgo",  "Libra",   "Scorpio"};
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(GetAnimalProfile(ChineseAnimal[i])[WesternZodiacSign], signs[i]) << ChineseAnimal[i];
}

TEST(ChineseProfiles, CompatibleListsNameAnimals)
{
    for (std::string_view animal : ChineseAnimal) {
        const AnimalProfile p = GetAnimalProfile(animal);
        for (int field : {MostCompatibleSign, LeastCompatibleSign}) {
            std::string list = p[field];
            std::size_t count = 0;
            for (std::size_t at = 0; at <= list.size();) {
                const std::size_t next = std::min(list.find(", ", at), list.size());
                EXPECT_GE(AnimalIndex(list.substr(at, next - at)), 0) << animal << ": " << list;
                ++count;
                at = next + 2;
            }
            EXPECT_LE(count, field == MostCompatibleSign ? 3u : 2u) << animal;
        }
    }
}

TEST(ChineseProfiles, LongFieldsKeepTheirShape)
{
    for (std::string_view animal : ChineseAnimal) {
        SCOPED_TRACE(std::string(animal));
        const AnimalProfile p = GetAnimalProfile(animal);
        for (const std::string& field : p)
            EXPECT_FALSE(field.empty());
        EXPECT_GE(p[PositiveTraits].size(), 614u);
        EXPECT_LE(p[PositiveTraits].size(), 997u);
        EXPECT_GE(p[NegativeTraits].size(), 417u);
        EXPECT_LE(p[NegativeTraits].size(), 738u);
        for (int field : {PositiveTraits, NegativeTraits}) {
            EXPECT_EQ(p[field].find_first_of("\r\n"), std::string::npos);
            EXPECT_NE(p[field].find("You"), std::string::npos);
        }
        const std::string& famous = p[FamousPersons];
        const auto names = 1 + std::count(famous.begin(), famous.end(), ',');
        EXPECT_GE(names, 1);
        EXPECT_LE(names, 8);
        EXPECT_EQ(famous.find(",,"), std::string::npos);
        EXPECT_EQ(famous.find_first_of("\r\n"), std::string::npos);
    }
}

TEST(ChineseProfiles, UnknownAnimalGivesEmptyProfile)
{
    for (const std::string& field : GetAnimalProfile("rat"))
        EXPECT_TRUE(field.empty());
    EXPECT_EQ(GetElementDescription("Iron"), "");
}

TEST(ChineseElements, DescriptionsKeepTheirShape)
{
    std::set<std::string> seen;
    for (std::string_view element : ChineseElement) {
        const std::string text = GetElementDescription(element);
        SCOPED_TRACE(std::string(element));
        EXPECT_GE(text.size(), 300u);
        EXPECT_LE(text.size(), 440u);
        EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos);
        EXPECT_NE(text.find("you"), std::string::npos);
        EXPECT_EQ(text.rfind(element, 0), 0u); // each one speaks of its own element
        seen.insert(text);
    }
    EXPECT_EQ(seen.size(), 5u);
    // 1960 is a Metal year and gets the Metal description.
    EXPECT_EQ(GetElementDescription(FindChineseElement(D(1960, 6, 1))), GetElementDescription("Metal"));
}

// ----------------------------------------------------------------------------------------
// Pairs

TEST(ChinesePairs, ScoresAsListed)
{
    EXPECT_EQ(AnimalPairScore("Rat", "Rat"), 9);
    EXPECT_EQ(AnimalPairScore("Tiger", "Tiger"), 5);
    EXPECT_EQ(AnimalPairScore("Dog", "Dog"), 7);
    for (auto [a, b] : {std::pair{"Rat", "Dragon"}, {"Rat", "Monkey"}, {"Dragon", "Monkey"}, {"Monkey", "Dragon"}})
        EXPECT_EQ(AnimalPairScore(a, b), 10) << a << " " << b;
    for (auto [a, b] : {std::pair{"Ox", "Goat"}, {"Tiger", "Monkey"}, {"Rabbit", "Rooster"}, {"Dragon", "Dog"}})
        EXPECT_EQ(AnimalPairScore(a, b), 2) << a << " " << b;
    EXPECT_EQ(AnimalPairScore("Tiger", "Rooster"), 4);
    EXPECT_EQ(AnimalPairScore("Pig", "Goat"), 9);
    EXPECT_EQ(AnimalPairScore("Horse", "Rat"), 3);

    for (std::string_view a : ChineseAnimal) {
        for (std::string_view b : ChineseAnimal) {
            const int score = AnimalPairScore(a, b);
            EXPECT_EQ(score, AnimalPairScore(b, a));
            EXPECT_GE(score, 2);
            EXPECT_LE(score, 10);
        }
    }
    EXPECT_EQ(AnimalPairScore("Cat", "Rat"), 0);
    EXPECT_EQ(AnimalPairScore("Rat", "rat"), 0);
}

TEST(ChinesePairs, RatingTable)
{
    const std::pair<const char*, const char*> rows[] = {
        {"20%", " A Poor Match"},  {"30%", "A Poor Match"},  {"40%", "A Difficult Match"},
        {"50%", "A Difficult Match"}, {"60%", "An Easy Match"}, {"70%", "An Easy Match"},
        {"80%", "A Great Match"},  {"90%", "A Great Match"}, {"100%", "A Perfect Match"},
    };
    for (int score = 2; score <= 10; ++score) {
        const MatchRating r = ChineseMatchRating(score);
        EXPECT_EQ(r.Percentage, rows[score - 2].first);
        EXPECT_EQ(r.Rating, rows[score - 2].second);
    }
    EXPECT_EQ(ChineseMatchRating(2).Rating.size(), 13u);
    EXPECT_EQ(ChineseMatchRating(3).Rating.size(), 12u);
    EXPECT_EQ(ChineseMatchRating(0).Percentage, "");
    EXPECT_EQ(ChineseMatchRating(11).Rating, "");
}

TEST(ChinesePairs, KeyNames)
{
    EXPECT_EQ(AnimalKeyName("Rabbit"), "AnimalOne");
    EXPECT_EQ(AnimalKeyName("Rooster"), "AnimalTwo");
    EXPECT_EQ(AnimalKeyName("Dog"), "Dog");
    EXPECT_EQ(AnimalKeyName("Rat"), "Rat");
}

TEST(ChinesePairs, EveryPairFindsItsOwnText)
{
    std::set<std::string> texts;
    for (std::string_view a : ChineseAnimal) {
        for (std::string_view b : ChineseAnimal) {
            const std::string text = GetAnimalPairText(a, b);
            EXPECT_FALSE(text.empty()) << a << " " << b;
            texts.insert(text);
        }
    }
    EXPECT_EQ(texts.size(), 144u);
    EXPECT_NE(GetAnimalPairText("Dragon", "Rat"), GetAnimalPairText("Rat", "Dragon"));
    EXPECT_NE(GetAnimalPairText("Dragon", "Rabbit"), GetAnimalPairText("Dragon", "Monkey"));
    EXPECT_EQ(GetAnimalPairText("Dog", "Rat"), std::string(content::ChinesePairTexts[10 * 12 + 0].text));
    EXPECT_EQ(GetAnimalPairText("Rat", "Dog"), std::string(content::ChinesePairTexts[0 * 12 + 10].text));
    EXPECT_EQ(GetAnimalPairText("AnimalOne", "Rat"), "");
    EXPECT_EQ(GetAnimalPairText("Rat", "Cat"), "");
}

// The table's keys are in order, the body and closing sentence keep their shape, and the
// number word of every closing sentence is the pair's score.
TEST(ChinesePairTexts, StructureAndScores)
{
    const char* words[11] = {"", "", "two", "three", "four", "five", "six", "seven", "eight", "nine", "ten"};
    const std::string usual = "On the compatibility scale of one to ten, ";
    const std::string pigs = "On a scale of one to ten, ";
    std::set<std::string> keys;
    int withoutBreak = 0;
    for (std::size_t i = 0; i < 12; ++i) {
        for (std::size_t j = 0; j < 12; ++j) {
            const content::KeyedText& entry = content::ChinesePairTexts[i * 12 + j];
            const std::string key = std::string(AnimalKeyName(ChineseAnimal[i])) + "_" +
                                    std::string(AnimalKeyName(ChineseAnimal[j]));
            SCOPED_TRACE(key);
            EXPECT_EQ(entry.key, key);
            keys.insert(std::string(entry.key));

            const std::string text(entry.text);
            const std::string& opening = (key == "Pig_Pig") ? pigs : usual;
            std::size_t closingAt = text.find("\r\n\r\n");
            std::string body;
            if (closingAt == std::string::npos) {
                ++withoutBreak;
                EXPECT_TRUE(key == "Goat_Goat" || key == "Tiger_AnimalTwo");
                closingAt = text.rfind(opening);
                ASSERT_NE(closingAt, std::string::npos);
                body = text.substr(0, closingAt);
            } else {
                body = text.substr(0, closingAt);
                closingAt += 4;
            }
            const std::string closing = text.substr(closingAt);
            EXPECT_EQ(closing.rfind(opening, 0), 0u) << closing;
            EXPECT_EQ(closing.find_first_of("\r\n"), std::string::npos);
            EXPECT_EQ(closing.back(), '.');
            EXPECT_EQ(body.find_first_of("\r\n"), std::string::npos);
            EXPECT_GE(body.size(), 570u);
            EXPECT_LE(body.size(), 1200u);
            if (key != "Pig_Pig") {
                EXPECT_EQ(text.find(pigs), std::string::npos);
            }

            // The number words after the opening, not counting the "two" of "two Dogs".
            std::string phrase = closing.substr(opening.size());
            phrase = std::regex_replace(phrase, std::regex("^two [A-Z][a-z]+"), "");
            const std::regex number("\\b(two|three|four|five|six|seven|eight|nine|ten)\\b");
            std::vector<std::string> found;
            for (auto it = std::sregex_iterator(phrase.begin(), phrase.end(), number); it != std::sregex_iterator(); ++it)
                found.push_back((*it)[1]);
            ASSERT_EQ(found.size(), 1u) << closing;
            EXPECT_EQ(found[0], words[AnimalPairScore(ChineseAnimal[i], ChineseAnimal[j])]) << closing;
        }
    }
    EXPECT_EQ(keys.size(), 144u);
    EXPECT_EQ(withoutBreak, 2);
    EXPECT_NE(std::string(content::ChinesePairTexts[11 * 12 + 11].text).find(pigs), std::string::npos);
}

// ----------------------------------------------------------------------------------------
// What the result screen works out from the couple as entered

TEST(ChineseResult, WorkedPair)
{
    const ChineseResult result = ComputeChineseResult({"Ann", "15", "June", "1974", "Bob", "3", "March", "1969"});
    EXPECT_EQ(result.AnimalM, "Tiger");
    EXPECT_EQ(result.ElementM, "Wood");
    EXPECT_EQ(result.AnimalF, "Rooster");
    EXPECT_EQ(result.ElementF, "Earth");
    EXPECT_EQ(result.Score, 4);
    EXPECT_EQ(result.Percentage, "40%");
    EXPECT_EQ(result.Rating, "A Difficult Match");
    EXPECT_EQ(result.PairText, GetAnimalPairText("Tiger", "Rooster"));
    EXPECT_EQ(result.ProfileM[WesternZodiacSign], "Aquarius");
    EXPECT_EQ(result.ProfileF[WesternZodiacSign], "Virgo");
    EXPECT_EQ(result.ElementDescriptionF, GetElementDescription("Earth"));
    EXPECT_EQ(result.partnerF().Name, "Bob");
    EXPECT_EQ(result.partnerM().BirthDate, "15 June 1974");
}

TEST(ChineseResult, ExchangedPartnersKeepScoreAndMirrorText)
{
    const ChineseResult forward = ComputeChineseResult({"A", "1", "June", "1970", "B", "1", "June", "1972"});
    const ChineseResult backward = ComputeChineseResult({"B", "1", "June", "1972", "A", "1", "June", "1970"});
    EXPECT_EQ(forward.Score, backward.Score);
    EXPECT_EQ(forward.Percentage, backward.Percentage);
    EXPECT_EQ(forward.PairText, GetAnimalPairText("Dog", "Rat"));
    EXPECT_EQ(backward.PairText, GetAnimalPairText("Rat", "Dog"));
}

TEST(ChineseResult, ADayThatIsNoCalendarDayGivesNoAnimalAndNoPair)
{
    const ChineseResult result = ComputeChineseResult({"A", "31", "April", "1980", "B", "1", "June", "1972"});
    EXPECT_EQ(result.AnimalM, "");
    EXPECT_EQ(result.ProfileM[RulingPlanet], "");
    EXPECT_EQ(result.AnimalF, "Rat");
    EXPECT_EQ(result.Score, 0);
    EXPECT_EQ(result.Rating, "");
    EXPECT_EQ(result.PairText, "");
}
