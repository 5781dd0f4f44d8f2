#include "numerology/NumerologyReadings.h"
#include "numerology/modNumerology.h"

#include <gtest/gtest.h>

using namespace NumerologyReadings;

namespace {

NumerologyCouple couple()
{
    NumerologyCouple e;
    e.FirstM = "John";
    e.MiddleM = "Paul";
    e.LastM = "Smith";
    e.MonthM = "December";
    e.DayM = "31";
    e.YearM = "1999";
    e.FirstF = "Anna";
    e.MiddleF = "";
    e.LastF = "Lee";
    e.MonthF = "May";
    e.DayF = "5";
    e.YearF = "1985";
    return e;
}

NumerologyCouple swapped(const NumerologyCouple& e)
{
    NumerologyCouple s;
    s.FirstM = e.FirstF, s.MiddleM = e.MiddleF, s.LastM = e.LastF;
    s.MonthM = e.MonthF, s.DayM = e.DayF, s.YearM = e.YearF;
    s.FirstF = e.FirstM, s.MiddleF = e.MiddleM, s.LastF = e.LastM;
    s.MonthF = e.MonthM, s.DayF = e.DayM, s.YearF = e.YearM;
    return s;
}

std::string interpretation(const char* key)
{
    return std::string(modNumerology::CombinationText(key));
}

} // namespace

TEST(LifePathReading, ComputesBothNumbersTheKeyAndTheText)
{
    NumerologyResult state;
    ComputeLifePath(couple(), state);
    EXPECT_EQ(state.LifePathM, 8);
    EXPECT_EQ(state.LifePathF, 6);
    EXPECT_EQ(state.LifePathKey, "86");
    EXPECT_EQ(state.LifePathInterpretation, interpretation("86"));
    EXPECT_EQ(LifePathResultText(state),
              "LifePath Compatibility Combination: 8 + 6\r\n\r\n" + interpretation("86") + "\r\n\r\n\r\n\r\n");
}

TEST(LifePathReading, SwappingThePartnersSwapsTheNumbers)
{
    NumerologyResult state;
    ComputeLifePath(swapped(couple()), state);
    EXPECT_EQ(state.LifePathKey, "68");
    EXPECT_EQ(LifePathResultText(state).substr(0, 45), "LifePath Compatibility Combination: 6 + 8\r\n\r\n");
}

TEST(LifePathReading, StoresTheDatesTrimmed)
{
    NumerologyCouple e = couple();
    e.DayM = " 31 ";
    e.YearF = "1985  ";
    NumerologyResult state;
    ComputeLifePath(e, state);
    EXPECT_EQ(state.DayM, "31");
    EXPECT_EQ(state.YearF, "1985");
    EXPECT_EQ(state.LifePathKey, "86");
}

TEST(DestinyReading, JoinsTheNamesWithoutSeparatorAndCountsThemInCapitals)
{
    NumerologyResult state;
    ComputeDestiny(couple(), state);
    EXPECT_EQ(state.DestinyNameM, "JohnPaulSmith");
    EXPECT_EQ(state.DestinyNameF, "AnnaLee");
    // JOHNPAULSMITH: 1+6+8+5+7+1+3+3+1+4+9+2+8 = 58 -> 13 -> 4; ANNALEE: 1+5+5+1+3+5+5 = 25 -> 7.
    EXPECT_EQ(state.DestinyM, 4);
    EXPECT_EQ(state.DestinyF, 7);
    EXPECT_EQ(state.DestinyKey, "47");
    EXPECT_EQ(state.DestinyInterpretation, interpretation("47"));
    EXPECT_EQ(DestinyResultText(state),
              "Destiny Compatibility Combination: 4 + 7\r\n\r\n" + interpretation("47") + "\r\n\r\n\r\n\r\n");
}

TEST(DestinyReading, GivesTheSameNumberInAnyCaseAndIgnoresBlanksAndMarks)
{
    NumerologyCouple lower = couple();
    lower.FirstF = "anna";
    lower.LastF = "";
    NumerologyCouple upper = lower;
    upper.FirstF = "ANNA";
    NumerologyResult a, b;
    ComputeDestiny(lower, a);
    ComputeDestiny(upper, b);
    EXPECT_EQ(a.DestinyF, 3);
    EXPECT_EQ(b.DestinyF, 3);

    NumerologyCouple spaced = couple();
    spaced.FirstF = "  Mary Ann ";
    NumerologyCouple hyphened = couple();
    hyphened.FirstF = "Mary-Ann";
    NumerologyCouple joined = couple();
    joined.FirstF = "MaryAnn";
    ComputeDestiny(spaced, a);
    EXPECT_EQ(a.DestinyNameF, "Mary AnnLee");
    const int expected = a.DestinyF;
    ComputeDestiny(hyphened, a);
    EXPECT_EQ(a.DestinyF, expected);
    ComputeDestiny(joined, a);
    EXPECT_EQ(a.DestinyF, expected);
}

TEST(DestinyReading, ANameWithoutLettersGivesZeroAndAnEmptyInterpretation)
{
    NumerologyCouple e = couple();
    e.FirstM = "123";
    e.MiddleM = "";
    e.LastM = "---";
    NumerologyResult state;
    ComputeDestiny(e, state);
    EXPECT_EQ(state.DestinyM, 0);
    EXPECT_EQ(state.DestinyKey, "07");
    EXPECT_EQ(state.DestinyInterpretation, "");
    EXPECT_EQ(DestinyResultText(state), "Destiny Compatibility Combination: 0 + 7\r\n\r\n\r\n\r\n\r\n\r\n");

    ComputeDestiny(swapped(e), state);
    EXPECT_EQ(state.DestinyKey, "70");
    EXPECT_EQ(state.DestinyInterpretation, "");
}

TEST(DestinyReading, AccentedAndNonLatinLettersCountNothing)
{
    NumerologyCouple e = couple();
    e.FirstM = "\xC3\x89mile";      // Émile: M, I, L, E count
    e.MiddleM = "";
    e.LastM = "\xD0\x98\xD0\xB2";   // Cyrillic, counts 0
    NumerologyResult state;
    ComputeDestiny(e, state);
    EXPECT_EQ(state.DestinyM, modNumerology::StringToNumber("MILE"));
}

TEST(DestinyReading, AHugeNameGivesAThreeDigitKeyAndAnEmptyInterpretation)
{
    NumerologyCouple e = couple();
    e.FirstM = std::string(333, 'r');
    e.MiddleM = "";
    e.LastM = "b"; // 2999 -> 11
    NumerologyResult state;
    ComputeDestiny(e, state);
    EXPECT_EQ(state.DestinyM, 11);
    EXPECT_EQ(state.DestinyKey, "117");
    EXPECT_EQ(state.DestinyInterpretation, "");
    EXPECT_EQ(DestinyResultText(state), "Destiny Compatibility Combination: 11 + 7\r\n\r\n\r\n\r\n\r\n\r\n");

    // Beside a name without letters the key is "011", which is no pair of 1 and 1.
    NumerologyCouple f = e;
    f.FirstF = "", f.MiddleF = "", f.LastF = "?";
    NumerologyResult other;
    ComputeDestiny(swapped(f), other);
    EXPECT_EQ(other.DestinyKey, "011");
    EXPECT_EQ(other.DestinyInterpretation, "");
}

TEST(ComprehensiveReading, OpensWithBothPartnersNameAndDateOfBirth)
{
    NumerologyCouple e = couple();
    e.FirstM = " John ";
    NumerologyResult state;
    ComputeFullNames(e, state);
    EXPECT_EQ(state.FullNameM, "John Paul Smith");
    EXPECT_EQ(state.FullNameF, "Anna  Lee"); // no middle name: two spaces
    const ReportRuns expected{
        {"Male Information\r\nName: John Paul Smith\r\nDate of Birth: December 31, 1999\r\n\r\n", false},
        {"Female Information\r\nName: Anna  Lee\r\nDate of Birth: May 5, 1985\r\n\r\n", false},
    };
    EXPECT_EQ(PartnerBlocks(state), expected);
}

TEST(ComprehensiveReading, SectionsAreBoldHeadingAndTextThenTwoPlainLineBreaks)
{
    NumerologyResult state;
    ComputeLifePath(couple(), state);
    ComputeDestiny(couple(), state);
    const ReportRuns lifePath{
        {"LifePath Compatibility Number Combination is 8 + 6\r\n\r\n", true},
        {interpretation("86") + "\r\n\r\n", true},
        {"\r\n\r\n", false},
    };
    EXPECT_EQ(LifePathSection(state), lifePath);
    const ReportRuns destiny{
        {"Destiny Compatibility Combination is 4 + 7\r\n\r\n", true},
        {interpretation("47") + "\r\n\r\n", true},
        {"\r\n\r\n", false},
    };
    EXPECT_EQ(DestinySection(state), destiny);
}

TEST(ComprehensiveReading, AKeyWithoutTextStillGivesTheHeadingAndLineBreaks)
{
    NumerologyCouple e = couple();
    e.FirstF = "1", e.MiddleF = "", e.LastF = "2";
    NumerologyResult state;
    ComputeDestiny(e, state);
    const ReportRuns destiny{
        {"Destiny Compatibility Combination is 4 + 0\r\n\r\n", true},
        {"\r\n\r\n", true},
        {"\r\n\r\n", false},
    };
    EXPECT_EQ(DestinySection(state), destiny);
}

TEST(TrimBlanks, RemovesOnlyLeadingAndTrailingSpaces)
{
    EXPECT_EQ(TrimBlanks("  Anna Lee  "), "Anna Lee");
    EXPECT_EQ(TrimBlanks("   "), "");
    EXPECT_EQ(TrimBlanks(""), "");
    EXPECT_EQ(TrimBlanks("\tAnna\t"), "\tAnna\t");
}
