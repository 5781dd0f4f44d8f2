#include "moon/modMoonSignWestern.h"
#include "moon/modMoonsign.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

using modMoonsign::DayLetterTable;
using modMoonsign::FindMoonSign;
using modMoonsign::NewMoonDayTable;
using modMoonSignWestern::GridLetters;
using modMoonSignWestern::MoonSignGrid;
using modMoonSignWestern::SignName;

namespace {

int Entry(int year, int month) // month 1..12
{
    return NewMoonDayTable[year - modMoonsign::FirstYear][month - 1];
}

int DaysIn(int month, int year) // the calendar the entry screen enforces
{
    static constexpr int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && year % 4 == 0 ? 29 : days[month - 1];
}

int SignIndex(std::string_view code)
{
    for (int i = 0; i < 12; ++i) {
        if (modMoonSignWestern::SignCodes[i].code == code)
            return i;
    }
    return -1;
}

} // namespace

TEST(NewMoonDayTable, CoversEveryMonthOf1906To2004InOrder)
{
    ASSERT_EQ(modMoonsign::NewMoonYears.size(), 99u);
    EXPECT_EQ(modMoonsign::NewMoonYears.front(), 1906);
    EXPECT_EQ(modMoonsign::NewMoonYears.back(), 2004);
    for (int i = 1; i < 99; ++i)
        EXPECT_EQ(modMoonsign::NewMoonYears[i], modMoonsign::NewMoonYears[i - 1] + 1);
    for (int m = 0; m < 12; ++m)
        EXPECT_EQ(modMoonsign::NewMoonMonths[m], m);
    for (const auto& year : NewMoonDayTable)
        for (int day : year) {
            EXPECT_GE(day, 0);
            EXPECT_LE(day, 31);
        }
}

TEST(NewMoonDayTable, FirstAndLastYearsAsListed)
{
    const std::array<std::int16_t, 12> first{23, 23, 24, 23, 22, 21, 20, 19, 18, 17, 16, 15};
    const std::array<std::int16_t, 12> last{21, 20, 21, 19, 18, 16, 16, 14, 13, 12, 11, 11};
    EXPECT_EQ(NewMoonDayTable.front(), first);
    EXPECT_EQ(NewMoonDayTable.back(), last);
    // Rows with values that differ from the astronomical dates are kept as listed.
    const std::array<std::int16_t, 12> y1993{22, 24, 24, 22, 21, 20, 19, 17, 16, 15, 14, 14};
    const std::array<std::int16_t, 12> y2002{13, 12, 13, 12, 15, 10, 9, 8, 6, 6, 4, 4};
    EXPECT_EQ(NewMoonDayTable[1993 - 1906], y1993);
    EXPECT_EQ(NewMoonDayTable[2002 - 1906], y2002);
}

TEST(NewMoonDayTable, MonthsWithoutNewMoonHoldZero)
{
    std::vector<std::pair<int, int>> zeros;
    for (int y = 1906; y <= 2004; ++y)
        for (int m = 1; m <= 12; ++m)
            if (Entry(y, m) == 0)
                zeros.emplace_back(y, m);
    const std::vector<std::pair<int, int>> expected{{1919, 2}, {1938, 2}, {1942, 7}, {1957, 2}};
    EXPECT_EQ(zeros, expected);
}

TEST(NewMoonDayTable, SeventeenMonthsHoldThirtyOrThirtyOne)
{
    int count = 0;
    for (int y = 1906; y <= 2004; ++y)
        for (int m = 1; m <= 12; ++m)
            count += Entry(y, m) >= 30 ? 1 : 0;
    EXPECT_EQ(count, 17);
    EXPECT_EQ(Entry(1911, 3), 30);
    EXPECT_EQ(Entry(1913, 9), 30);
    EXPECT_EQ(Entry(1976, 3), 30);
    EXPECT_EQ(Entry(1997, 10), 31);
    EXPECT_EQ(Entry(1997, 11), 30);
}

TEST(NewMoonDayTable, January1976CarriesTheFirstOfItsTwoNewMoons)
{
    EXPECT_EQ(Entry(1976, 1), 1);
    EXPECT_EQ(Entry(1976, 2), 29);
    EXPECT_EQ(Entry(1957, 2), 0);
}

TEST(DayLetterTable, LettersFollowTheGridOrderThroughTheYear)
{
    std::vector<char> order;
    for (int m = 0; m < 12; ++m)
        for (int d = 1; d <= 31; ++d) {
            const char letter = DayLetterTable[m][d - 1];
            if (letter != '\0' && (order.empty() || order.back() != letter))
                order.push_back(letter);
        }
    EXPECT_EQ(order, std::vector<char>(GridLetters.begin(), GridLetters.end()));
}

TEST(DayLetterTable, OnlyMissingCalendarDaysCarryNoLetter)
{
    for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= 31; ++d) {
            const bool exists = d <= (m == 2 ? 29 : DaysIn(m, 2001));
            EXPECT_EQ(DayLetterTable[m - 1][d - 1] != '\0', exists) << m << "/" << d;
        }
    EXPECT_EQ(DayLetterTable[1][28], 'F'); // 29 February
}

TEST(DayLetterTable, DecemberRunsOfSmallMAndN)
{
    std::string december;
    for (int d = 1; d <= 31; ++d)
        december += DayLetterTable[11][d - 1];
    EXPECT_EQ(december, "iimmnnnnnnnnnnnnnnnnnnqqqqqqqqq");
    // Upper-case M is the May letter: 1 to 11 May.
    for (int d = 1; d <= 31; ++d)
        EXPECT_EQ(DayLetterTable[4][d - 1] == 'M', d <= 11);
}

TEST(GridLetters, UpperCaseThenTenLowerCase)
{
    std::string letters(GridLetters.begin(), GridLetters.end());
    EXPECT_EQ(letters, "ABCDEFGHIJKLMNOPQRSTUVWXYZabdefgimnq");
    EXPECT_EQ(modMoonSignWestern::GridColumn('M'), 12);
    EXPECT_EQ(modMoonSignWestern::GridColumn('m'), 33);
    EXPECT_EQ(modMoonSignWestern::GridColumn('c'), -1);
    EXPECT_EQ(modMoonSignWestern::GridColumn('\0'), -1);
}

TEST(MoonSignGrid, EveryCellHoldsOneOfTheTwelveCodes)
{
    for (const auto& row : MoonSignGrid)
        for (std::string_view cell : row)
            EXPECT_GE(SignIndex(cell), 0) << cell;
}

TEST(MoonSignGrid, SignsRunForwardExceptTheFourStepBackCells)
{
    // A cell steps back when it names the sign before its left neighbour's.
    std::vector<std::pair<int, char>> stepBacks;
    for (int r = 0; r < modMoonSignWestern::GridRows; ++r)
        for (int c = 1; c < 36; ++c) {
            const int step = (SignIndex(MoonSignGrid[r][c]) - SignIndex(MoonSignGrid[r][c - 1]) + 12) % 12;
            EXPECT_TRUE(step == 0 || step == 1 || step == 11) << r << "," << c;
            if (step == 11)
                stepBacks.emplace_back(r, GridLetters[c]);
        }
    const std::vector<std::pair<int, char>> expected{{9, 'X'}, {13, 'd'}, {20, 'C'}, {25, 'C'}};
    EXPECT_EQ(stepBacks, expected);

    EXPECT_EQ(MoonSignGrid[9][22], "CP");
    EXPECT_EQ(MoonSignGrid[9][23], "SA");
    EXPECT_EQ(MoonSignGrid[9][24], "CP");
    EXPECT_EQ(MoonSignGrid[13][27], "AR");
    EXPECT_EQ(MoonSignGrid[13][28], "PI");
    EXPECT_EQ(MoonSignGrid[13][29], "AR");
    EXPECT_EQ(MoonSignGrid[20][1], "LI");
    EXPECT_EQ(MoonSignGrid[20][2], "VI");
    EXPECT_EQ(MoonSignGrid[25][1], "SA");
    EXPECT_EQ(MoonSignGrid[25][2], "SC");
}

TEST(MoonSignGrid, CornersAsListed)
{
    EXPECT_EQ(MoonSignGrid[0][0], "CP");
    EXPECT_EQ(MoonSignGrid[0][35], "CP");
    EXPECT_EQ(MoonSignGrid[29][0], "CP");
    EXPECT_EQ(MoonSignGrid[29][35], "SA");
}

TEST(SignNaming, CodesNameTheTwelveSigns)
{
    const char* names[12] = {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo",
                             "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
    const char* codes[12] = {"AR", "TA", "GE", "CA", "LE", "VI", "LI", "SC", "SA", "CP", "AQ", "PI"};
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(SignName(codes[i]), names[i]);
    EXPECT_EQ(SignName("  LE "), "Leo");
    EXPECT_EQ(SignName("le"), "");
    EXPECT_EQ(SignName(""), "");
    EXPECT_EQ(SignName("L E"), "");
}

struct Example {
    int day, month, year;
    const char* code;
    const char* sign;
};

TEST(FindMoonSign, WorkedExamples)
{
    const Example examples[] = {
        {1, 1, 1950, "LE", "Leo"},      {10, 1, 1950, "LE", "Leo"},      {11, 1, 1950, "VI", "Virgo"},
        {15, 2, 1957, "PI", "Pisces"},  {29, 2, 1976, "AQ", "Aquarius"}, {21, 3, 1990, "AQ", "Aquarius"},
        {3, 12, 1990, "CA", "Cancer"},  {5, 12, 1990, "CA", "Cancer"},
    };
    for (const Example& e : examples) {
        const std::string_view code = FindMoonSign(e.day, e.month - 1, e.year);
        EXPECT_EQ(code, e.code) << e.day << "/" << e.month << "/" << e.year;
        EXPECT_EQ(SignName(code), e.sign);
    }
}

TEST(FindMoonSign, OneLetterRunGivesOneSign)
{
    for (int d = 1; d <= 10; ++d)
        EXPECT_EQ(FindMoonSign(d, 0, 1950), "LE") << d;
    for (int d = 11; d <= 20; ++d)
        EXPECT_EQ(FindMoonSign(d, 0, 1950), "VI") << d;
}

TEST(FindMoonSign, DecemberLettersAreNotTheMayLetter)
{
    // 1990: December's new moon is on the 17th, May's on the 24th.
    EXPECT_EQ(FindMoonSign(3, 11, 1990), MoonSignGrid[17][33]);
    EXPECT_EQ(FindMoonSign(4, 11, 1990), MoonSignGrid[17][33]);
    for (int d = 5; d <= 22; ++d)
        EXPECT_EQ(FindMoonSign(d, 11, 1990), MoonSignGrid[17][34]);
    EXPECT_EQ(FindMoonSign(23, 11, 1990), MoonSignGrid[17][35]);
    EXPECT_EQ(FindMoonSign(1, 4, 1990), MoonSignGrid[24][12]);
    EXPECT_EQ(FindMoonSign(1, 4, 1990), "AQ");
}

TEST(FindMoonSign, NewMoonOnThirtiethOrThirtyFirstContinuesAtTopOfGrid)
{
    // March 1976 (30) uses row 0, October 1997 (31) row 1.
    EXPECT_EQ(FindMoonSign(1, 2, 1976), MoonSignGrid[0][5]);
    EXPECT_EQ(FindMoonSign(1, 2, 1976), "PI");
    EXPECT_EQ(FindMoonSign(31, 2, 1976), MoonSignGrid[0][8]);
    EXPECT_EQ(FindMoonSign(1, 9, 1997), MoonSignGrid[1][26]);
    EXPECT_EQ(FindMoonSign(1, 9, 1997), "LI");
    EXPECT_EQ(FindMoonSign(15, 10, 1997), MoonSignGrid[0][31]);
}

TEST(FindMoonSign, EveryDateOf1906To2004HasOneOfTheTwelveSigns)
{
    int dates = 0;
    for (int y = 1906; y <= 2004; ++y)
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= DaysIn(m, y); ++d) {
                const std::string_view code = FindMoonSign(d, m - 1, y);
                ASSERT_FALSE(SignName(code).empty()) << d << "/" << m << "/" << y;
                ++dates;
            }
    EXPECT_EQ(dates, 36160); // 99 years, 25 of them leap years
}

TEST(FindMoonSign, DatesOutsideTheTablesGiveNoCode)
{
    EXPECT_EQ(FindMoonSign(1, 0, 1905), "");
    EXPECT_EQ(FindMoonSign(1, 0, 2005), "");
    EXPECT_EQ(FindMoonSign(30, 1, 1976), "");
    EXPECT_EQ(FindMoonSign(31, 3, 1976), "");
    EXPECT_EQ(FindMoonSign(0, 0, 1950), "");
    EXPECT_EQ(FindMoonSign(32, 0, 1950), "");
    EXPECT_EQ(FindMoonSign(1, 12, 1950), "");
    EXPECT_EQ(FindMoonSign(1, -1, 1950), "");
}
