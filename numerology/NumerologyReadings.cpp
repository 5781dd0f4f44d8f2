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

void storeDates(const NumerologyCouple& couple, NumerologyResult& result)
{
    result.DayM = TrimBlanks(couple.DayM);
    result.MonthM = TrimBlanks(couple.MonthM);
    result.YearM = TrimBlanks(couple.YearM);
    result.DayF = TrimBlanks(couple.DayF);
    result.MonthF = TrimBlanks(couple.MonthF);
    result.YearF = TrimBlanks(couple.YearF);
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

void ComputeLifePath(const NumerologyCouple& couple, NumerologyResult& result)
{
    storeDates(couple, result);
    result.LifePathM = modNumerology::SingleDigitNumber(result.DayM, result.MonthM, result.YearM);
    result.LifePathF = modNumerology::SingleDigitNumber(result.DayF, result.MonthF, result.YearF);
    result.LifePathKey = modNumerology::PairKey(result.LifePathM, result.LifePathF);
    result.LifePathInterpretation = std::string(modNumerology::CombinationText(result.LifePathKey));
}

void ComputeDestiny(const NumerologyCouple& couple, NumerologyResult& result)
{
    storeDates(couple, result);
    result.DestinyNameM = TrimBlanks(couple.FirstM) + TrimBlanks(couple.MiddleM) + TrimBlanks(couple.LastM);
    result.DestinyNameF = TrimBlanks(couple.FirstF) + TrimBlanks(couple.MiddleF) + TrimBlanks(couple.LastF);
    result.DestinyM = modNumerology::StringToNumber(modNumerology::UpperCaseLatin(result.DestinyNameM));
    result.DestinyF = modNumerology::StringToNumber(modNumerology::UpperCaseLatin(result.DestinyNameF));
    result.DestinyKey = modNumerology::PairKey(result.DestinyM, result.DestinyF);
    result.DestinyInterpretation = std::string(modNumerology::CombinationText(result.DestinyKey));
}

void ComputeFullNames(const NumerologyCouple& couple, NumerologyResult& result)
{
    // An empty middle name leaves two spaces between first and last name.
    result.FullNameM = TrimBlanks(couple.FirstM) + " " + TrimBlanks(couple.MiddleM) + " " + TrimBlanks(couple.LastM);
    result.FullNameF = TrimBlanks(couple.FirstF) + " " + TrimBlanks(couple.MiddleF) + " " + TrimBlanks(couple.LastF);
    storeDates(couple, result);
}

NumerologyResult ComputeNumerology(const NumerologyCouple& couple)
{
    NumerologyResult result;
    ComputeLifePath(couple, result);
    ComputeDestiny(couple, result);
    ComputeFullNames(couple, result);
    return result;
}

std::string_view ReadingCaption(NumerologyReading reading)
{
    return reading == NumerologyReading::LifePath ? LifePathCaption : DestinyCaption;
}

std::string ReadingText(NumerologyReading reading, const NumerologyResult& result)
{
    return reading == NumerologyReading::LifePath ? LifePathResultText(result) : DestinyResultText(result);
}

std::string LifePathResultText(const NumerologyResult& result)
{
    return resultText("LifePath Compatibility Combination: ", result.LifePathM, result.LifePathF,
                      result.LifePathInterpretation);
}

std::string DestinyResultText(const NumerologyResult& result)
{
    return resultText("Destiny Compatibility Combination: ", result.DestinyM, result.DestinyF,
                      result.DestinyInterpretation);
}

ReportRuns PartnerBlocks(const NumerologyResult& result)
{
    return {
        {partnerBlock("Male Information", result.FullNameM, result.MonthM, result.DayM, result.YearM), false},
        {partnerBlock("Female Information", result.FullNameF, result.MonthF, result.DayF, result.YearF), false},
    };
}

ReportRuns LifePathSection(const NumerologyResult& result)
{
    return section("LifePath Compatibility Number Combination is ", result.LifePathM, result.LifePathF,
                   result.LifePathInterpretation);
}

ReportRuns DestinySection(const NumerologyResult& result)
{
    return section("Destiny Compatibility Combination is ", result.DestinyM, result.DestinyF,
                   result.DestinyInterpretation);
}

ReportRuns ComprehensiveReport(const NumerologyResult& result)
{
    ReportRuns runs = PartnerBlocks(result);
    for (const ReportRuns& part : {LifePathSection(result), DestinySection(result)})
        runs.insert(runs.end(), part.begin(), part.end());
    return runs;
}

} // namespace NumerologyReadings
