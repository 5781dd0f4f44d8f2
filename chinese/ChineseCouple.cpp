#include "chinese/ChineseCouple.h"

#include <chrono>
#include <utility>

namespace {

ChinesePartner makePartner(const std::string& name, const std::string& day, const std::string& month,
                           const std::string& year)
{
    using namespace modchinesezodiac;
    // A day that is no calendar day lies in no Chinese year, like a day outside the table.
    const std::chrono::year_month_day date = ParseBirthDate(day, month, year).value_or(std::chrono::year_month_day{});
    ChinesePartner partner;
    partner.Name = name;
    partner.BirthDate = day + " " + month + " " + year;
    partner.Animal = FindChineseAnimal(date);
    partner.Element = FindChineseElement(date);
    partner.Profile = GetAnimalProfile(partner.Animal);
    partner.ElementDescription = GetElementDescription(partner.Element);
    return partner;
}

} // namespace

ChinesePartner ChineseResult::partnerM() const
{
    return {NameM, BirthDateM, AnimalM, ElementM, ProfileM, ElementDescriptionM};
}

ChinesePartner ChineseResult::partnerF() const
{
    return {NameF, BirthDateF, AnimalF, ElementF, ProfileF, ElementDescriptionF};
}

ChineseResult ComputeChineseResult(const ChineseCouple& couple)
{
    using namespace modchinesezodiac;
    ChinesePartner first = makePartner(couple.NameM, couple.DayM, couple.MonthM, couple.YearM);
    ChinesePartner second = makePartner(couple.NameF, couple.DayF, couple.MonthF, couple.YearF);

    ChineseResult result;
    result.NameM = std::move(first.Name);
    result.BirthDateM = std::move(first.BirthDate);
    result.AnimalM = std::move(first.Animal);
    result.ElementM = std::move(first.Element);
    result.ProfileM = std::move(first.Profile);
    result.ElementDescriptionM = std::move(first.ElementDescription);

    result.NameF = std::move(second.Name);
    result.BirthDateF = std::move(second.BirthDate);
    result.AnimalF = std::move(second.Animal);
    result.ElementF = std::move(second.Element);
    result.ProfileF = std::move(second.Profile);
    result.ElementDescriptionF = std::move(second.ElementDescription);

    result.Score = AnimalPairScore(result.AnimalM, result.AnimalF);
    result.PairText = GetAnimalPairText(result.AnimalM, result.AnimalF);
    const MatchRating rating = ChineseMatchRating(result.Score);
    result.Percentage = rating.Percentage;
    result.Rating = rating.Rating;
    return result;
}
