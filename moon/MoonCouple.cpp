#include "moon/MoonCouple.h"

#include "moon/modMoonSignWestern.h"

MoonResult ComputeMoonResult(const MoonCouple& couple)
{
    using namespace modMoonSignWestern;
    MoonResult result;
    result.Couple = couple;
    result.MoonSignM = std::string(SignName(modMoonsign::FindMoonSign(couple.M.Day, couple.M.Month, couple.M.Year)));
    result.MoonSignF = std::string(SignName(modMoonsign::FindMoonSign(couple.F.Day, couple.F.Month, couple.F.Year)));
    MatchMoonSigns(result.MoonSignM, result.MoonSignF, result.Pair);
    return result;
}

std::string BirthDateText(const MoonPartner& partner)
{
    const std::string month =
        partner.Month >= 0 && partner.Month < 12 ? std::string(modMoonsign::MonthNames[partner.Month]) : std::string();
    return month + " " + std::to_string(partner.Day) + ", " + std::to_string(partner.Year);
}

std::string BirthTimeText(const MoonPartner& partner)
{
    return std::to_string(partner.Hour) + ":" + std::to_string(partner.Minute) + ":" + std::to_string(partner.Second);
}
