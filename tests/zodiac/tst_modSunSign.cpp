#include "content/SunSignProfileTexts.h"
#include "zodiac/modSunSign.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <string>

using modSunSign::FindSunSign;
using modSunSign::GetSunSignProfile;
using modSunSign::SunSignProfile;

namespace {

struct Boundary {
    const char* month;
    int cusp;            // first day of the later sign
    const char* earlier; // days before the cusp
    const char* later;   // the cusp day and after
};

// The sign boundaries as the calendar of the zodiac gives them.
const Boundary kBoundaries[12] = {
    {"January", 20, "Capricorn", "Aquarius"},   {"February", 19, "Aquarius", "Pisces"},
    {"March", 21, "Pisces", "Aries"},           {"April", 21, "Aries", "Taurus"},
    {"May", 21, "Taurus", "Gemini"},            {"June", 21, "Gemini", "Cancer"},
    {"July", 21, "Cancer", "Leo"},              {"August", 21, "Leo", "Virgo"},
    {"September", 21, "Virgo", "Libra"},        {"October", 21, "Libra", "Scorpio"},
    {"November", 21, "Scorpio", "Sagittarius"}, {"December", 21, "Sagittarius", "Capricorn"},
};

} // namespace

TEST(FindSunSign, EveryDayOfEveryMonthFallsOnTheRightSideOfItsCusp)
{
    for (const Boundary& b : kBoundaries) {
        for (int day = 1; day <= 31; ++day) {
            const std::string expected = day >= b.cusp ? b.later : b.earlier;
            EXPECT_EQ(FindSunSign(b.month, std::to_string(day)), expected) << b.month << ' ' << day;
        }
    }
}

TEST(FindSunSign, TheNamedCuspDays)
{
    EXPECT_EQ(FindSunSign("January", "19"), "Capricorn");
    EXPECT_EQ(FindSunSign("January", "20"), "Aquarius");
    EXPECT_EQ(FindSunSign("February", "18"), "Aquarius");
    EXPECT_EQ(FindSunSign("February", "19"), "Pisces");
    EXPECT_EQ(FindSunSign("March", "20"), "Pisces");
    EXPECT_EQ(FindSunSign("March", "21"), "Aries");
    EXPECT_EQ(FindSunSign("December", "20"), "Sagittarius");
    EXPECT_EQ(FindSunSign("December", "21"), "Capricorn");
}

TEST(FindSunSign, DaysBeyondTheMonthsLengthAreNotChecked)
{
    EXPECT_EQ(FindSunSign("February", "30"), "Pisces");
    EXPECT_EQ(FindSunSign("February", "31"), "Pisces");
    EXPECT_EQ(FindSunSign("April", "31"), "Taurus");
    EXPECT_EQ(FindSunSign("June", "31"), "Cancer");
}

TEST(FindSunSign, MonthNamesMustMatchExactly)
{
    EXPECT_EQ(FindSunSign("january", "7"), "");
    EXPECT_EQ(FindSunSign(" January", "7"), "");
    EXPECT_EQ(FindSunSign("January ", "7"), "");
    EXPECT_EQ(FindSunSign("JANUARY", "7"), "");
    EXPECT_EQ(FindSunSign("Jan", "7"), "");
    EXPECT_EQ(FindSunSign("", "7"), "");
}

TEST(FindSunSign, AFractionalDayBetweenTheTwoTestsHasNoSign)
{
    EXPECT_EQ(FindSunSign("January", "19.5"), "");
    EXPECT_EQ(FindSunSign("March", "20.25"), "");
    // On either test's edge a fraction still decides.
    EXPECT_EQ(FindSunSign("January", "19.0"), "Capricorn");
    EXPECT_EQ(FindSunSign("January", "20.0"), "Aquarius");
    EXPECT_EQ(FindSunSign("March", "21.5"), "Aries");
}

TEST(FindSunSign, ADayThatIsNoNumberGivesNoSign)
{
    EXPECT_EQ(FindSunSign("March", ""), "");
    EXPECT_EQ(FindSunSign("March", "seven"), "");
    EXPECT_EQ(FindSunSign("March", "7th"), "");
}

namespace {

struct ShortValues {
    const char* sign;
    const char *element, *planet, *quality, *number, *colour, *day, *stone, *compatibility;
};

const ShortValues kShortValues[12] = {
    {"Aries", "Fire", "Mars", "Cardinal", "9", "Red", "Tuesday", "Diamond", "Leo & Sagittarius"},
    {"Taurus", "Earth", "Venus", "Fixed", "6", "Green", "Friday", "Emerald", "Capricorn & Virgo"},
    {"Gemini", "Air", "Mercury", "Mutable", "5", "Yellow", "Wednesday", "Agate", "Aquarius & Libra"},
    {"Cancer", "Water", "The Moon", "Cardinal", "2", "Silver", "Monday", "Pearl", "Pisces & Scorpio"},
    {"Leo", "Fire", "The Sun", "Fixed", "8 & 9", "Gold", "Sunday", "Ruby", "Aries & Sagittarius"},
    {"Virgo", "Earth", "Mercury", "Mutable", "3 & 5", "Blue", "Wednesday", "Sapphire", "Capricorn & Taurus"},
    {"Libra", "Air", "Venus", "Cardinal", "6 & 9", "Blue", "Friday", "Opal", "Aquarius and Gemini"},
    {"Scorpio", "Water", "Pluto and Mars", "Fixed", "2 & 4", "Burgundy and Black", "Tuesday", "Topaz",
     "Cancer & Pisces"},
    {"Sagittarius", "Fire", "Jupiter", "Mutable", "5 & 7", "Purple", "Thursday", "Turquoise", "Aries & Leo"},
    {"Capricorn", "Earth", "Saturn", "Cardinal", "8, 2", "Brown", "Saturday", "Garnet", "Taurus & Virgo"},
    {"Aquarius", "Air", "Uranus and Saturn", "Fixed", "1, 7", "Violet", "Wednesday", "Amethyst", "Taurus & Virgo"},
    {"Pisces", "Water", "Neptune and Jupiter", "Mutable", "2, 6", "Sea green", "Friday", "Aquamarine",
     "Taurus & Virgo"},
};

} // namespace

TEST(GetSunSignProfile, EverySignHasItsListedShortValues)
{
    for (const ShortValues& v : kShortValues) {
        SunSignProfile p;
        GetSunSignProfile(v.sign, p);
        EXPECT_EQ(p.Element, v.element) << v.sign;
        EXPECT_EQ(p.RulingPlanet, v.planet) << v.sign;
        EXPECT_EQ(p.Quality, v.quality) << v.sign;
        EXPECT_EQ(p.LuckyNumber, v.number) << v.sign;
        EXPECT_EQ(p.LuckyColor, v.colour) << v.sign;
        EXPECT_EQ(p.LuckyDay, v.day) << v.sign;
        EXPECT_EQ(p.BirthStone, v.stone) << v.sign;
        EXPECT_EQ(p.Compatibility, v.compatibility) << v.sign;
    }
}

TEST(GetSunSignProfile, TheNamedValues)
{
    SunSignProfile p;
    GetSunSignProfile("Pisces", p);
    EXPECT_EQ(p.Compatibility, "Taurus & Virgo");
    EXPECT_EQ(p.LuckyColor, "Sea green");
    GetSunSignProfile("Capricorn", p);
    EXPECT_EQ(p.LuckyNumber, "8, 2");
}

TEST(GetSunSignProfile, ANameThatIsNoSignLeavesTheRecordAsItWas)
{
    SunSignProfile p;
    GetSunSignProfile("Leo", p);
    const SunSignProfile leo = p;
    for (const char* name : {"", "leo", " Leo", "Leo ", "Ophiuchus"}) {
        GetSunSignProfile(name, p);
        EXPECT_EQ(p.Element, leo.Element) << name;
        EXPECT_EQ(p.PositiveTraits, leo.PositiveTraits) << name;
        EXPECT_EQ(p.FamousPersons, leo.FamousPersons) << name;
        EXPECT_EQ(p.Quality, leo.Quality) << name;
    }
    // A second sign overwrites every field of the first.
    GetSunSignProfile("Virgo", p);
    EXPECT_EQ(p.Element, "Earth");
    EXPECT_NE(p.PositiveTraits, leo.PositiveTraits);
    EXPECT_NE(p.NegativeTraits, leo.NegativeTraits);
    EXPECT_NE(p.FamousPersons, leo.FamousPersons);
}

namespace {

std::size_t count(const std::string& text, const std::string& part)
{
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++n;
    return n;
}

bool oneParagraph(const std::string& text)
{
    return !text.empty() && text.find_first_of("\r\n\t") == std::string::npos && text.front() != ' ' &&
           text.back() != ' ' && text.find("  ") == std::string::npos;
}

bool speaksToTheReader(const std::string& text)
{
    return text.rfind("You ", 0) == 0 || text.find(" you ") != std::string::npos ||
           text.find(" your ") != std::string::npos;
}

} // namespace

TEST(GetSunSignProfile, TheLongFieldsHaveTheirLengthsAndShape)
{
    std::set<std::string> positives, negatives, famous;
    for (std::size_t i = 0; i < modSunSign::ZodiacSign.size(); ++i) {
        const std::string sign(modSunSign::ZodiacSign[i]);
        EXPECT_EQ(content::SunSignProfileTexts[i].sign, sign);
        SunSignProfile p;
        GetSunSignProfile(sign, p);

        EXPECT_GE(p.PositiveTraits.size(), 513u) << sign;
        EXPECT_LE(p.PositiveTraits.size(), 999u) << sign;
        EXPECT_TRUE(oneParagraph(p.PositiveTraits)) << sign;
        EXPECT_TRUE(speaksToTheReader(p.PositiveTraits)) << sign;

        EXPECT_GE(p.NegativeTraits.size(), 331u) << sign;
        EXPECT_LE(p.NegativeTraits.size(), 655u) << sign;
        EXPECT_TRUE(oneParagraph(p.NegativeTraits)) << sign;
        EXPECT_TRUE(speaksToTheReader(p.NegativeTraits)) << sign;

        EXPECT_GE(p.FamousPersons.size(), 70u) << sign;
        EXPECT_LE(p.FamousPersons.size(), 110u) << sign;
        EXPECT_TRUE(oneParagraph(p.FamousPersons)) << sign;
        const std::size_t names = count(p.FamousPersons, ", ") + 1;
        EXPECT_GE(names, 5u) << sign;
        EXPECT_LE(names, 7u) << sign;
        EXPECT_EQ(count(p.FamousPersons, ","), names - 1) << sign << ": names are separated by \", \"";
        EXPECT_EQ(p.FamousPersons.find(" and "), std::string::npos) << sign;
        EXPECT_NE(p.FamousPersons.back(), '.') << sign;

        positives.insert(p.PositiveTraits);
        negatives.insert(p.NegativeTraits);
        famous.insert(p.FamousPersons);
    }
    EXPECT_EQ(positives.size(), 12u);
    EXPECT_EQ(negatives.size(), 12u);
    EXPECT_EQ(famous.size(), 12u);
}

namespace {

struct Birthday {
    const char* person;
    const char* month;
    const char* day;
};

// When each listed person was born (Gregorian calendar).
const Birthday kBirthdays[] = {
    {"Vincent van Gogh", "March", "30"},      {"Charlie Chaplin", "April", "16"},
    {"Marlon Brando", "April", "3"},          {"Aretha Franklin", "March", "25"},
    {"Elton John", "March", "25"},            {"Lady Gaga", "March", "28"},
    {"Queen Elizabeth II", "April", "21"},    {"Sigmund Freud", "May", "6"},
    {"Audrey Hepburn", "May", "4"},           {"Salvador Dali", "May", "11"},
    {"Stevie Wonder", "May", "13"},           {"Adele", "May", "5"},
    {"Marilyn Monroe", "June", "1"},          {"John F. Kennedy", "May", "29"},
    {"Paul McCartney", "June", "18"},         {"Bob Dylan", "May", "24"},
    {"Angelina Jolie", "June", "4"},          {"Morgan Freeman", "June", "1"},
    {"Nelson Mandela", "July", "18"},         {"Frida Kahlo", "July", "6"},
    {"Princess Diana", "July", "1"},          {"Tom Hanks", "July", "9"},
    {"Meryl Streep", "June", "22"},           {"Ringo Starr", "July", "7"},
    {"Napoleon Bonaparte", "August", "15"},   {"Coco Chanel", "August", "19"},
    {"Alfred Hitchcock", "August", "13"},     {"Neil Armstrong", "August", "5"},
    {"Barack Obama", "August", "4"},          {"Madonna", "August", "16"},
    {"Leo Tolstoy", "September", "9"},        {"Agatha Christie", "September", "15"},
    {"Mother Teresa", "August", "26"},        {"Freddie Mercury", "September", "5"},
    {"Michael Jackson", "August", "29"},      {"Beyonce", "September", "4"},
    {"Mahatma Gandhi", "October", "2"},       {"Oscar Wilde", "October", "16"},
    {"Eleanor Roosevelt", "October", "11"},   {"John Lennon", "October", "9"},
    {"Serena Williams", "September", "26"},   {"Will Smith", "September", "25"},
    {"Marie Curie", "November", "7"},         {"Pablo Picasso", "October", "25"},
    {"Grace Kelly", "November", "12"},        {"Bill Gates", "October", "28"},
    {"Julia Roberts", "October", "28"},       {"Leonardo DiCaprio", "November", "11"},
    {"Jane Austen", "December", "16"},        {"Mark Twain", "November", "30"},
    {"Winston Churchill", "November", "30"},  {"Walt Disney", "December", "5"},
    {"Frank Sinatra", "December", "12"},      {"Taylor Swift", "December", "13"},
    {"Isaac Newton", "January", "4"},         {"Elvis Presley", "January", "8"},
    {"Muhammad Ali", "January", "17"},        {"Michelle Obama", "January", "17"},
    {"David Bowie", "January", "8"},          {"Dolly Parton", "January", "19"},
    {"Virginia Woolf", "January", "25"},      {"Charles Darwin", "February", "12"},
    {"Abraham Lincoln", "February", "12"},    {"Thomas Edison", "February", "11"},
    {"Oprah Winfrey", "January", "29"},       {"Bob Marley", "February", "6"},
    {"Michelangelo", "March", "6"},           {"George Washington", "February", "22"},
    {"Victor Hugo", "February", "26"},        {"Albert Einstein", "March", "14"},
    {"Steve Jobs", "February", "24"},         {"Rihanna", "February", "20"},
};

} // namespace

TEST(GetSunSignProfile, EveryFamousPersonIsBornUnderTheirSign)
{
    std::size_t listed = 0;
    for (const std::string_view sign : modSunSign::ZodiacSign) {
        SunSignProfile p;
        GetSunSignProfile(std::string(sign), p);
        for (std::size_t start = 0; start < p.FamousPersons.size();) {
            const std::size_t end = std::min(p.FamousPersons.find(", ", start), p.FamousPersons.size());
            const std::string person = p.FamousPersons.substr(start, end - start);
            const auto birthday = std::find_if(std::begin(kBirthdays), std::end(kBirthdays),
                                               [&person](const Birthday& b) { return person == b.person; });
            if (birthday == std::end(kBirthdays)) {
                ADD_FAILURE() << person << " (" << sign << ") has no birthday in this test";
            } else {
                EXPECT_EQ(FindSunSign(birthday->month, birthday->day), sign) << person;
            }
            ++listed;
            start = end + 2;
        }
    }
    EXPECT_EQ(listed, std::size(kBirthdays));
}
