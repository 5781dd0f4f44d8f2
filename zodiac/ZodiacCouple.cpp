#include "zodiac/ZodiacCouple.h"

ZodiacResult ComputeZodiacResult(const ZodiacCouple& couple)
{
    ZodiacResult result;
    result.Couple = couple;
    result.SignM = modSunSign::FindSunSign(couple.MonthM, couple.DayM);
    result.SignF = modSunSign::FindSunSign(couple.MonthF, couple.DayF);
    // A sign that is not one of the twelve (which the entry screen's months and days never
    // give) leaves its profile, and the match, empty.
    modSunSign::GetSunSignProfile(result.SignM, result.ProfileM);
    modSunSign::GetSunSignProfile(result.SignF, result.ProfileF);
    modSunSign::MatchSunSigns(result.SignM, result.SignF, result.Match);
    return result;
}
