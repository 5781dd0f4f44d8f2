#include "chinese/ChineseState.h"

#include <utility>

ChinesePartner ChineseState::partnerM() const
{
    return {NameM, BirthDateM, AnimalM, ElementM, ProfileM, ElementDescriptionM};
}

ChinesePartner ChineseState::partnerF() const
{
    return {NameF, BirthDateF, AnimalF, ElementF, ProfileF, ElementDescriptionF};
}

ChinesePartner MakeChinesePartner(std::string name, std::string birthDate, std::chrono::year_month_day date)
{
    using namespace modchinesezodiac;
    ChinesePartner partner;
    partner.Name = std::move(name);
    partner.BirthDate = std::move(birthDate);
    partner.Animal = FindChineseAnimal(date);
    partner.Element = FindChineseElement(date);
    partner.Profile = GetAnimalProfile(partner.Animal);
    partner.ElementDescription = GetElementDescription(partner.Element);
    return partner;
}

void StoreChineseResult(ChineseState& state, const ChinesePartner& first, const ChinesePartner& second)
{
    using namespace modchinesezodiac;
    state.NameM = first.Name;
    state.BirthDateM = first.BirthDate;
    state.AnimalM = first.Animal;
    state.ElementM = first.Element;
    state.ProfileM = first.Profile;
    state.ElementDescriptionM = first.ElementDescription;

    state.NameF = second.Name;
    state.BirthDateF = second.BirthDate;
    state.AnimalF = second.Animal;
    state.ElementF = second.Element;
    state.ProfileF = second.Profile;
    state.ElementDescriptionF = second.ElementDescription;

    state.Score = AnimalPairScore(state.AnimalM, state.AnimalF);
    state.PairText = GetAnimalPairText(state.AnimalM, state.AnimalF);
    const MatchRating rating = ChineseMatchRating(state.Score);
    state.Percentage = rating.Percentage;
    state.Rating = rating.Rating;
}

ChineseState& TheChineseState()
{
    static ChineseState state;
    return state;
}
