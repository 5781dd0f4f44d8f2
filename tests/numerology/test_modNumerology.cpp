#include "content/NumerologyCombinationTexts.h"
#include "numerology/modNumerology.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

using namespace modNumerology;

namespace {

struct DateCase {
    const char* day;
    const char* month;
    const char* year;
    int expected;
};

} // namespace

TEST(SingleDigitNumber, ReducesTheWorkedExampleDates)
{
    const DateCase cases[] = {
        {"31", "December", "1999", 8}, // 2042 -> 8
        {"5", "May", "1985", 6},       // 1995 -> 24 -> 6
        {"3", "March", "1984", 1},     // 1990 -> 19 -> 10 -> 1
        {"15", "March", "2017", 1},    // 2035 -> 10 -> 1
        {"2", "January", "1999", 4},   // 2002 -> 4
    };
    for (const DateCase& c : cases)
        EXPECT_EQ(SingleDigitNumber(c.day, c.month, c.year), c.expected) << c.day << ' ' << c.month << ' ' << c.year;
}

TEST(SingleDigitNumber, DigitSumsOf19And28BecomeOneNeverTen)
{
    EXPECT_EQ(SingleDigitNumber("3", "March", "1984"), 1);   // s = 19
    EXPECT_EQ(SingleDigitNumber("1", "January", "1997"), 1); // 1999, s = 28
    EXPECT_EQ(SingleDigitNumber("1900", "0", "0"), 1);       // s = 10
}

TEST(SingleDigitNumber, ElevenAndTwentyTwoAreNotKept)
{
    EXPECT_EQ(SingleDigitNumber("5", "May", "1999"), 2);     // 2009, s = 11 -> 2
    EXPECT_EQ(SingleDigitNumber("1", "January", "1991"), 4); // 1993, s = 22 -> 4
}

TEST(SingleDigitNumber, ReducesATwoDigitSumOnceOnly)
{
    EXPECT_EQ(SingleDigitNumber("2999", "0", "0"), 11);  // s = 29 -> 11, not 2
    EXPECT_EQ(SingleDigitNumber("29999", "0", "0"), 11); // s = 38 -> 11
    EXPECT_EQ(SingleDigitNumber("1999", "0", "0"), 1);   // s = 28 -> 10 -> 1
}

TEST(SingleDigitNumber, AddsTheMonthOnlyForAnExactMonthName)
{
    EXPECT_EQ(SingleDigitNumber("1", "March", "2000"), 6); // 2004
    for (const char* other : {"march", "MARCH", "Mar", "March ", "0", "", "3"})
        EXPECT_EQ(SingleDigitNumber("1", other, "2000"), 3) << other; // 2001
    for (std::size_t i = 0; i < MonthNames.size(); ++i)
        EXPECT_EQ(MonthNumber(MonthNames[i]), int(i) + 1);
}

TEST(SingleDigitNumber, GivesOneToNineForEveryDateTheEntryScreenOffers)
{
    // Every day 1..31 with every month, 31 February included, and every year 1900..2050.
    for (int day = 1; day <= 31; ++day) {
        for (std::string_view month : MonthNames) {
            for (int year = 1900; year <= 2050; ++year) {
                const int result = SingleDigitNumber(std::to_string(day), month, std::to_string(year));
                ASSERT_GE(result, 1) << day << ' ' << month << ' ' << year;
                ASSERT_LE(result, 9) << day << ' ' << month << ' ' << year;
            }
        }
    }
    EXPECT_EQ(SingleDigitNumber("31", "February", "2001"), 9); // 2034
}

TEST(SingleDigitNumber, CountsTextsThatAreNoPlainNumberAsZero)
{
    EXPECT_EQ(SingleDigitNumber("", "0", "0"), 0);
    EXPECT_EQ(SingleDigitNumber("abc", "0", "0"), 0);
    EXPECT_EQ(SingleDigitNumber("12abc", "January", "2000"), 3); // 0 + 1 + 2000
    EXPECT_EQ(SingleDigitNumber("1.5", "0", "1900"), 1);         // 1900
}

TEST(SingleDigitNumber, HoldsTotalsBeyondSixteenBitsAtTheLimit)
{
    // 32767 + 12 would overflow a 16-bit total; it stays at 32767, digit sum 25.
    EXPECT_EQ(SingleDigitNumber("32767", "December", "0"), 7);
    EXPECT_EQ(SingleDigitNumber("99999999999999999999", "0", "99999"), 7);
    EXPECT_EQ(SingleDigitNumber("-5", "0", "0"), 5); // the sign is no digit
}

TEST(StringToNumber, ReducesTheLetterSum)
{
    EXPECT_EQ(StringToNumber("ABC"), 6);                // 6
    EXPECT_EQ(StringToNumber("ZZZ"), 6);                // 24 -> 6
    EXPECT_EQ(StringToNumber(std::string(11, 'R')), 9); // 99 -> 18 -> 9
    EXPECT_EQ(StringToNumber("ANNA"), 3);               // 12 -> 3
    EXPECT_EQ(StringToNumber("JOHNSMITH"), 8);          // 44 -> 8
    EXPECT_EQ(StringToNumber("IIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIII"
                             "IIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIII"
                             "IIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIII"),
              9); // 201 letters I: 1809 -> 18 -> 9
}

TEST(StringToNumber, UsesTheLetterTable)
{
    const char* const byValue[9] = {"AJS", "BKT", "CLU", "DMV", "ENW", "FOX", "GPY", "HQZ", "IR"};
    std::string seen;
    for (int value = 1; value <= 9; ++value) {
        for (const char* c = byValue[value - 1]; *c; ++c) {
            EXPECT_EQ(LetterValue(*c), value) << *c;
            EXPECT_EQ(StringToNumber(std::string(1, *c)), value) << *c;
            seen += *c;
        }
    }
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(seen, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
}

TEST(StringToNumber, CountsOnlyCapitalLatinLetters)
{
    EXPECT_EQ(StringToNumber(""), 0);
    EXPECT_EQ(StringToNumber("1234567890"), 0);
    EXPECT_EQ(StringToNumber("- '.,"), 0);
    EXPECT_EQ(StringToNumber("anna"), 0);
    EXPECT_EQ(StringToNumber("\xC3\x89"), 0);                  // É
    EXPECT_EQ(StringToNumber("\xC3\x9C\xC3\x96"), 0);          // ÜÖ
    EXPECT_EQ(StringToNumber("\xD0\x90\xD0\x9D\xD0\x90"), 0);  // АНА (Cyrillic)
    EXPECT_EQ(StringToNumber("A\xC3\x89" "B"), 3);             // AÉB: only A and B count
    EXPECT_EQ(StringToNumber("MARY-ANN O'NEIL"), StringToNumber("MARYANNONEIL"));
}

TEST(StringToNumber, ReturnsElevenForLetterSumsFrom2999)
{
    // 333 letters R and one B: 2997 + 2 = 2999 -> s = 29 -> 11.
    EXPECT_EQ(StringToNumber(std::string(333, 'R') + "B"), 11);
    // Every sum below 2999 reduces to 0..9.
    for (int sum = 0; sum < 2999; ++sum) {
        const int result = SingleDigitNumber(std::to_string(sum), "0", "0");
        ASSERT_GE(result, 0) << sum;
        ASSERT_LE(result, 9) << sum;
    }
}

TEST(StringToNumber, HoldsTheSumOfAVeryLongNameAtTheLimit)
{
    // 4000 letters R would sum to 36000; the 16-bit sum stays at 32767 (digit sum 25).
    EXPECT_EQ(StringToNumber(std::string(4000, 'R')), 7);
    EXPECT_EQ(StringToNumber(std::string(100000, 'Z')), 7);
}

TEST(UpperCaseLatin, RaisesOnlyTheLatinLettersSoBothCasesGiveTheSameNumber)
{
    EXPECT_EQ(UpperCaseLatin("anna"), "ANNA");
    EXPECT_EQ(StringToNumber(UpperCaseLatin("anna")), 3);
    EXPECT_EQ(StringToNumber(UpperCaseLatin("ANNA")), 3);
    EXPECT_EQ(StringToNumber(UpperCaseLatin("aNnA")), 3);
    EXPECT_EQ(UpperCaseLatin("Mary-Ann o'neil 3"), "MARY-ANN O'NEIL 3");
    // Accented and other letters are left alone and count 0 in either case; so do letters
    // that only a full Unicode mapping would turn into Latin capitals.
    EXPECT_EQ(UpperCaseLatin("\xC3\xA9"), "\xC3\xA9");                   // é
    EXPECT_EQ(StringToNumber(UpperCaseLatin("\xC3\xA9")), 0);            // é
    EXPECT_EQ(StringToNumber(UpperCaseLatin("\xC3\x89")), 0);            // É
    EXPECT_EQ(StringToNumber(UpperCaseLatin("stra\xC3\x9F" "e")), StringToNumber("STRAE")); // ß counts 0
    EXPECT_EQ(StringToNumber(UpperCaseLatin("\xC4\xB1")), 0);            // dotless ı
    EXPECT_EQ(StringToNumber(UpperCaseLatin("Zo\xC3\xAB")), StringToNumber("ZO")); // Zoë
}

TEST(PairKey, PutsTheFirstPartnersNumberFirst)
{
    EXPECT_EQ(PairKey(3, 5), "35");
    EXPECT_EQ(PairKey(5, 3), "53");
    EXPECT_EQ(PairKey(0, 5), "05");
    EXPECT_EQ(PairKey(3, 0), "30");
    EXPECT_EQ(PairKey(11, 4), "114");
    EXPECT_EQ(PairKey(0, 11), "011");
}

TEST(CombinationText, HasATextForEveryKeyOfTwoDigitsOneToNine)
{
    int count = 0;
    for (int a = 1; a <= 9; ++a) {
        for (int b = 1; b <= 9; ++b) {
            EXPECT_FALSE(CombinationText(PairKey(std::int16_t(a), std::int16_t(b))).empty()) << a << b;
            ++count;
        }
    }
    EXPECT_EQ(count, 81);
}

TEST(CombinationText, IsEmptyForEveryOtherKey)
{
    for (const char* key : {"", "0", "7", "00", "05", "30", "10", "90", "114", "011", "111", "-11", " 35", "3 5", "ab"})
        EXPECT_TRUE(CombinationText(key).empty()) << key;
}

namespace {

std::string text(int a, int b)
{
    return std::string(CombinationText(std::to_string(a * 10 + b)));
}

std::vector<std::string> words(const std::string& s)
{
    std::vector<std::string> out;
    std::string word;
    for (char c : s + ' ') {
        if (c == ' ') {
            if (!word.empty())
                out.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    return out;
}

} // namespace

TEST(NumerologyCombinationTexts, AreKeyedElevenToNinetyNineWithoutZeroDigits)
{
    std::size_t i = 0;
    for (int a = 1; a <= 9; ++a) {
        for (int b = 1; b <= 9; ++b)
            EXPECT_EQ(content::NumerologyCombinationTexts.at(i++).key, std::to_string(a * 10 + b));
    }
}

TEST(NumerologyCombinationTexts, ShareTheirTextsAsThePairsDo)
{
    std::set<std::string_view> distinct;
    for (const content::KeyedText& entry : content::NumerologyCombinationTexts)
        distinct.insert(entry.text);
    EXPECT_EQ(distinct.size(), 48u);

    // 12 and 21: two texts of their own.
    EXPECT_NE(text(1, 2), text(2, 1));

    // 13 and 31: the same sentence but for one word.
    const auto w13 = words(text(1, 3));
    const auto w31 = words(text(3, 1));
    ASSERT_EQ(w13.size(), w31.size());
    int differing = 0;
    for (std::size_t i = 0; i < w13.size(); ++i)
        differing += w13[i] != w31[i];
    EXPECT_EQ(differing, 1);

    // 38 and 83: one of them lacks the final full stop.
    const std::string t38 = text(3, 8);
    const std::string t83 = text(8, 3);
    EXPECT_NE(t38, t83);
    EXPECT_TRUE(t38 == t83 + "." || t83 == t38 + ".");

    // Every other pair of different digits shares one text.
    for (int a = 1; a <= 9; ++a) {
        for (int b = a + 1; b <= 9; ++b) {
            if ((a == 1 && b == 2) || (a == 1 && b == 3) || (a == 3 && b == 8))
                continue;
            EXPECT_EQ(text(a, b), text(b, a)) << a << b;
        }
    }
    // The equal pairs each have a text of their own.
    std::set<std::string> doubles;
    for (int a = 1; a <= 9; ++a)
        doubles.insert(text(a, a));
    EXPECT_EQ(doubles.size(), 9u);
}

TEST(NumerologyCombinationTexts, AreOneToFourSentencesOf90To285Characters)
{
    for (const content::KeyedText& entry : content::NumerologyCombinationTexts) {
        const std::string_view t = entry.text;
        EXPECT_GE(t.size(), 90u) << entry.key;
        EXPECT_LE(t.size(), 285u) << entry.key;
        int sentences = 0;
        for (std::size_t i = 0; i < t.size(); ++i) {
            if ((t[i] == '.' || t[i] == '!' || t[i] == '?') && (i + 1 == t.size() || t[i + 1] == ' '))
                ++sentences;
        }
        if (t.back() != '.' && t.back() != '!' && t.back() != '?')
            ++sentences; // the text of 38 or 83 without its full stop
        EXPECT_GE(sentences, 1) << entry.key;
        EXPECT_LE(sentences, 4) << entry.key;
        EXPECT_TRUE(t.find("you") != std::string_view::npos || t.find("You") != std::string_view::npos)
            << entry.key;
        EXPECT_EQ(t.find('\n'), std::string_view::npos) << entry.key;
        EXPECT_TRUE(std::all_of(t.begin(), t.end(), [](char c) { return c >= ' ' && c <= '~'; })) << entry.key;
    }
}
