#include "chinese/modchinesezodiac.h"

#include "content/ChineseAnimalProfileTexts.h"
#include "content/ChineseElementTexts.h"
#include "content/ChinesePairTexts.h"

#include <charconv>

namespace modchinesezodiac {

namespace {

using namespace std::chrono;

constexpr year_month_day Date(int y, unsigned m, unsigned d)
{
    return year_month_day{year{y}, month{m}, day{d}};
}

// First day of each Chinese year, row k beginning in 1936 + k. The first row starts on
// 1 January 1936, not on that year's New Year, so that the table covers all of 1936.
constexpr std::array<year_month_day, ChineseYearCount> kStarts{{
    Date(1936, 1, 1),  Date(1937, 2, 11), Date(1938, 1, 31), Date(1939, 2, 19), Date(1940, 2, 8),
    Date(1941, 1, 27), Date(1942, 2, 15), Date(1943, 2, 5),  Date(1944, 1, 25), Date(1945, 2, 13),
    Date(1946, 2, 2),  Date(1947, 1, 22), Date(1948, 2, 10), Date(1949, 1, 29), Date(1950, 2, 17),
    Date(1951, 2, 6),  Date(1952, 1, 27), Date(1953, 2, 14), Date(1954, 2, 3),  Date(1955, 1, 24),
    Date(1956, 2, 12), Date(1957, 1, 31), Date(1958, 2, 18), Date(1959, 2, 8),  Date(1960, 1, 28),
    Date(1961, 2, 15), Date(1962, 2, 5),  Date(1963, 1, 25), Date(1964, 2, 13), Date(1965, 2, 2),
    Date(1966, 1, 21), Date(1967, 2, 9),  Date(1968, 1, 30), Date(1969, 2, 17), Date(1970, 2, 6),
    Date(1971, 1, 27), Date(1972, 2, 15), Date(1973, 2, 3),  Date(1974, 1, 23), Date(1975, 2, 11),
    Date(1976, 1, 31), Date(1977, 2, 18), Date(1978, 2, 7),  Date(1979, 1, 28), Date(1980, 2, 16),
    Date(1981, 2, 5),  Date(1982, 1, 25), Date(1983, 2, 13), Date(1984, 2, 2),  Date(1985, 2, 20),
    Date(1986, 2, 9),  Date(1987, 1, 29), Date(1988, 2, 17), Date(1989, 2, 6),  Date(1990, 1, 27),
    Date(1991, 2, 15), Date(1992, 2, 4),  Date(1993, 1, 23), Date(1994, 2, 10), Date(1995, 1, 31),
    Date(1996, 2, 19), Date(1997, 2, 7),  Date(1998, 1, 28), Date(1999, 2, 16), Date(2000, 2, 5),
    Date(2001, 1, 24), Date(2002, 2, 12), Date(2003, 2, 1),  Date(2004, 1, 22), Date(2005, 2, 9),
    Date(2006, 1, 29), Date(2007, 2, 18),
}};

// The element follows the last digit of the Gregorian year: 0-1 Metal, 2-3 Water,
// 4-5 Wood, 6-7 Fire, 8-9 Earth.
constexpr std::string_view ElementOfYear(int gregorianYear)
{
    return ChineseElement[static_cast<std::size_t>((gregorianYear % 10) / 2)];
}

constexpr std::array<ChineseYear, ChineseYearCount> MakeYearTable()
{
    std::array<ChineseYear, ChineseYearCount> rows{};
    for (int k = 0; k < ChineseYearCount; ++k) {
        const year_month_day end = k + 1 < ChineseYearCount
                                       ? year_month_day{sys_days{kStarts[k + 1]} - days{1}}
                                       : Date(2008, 12, 31);
        rows[k] = {kStarts[k], end, ChineseAnimal[static_cast<std::size_t>(k % 12)], ElementOfYear(1936 + k)};
    }
    return rows;
}

constexpr std::array<ChineseYear, ChineseYearCount> kYearTable = MakeYearTable();

static_assert(kYearTable[0].end == Date(1937, 2, 10));
static_assert(kYearTable[70].end == Date(2007, 2, 17));
static_assert(kYearTable[0].element == "Fire" && kYearTable[2].element == "Earth");

// Scans the table in order for the row that holds the date, both bounds included.
const ChineseYear* FindYear(year_month_day date)
{
    const sys_days day{date};
    for (const ChineseYear& row : kYearTable) {
        if (day - sys_days{row.start} >= days{0} && day - sys_days{row.end} <= days{0})
            return &row;
    }
    return nullptr;
}

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

std::optional<int> ParseWhole(std::string_view text)
{
    text = TrimBlanks(text);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

constexpr std::array<std::string_view, 12> kMonthNames{
    "January", "February", "March", "April", "May", "June",
    "July", "August", "September", "October", "November", "December",
};

// The short fields of each profile, exactly as they are shown, odd forms included.
struct ShortFields {
    std::string_view planet, most, least, colour, stone, energy, seasons, month, western, numbers;
};

constexpr std::array<ShortFields, 12> kShortFields{{
    {"Jupiter", "Dragon, Monkey", "Horse", "Light Blue", "Carbuncle, Red Garnet", "Yin (positive)", "Winter",
     "December", "Sagittarius", "1, 4, 5, 10, 11, 14, 41, 45, 51, and 54"},
    {"Saturn", "Snake, Rooster", "Goat", "Violet", "White Onyx", "Yin (positive)", "End of Winter", "January",
     "Capricorn", "1, 3, 5, 12, 15, 33, 35, 51 and 53"},
    {"Uranus", "Horse, Dog", "Monkey", "Green", "Sapphire", "Yang (Negative)", "Early Spring", "February",
     "Aquarius", "4, 5, 7, 9, 13, 34, 44, 45 and 54"},
    {"Jupiter", "Goat, Pig", "Rooster", "Pale Green", "Chrysolite", "Yin (positive)", "Mid Spring", "March",
     "Pisces", "1, 3, 5, 9, 15, 19 and 35"},
    {"Mars", "Rat, Monkey", "Dog", "Turquoise", "Amethyst", "Yang (Negative)", "End of Spring", "April", "Aries",
     "3, 4, 5, 6, 15, 21, 34, 35, 36 and 45"},
    {"Venus", "Ox, Rooster", "Tiger, Pig", "Red", "Mossagate", "Yin (Positive Energy)", "Early Summer", "May",
     "Taurus", "1, 2, 4, 6, 13, 24, 42 and 46"},
    {"Mercury", "Tiger, Dog", "Rat", "Orange", "Beryl", "Yang (Negative)", "Mid Summer", "June", "Gemini",
     "1, 3, 4, 8, 13, 14, 41 and 43"},
    {"Moon", "Rabbit, Pig", "Ox", "Pink, Purple", "Emerald", "Yin (Positive)", "End of Summer", "July", "Cancer",
     "3, 4, 5, 12, 34, 45 and 54"},
    {"Sun", "Rat, Dragon", "Tiger", "Yellow, Gold", "Emerald", "Yang (Negative)", "Early Autumn", "August", "Leo",
     "3, 4, 5, 7, 16, 23, 34, 45 and 54"},
    {"Mercury", "Ox, Dragon, Snake", "Rabbit", "Peach, Apricot", "Pin Jasper", "Yin (Positive)", "Mid Autumn",
     "September", "Virgo", "1, 5, 6, 12, 15, 16, 24 and 51"},
    {"Venus", "Tiger, Horse", "Dragon", "Pale Yellow", "Diamond", "Yang (Negative)", "Winter", "October", "Libra",
     "1, 4, 5, 9, 10, 14, 19, 28, 30, 41, 45 and 54"},
    {"Mars", "Rabbit, Goat", "Snake", "Dark Blue", "Topaz", "Yin (Positive)", "Early Winter", "October", "Scorpio",
     "1, 3, 4, 5, 8, 16, 18, 34, 41 and 48"},
}};

// The pair scores, first partner's animal by row, second's by column. Kept in a 13 by 13
// grid; row and column 12 stay unused.
constexpr std::int16_t kPairScores[13][13] = {
    // Rat Ox Tiger Rabbit Dragon Snake Horse Goat Monkey Rooster Dog Pig
    {9, 6, 4, 7, 10, 7, 3, 4, 10, 6, 8, 8, 0},  // Rat
    {6, 8, 4, 8, 7, 9, 5, 2, 4, 9, 7, 7, 0},    // Ox
    {4, 4, 5, 5, 6, 3, 9, 4, 2, 4, 9, 7, 0},    // Tiger
    {7, 8, 5, 8, 7, 7, 5, 9, 4, 2, 8, 9, 0},    // Rabbit
    {10, 7, 6, 7, 9, 8, 8, 7, 10, 9, 2, 8, 0},  // Dragon
    {7, 9, 3, 7, 8, 8, 4, 7, 4, 9, 8, 4, 0},    // Snake
    {3, 5, 9, 5, 8, 4, 8, 8, 5, 6, 9, 6, 0},    // Horse
    {4, 2, 4, 9, 7, 7, 8, 9, 5, 5, 4, 9, 0},    // Goat
    {10, 4, 2, 4, 10, 4, 5, 5, 9, 4, 8, 7, 0},  // Monkey
    {6, 9, 4, 2, 9, 9, 6, 5, 4, 4, 5, 5, 0},    // Rooster
    {8, 7, 9, 8, 2, 8, 9, 4, 8, 5, 7, 7, 0},    // Dog
    {8, 7, 7, 9, 8, 4, 6, 9, 7, 5, 7, 8, 0},    // Pig
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
};

constexpr bool ScoresAreSymmetric()
{
    for (int i = 0; i < 12; ++i)
        for (int j = 0; j < 12; ++j)
            if (kPairScores[i][j] != kPairScores[j][i])
                return false;
    return true;
}
static_assert(ScoresAreSymmetric());

// Rows for the scores 2 to 10. The rating of 2 keeps its leading blank.
constexpr std::array<MatchRating, 9> kRatings{{
    {"20%", " A Poor Match"},
    {"30%", "A Poor Match"},
    {"40%", "A Difficult Match"},
    {"50%", "A Difficult Match"},
    {"60%", "An Easy Match"},
    {"70%", "An Easy Match"},
    {"80%", "A Great Match"},
    {"90%", "A Great Match"},
    {"100%", "A Perfect Match"},
}};

} // namespace

const std::array<ChineseYear, ChineseYearCount> ChineseYearTable = kYearTable;

int AnimalIndex(std::string_view animal)
{
    for (std::size_t i = 0; i < ChineseAnimal.size(); ++i) {
        if (ChineseAnimal[i] == animal)
            return static_cast<int>(i);
    }
    return -1;
}

std::string FindChineseAnimal(std::chrono::year_month_day dateOfBirth)
{
    const ChineseYear* row = FindYear(dateOfBirth);
    return row ? std::string(row->animal) : std::string();
}

std::string FindChineseElement(std::chrono::year_month_day dateOfBirth)
{
    const ChineseYear* row = FindYear(dateOfBirth);
    return row ? std::string(row->element) : std::string();
}

std::optional<std::chrono::year_month_day> ParseBirthDate(std::string_view dayText, std::string_view monthText,
                                                          std::string_view yearText)
{
    const std::optional<int> dayNumber = ParseWhole(dayText);
    const std::optional<int> yearNumber = ParseWhole(yearText);
    if (!dayNumber || !yearNumber || *dayNumber < 1 || *dayNumber > 31)
        return std::nullopt;
    monthText = TrimBlanks(monthText);
    for (unsigned m = 0; m < kMonthNames.size(); ++m) {
        if (kMonthNames[m] != monthText)
            continue;
        const year_month_day date{year{*yearNumber}, month{m + 1}, day{static_cast<unsigned>(*dayNumber)}};
        if (!date.ok())
            return std::nullopt;
        return date;
    }
    return std::nullopt;
}

AnimalProfile GetAnimalProfile(std::string_view animal)
{
    AnimalProfile profile;
    const int index = AnimalIndex(animal);
    if (index < 0)
        return profile;
    const ShortFields& s = kShortFields[static_cast<std::size_t>(index)];
    const content::ChineseAnimalLongTexts& l = content::ChineseAnimalProfileTexts[static_cast<std::size_t>(index)];
    profile[RulingPlanet] = s.planet;
    profile[PositiveTraits] = l.positiveTraits;
    profile[NegativeTraits] = l.negativeTraits;
    profile[MostCompatibleSign] = s.most;
    profile[LeastCompatibleSign] = s.least;
    profile[LuckyColour] = s.colour;
    profile[GemStone] = s.stone;
    profile[Energy] = s.energy;
    profile[LuckySeasons] = s.seasons;
    profile[LuckyMonth] = s.month;
    profile[FamousPersons] = l.famousPersons;
    profile[WesternZodiacSign] = s.western;
    profile[LuckyNumber] = s.numbers;
    return profile;
}

std::string GetElementDescription(std::string_view element)
{
    for (const content::KeyedText& entry : content::ChineseElementTexts) {
        if (entry.key == element)
            return std::string(entry.text);
    }
    return {};
}

std::int16_t AnimalPairScore(std::string_view firstAnimal, std::string_view secondAnimal)
{
    const int i = AnimalIndex(firstAnimal);
    const int j = AnimalIndex(secondAnimal);
    if (i < 0 || j < 0)
        return 0;
    return kPairScores[i][j];
}

MatchRating ChineseMatchRating(int score)
{
    if (score < 2 || score > 10)
        return {};
    return kRatings[static_cast<std::size_t>(score - 2)];
}

std::string_view AnimalKeyName(std::string_view animal)
{
    if (animal == "Rabbit")
        return "AnimalOne";
    if (animal == "Rooster")
        return "AnimalTwo";
    return animal;
}

std::string GetAnimalPairText(std::string_view firstAnimal, std::string_view secondAnimal)
{
    // Only animal names build a key: "AnimalOne" itself must not pass for the Rabbit.
    if (AnimalIndex(firstAnimal) < 0 || AnimalIndex(secondAnimal) < 0)
        return {};
    std::string key(AnimalKeyName(firstAnimal));
    key += '_';
    key += AnimalKeyName(secondAnimal);
    for (const content::KeyedText& entry : content::ChinesePairTexts) {
        if (entry.key == key)
            return std::string(entry.text);
    }
    return {};
}

} // namespace modchinesezodiac
