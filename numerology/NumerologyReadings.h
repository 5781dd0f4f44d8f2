#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What the numerology entry screen holds: both partners' names and dates of birth as the
// user entered them (UTF-8). M is the partner under "Male", F the one under "Female".
struct NumerologyEntries {
    std::string FirstM, MiddleM, LastM, MonthM, DayM, YearM;
    std::string FirstF, MiddleF, LastF, MonthF, DayF, YearF;
};

// The reading state: every reading overwrites what it computes and keeps the rest.
struct NumerologyReadingState {
    // The dates of birth, trimmed; written by every reading.
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

    // True only while the comprehensive reading composes its report.
    bool Comprehensive = false;
};

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

// Both life-path numbers from the dates of birth, their key and interpretation.
void ComputeLifePath(const NumerologyEntries& entries, NumerologyReadingState& state);
// Both destiny numbers from the upper-cased names, their key and interpretation.
void ComputeDestiny(const NumerologyEntries& entries, NumerologyReadingState& state);
// Both full names for the comprehensive report, and the dates of birth.
void ComputeFullNames(const NumerologyEntries& entries, NumerologyReadingState& state);

// The result screen's text of a standalone reading: the heading with both numbers, the
// interpretation and the closing line breaks.
std::string LifePathResultText(const NumerologyReadingState& state);
std::string DestinyResultText(const NumerologyReadingState& state);

// The comprehensive report's opening: each partner's name and date of birth, not bold.
ReportRuns PartnerBlocks(const NumerologyReadingState& state);
// A reading's section of the comprehensive report: heading and interpretation in bold,
// then two line breaks in regular weight.
ReportRuns LifePathSection(const NumerologyReadingState& state);
ReportRuns DestinySection(const NumerologyReadingState& state);

} // namespace NumerologyReadings
