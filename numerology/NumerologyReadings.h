#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The couple as entered on the numerology entry screen: both partners' names and dates of
// birth as the user entered them (UTF-8). M is the partner under "Male", F the one under
// "Female".
struct NumerologyCouple {
    std::string FirstM, MiddleM, LastM, MonthM, DayM, YearM;
    std::string FirstF, MiddleF, LastF, MonthF, DayF, YearF;
};

// What the numerology readings make of a couple. The result screen and the report window
// each work out what they show from the couple they are handed and keep nothing after they
// close; the couple itself stays in the hidden entry screen's fields, which is what the user
// comes back to.
struct NumerologyResult {
    // The dates of birth, trimmed.
    std::string DayM, MonthM, YearM;
    std::string DayF, MonthF, YearF;

    std::int16_t LifePathM = 0, LifePathF = 0;
    std::string LifePathKey, LifePathInterpretation;

    // First, middle and last name joined without separator.
    std::string DestinyNameM, DestinyNameF;
    std::int16_t DestinyM = 0, DestinyF = 0;
    std::string DestinyKey, DestinyInterpretation;

    // First, middle and last name joined by single spaces.
    std::string FullNameM, FullNameF;
};

// The two readings the result screen shows one at a time.
enum class NumerologyReading { LifePath, Destiny };

// A piece of report text and whether it is bold. Line breaks inside are "\r\n".
struct ReportRun {
    std::string text;
    bool bold = false;

    bool operator==(const ReportRun&) const = default;
};
using ReportRuns = std::vector<ReportRun>;

namespace NumerologyReadings {

inline constexpr std::string_view LineBreak = "\r\n";
inline constexpr std::string_view LifePathCaption = "LifePath Compatibility";
inline constexpr std::string_view DestinyCaption = "Destiny Compatibility";

// Removes leading and trailing spaces, the way entered text is stored.
std::string TrimBlanks(std::string_view text);

// Each fills its part of result: both life-path numbers from the dates of birth, with their
// key and interpretation; both destiny numbers from the upper-cased names, with theirs;
// both full names for the comprehensive report. Each also stores the dates of birth.
void ComputeLifePath(const NumerologyCouple& couple, NumerologyResult& result);
void ComputeDestiny(const NumerologyCouple& couple, NumerologyResult& result);
void ComputeFullNames(const NumerologyCouple& couple, NumerologyResult& result);
// All three at once.
NumerologyResult ComputeNumerology(const NumerologyCouple& couple);

// The result screen's caption and text of a reading: the heading with both numbers, the
// interpretation and the closing line breaks.
std::string_view ReadingCaption(NumerologyReading reading);
std::string ReadingText(NumerologyReading reading, const NumerologyResult& result);
std::string LifePathResultText(const NumerologyResult& result);
std::string DestinyResultText(const NumerologyResult& result);

// The comprehensive report's opening: each partner's name and date of birth, not bold.
ReportRuns PartnerBlocks(const NumerologyResult& result);
// A reading's section of the comprehensive report: heading and interpretation in bold,
// then two line breaks in regular weight.
ReportRuns LifePathSection(const NumerologyResult& result);
ReportRuns DestinySection(const NumerologyResult& result);
// The whole comprehensive report: both partners, then the life-path and destiny sections.
ReportRuns ComprehensiveReport(const NumerologyResult& result);

} // namespace NumerologyReadings
