#include "numerology/NumerologyReadings.h"

#include "numerology/modNumerology.h"

namespace NumerologyReadings {

namespace {

std::string twoBreaks()
{
    return std::string(LineBreak) + std::string(LineBreak);
}

std::string numbers(std::int16_t male, std::int16_t female)
{
    return std::to_string(male) + " + " + std::to_string(female);
}

std::string resultText(std::string_view heading, std::int16_t male, std::int16_t female,
                       std::string_view interpretation)
{
    std::string text = std::string(heading) + numbers(male, female) + twoBreaks();
    text += std::string(interpretation) + twoBreaks();
    text += twoBreaks();
    return text;
}

ReportRuns section(std::string_view heading, std::int16_t male, std::int16_t female,
                   std::string_view interpretation)
{
    return {
        {std::string(heading) + numbers(male, female) + twoBreaks(), true},
        {std::string(interpretation) + twoBreaks(), true},
        {twoBreaks(), false},
    };
}

std::string partnerBlock(std::string_view title, const std::string& fullName, const std::string& month,
                         const std::string& day, const std::string& year)
{
    std::string block(title);
    block += LineBreak;
    block += "Name: " + fullName;
    block += LineBreak;
    block += "Date of Birth: " + month + " " + day + ", " + year;
    block += twoBreaks();
    return block;
}

void storeDates(const NumerologyEntries& entries, NumerologyReadingState& state)
{
    state.DayM = TrimBlanks(entries.DayM);
    state.MonthM = TrimBlanks(entries.MonthM);
    state.YearM = TrimBlanks(entries.YearM);
    state.DayF = TrimBlanks(entries.DayF);
    state.MonthF = TrimBlanks(entries.MonthF);
    state.YearF = TrimBlanks(entries.YearF);
}

} // namespace

std::string TrimBlanks(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

void ComputeLifePath(const NumerologyEntries& entries, NumerologyReadingState& state)
{
    storeDates(entries, state);
    state.LifePathM = modNumerology::SingleDigitNumber(state.DayM, state.MonthM, state.YearM);
    state.LifePathF = modNumerology::SingleDigitNumber(state.DayF, state.MonthF, state.YearF);
    state.LifePathKey = modNumerology::PairKey(state.LifePathM, state.LifePathF);
    state.LifePathInterpretation = std::string(modNumerology::CombinationText(state.LifePathKey));
}

void ComputeDestiny(const NumerologyEntries& entries, NumerologyReadingState& state)
{
    storeDates(entries, state);
    state.DestinyNameM = TrimBlanks(entries.FirstM) + TrimBlanks(entries.MiddleM) + TrimBlanks(entries.LastM);
    state.DestinyNameF = TrimBlanks(entries.FirstF) + TrimBlanks(entries.MiddleF) + TrimBlanks(entries.LastF);
    state.DestinyM = modNumerology::StringToNumber(modNumerology::UpperCaseLatin(state.DestinyNameM));
    state.DestinyF = modNumerology::StringToNumber(modNumerology::UpperCaseLatin(state.DestinyNameF));
    state.DestinyKey = modNumerology::PairKey(state.DestinyM, state.DestinyF);
    state.DestinyInterpretation = std::string(modNumerology::CombinationText(state.DestinyKey));
}

void ComputeFullNames(const NumerologyEntries& entries, NumerologyReadingState& state)
{
    // An empty middle name leaves two spaces between first and last name.
    state.FullNameM = TrimBlanks(entries.FirstM) + " " + TrimBlanks(entries.MiddleM) + " " + TrimBlanks(entries.LastM);
    state.FullNameF = TrimBlanks(entries.FirstF) + " " + TrimBlanks(entries.MiddleF) + " " + TrimBlanks(entries.LastF);
    storeDates(entries, state);
}

std::string LifePathResultText(const NumerologyReadingState& state)
{
    return resultText("LifePath Compatibility Combination: ", state.LifePathM, state.LifePathF,
                      state.LifePathInterpretation);
}

std::string DestinyResultText(const NumerologyReadingState& state)
{
    return resultText("Destiny Compatibility Combination: ", state.DestinyM, state.DestinyF,
                      state.DestinyInterpretation);
}

ReportRuns PartnerBlocks(const NumerologyReadingState& state)
{
    return {
        {partnerBlock("Male Information", state.FullNameM, state.MonthM, state.DayM, state.YearM), false},
        {partnerBlock("Female Information", state.FullNameF, state.MonthF, state.DayF, state.YearF), false},
    };
}

ReportRuns LifePathSection(const NumerologyReadingState& state)
{
    return section("LifePath Compatibility Number Combination is ", state.LifePathM, state.LifePathF,
                   state.LifePathInterpretation);
}

ReportRuns DestinySection(const NumerologyReadingState& state)
{
    return section("Destiny Compatibility Combination is ", state.DestinyM, state.DestinyF,
                   state.DestinyInterpretation);
}

} // namespace NumerologyReadings
