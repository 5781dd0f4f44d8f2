#pragma once

#include "zodiac/SunSignPairTable.h"
#include "zodiac/modSunSign.h"

#include <string>

// The couple as entered on the zodiac entry screen, each text trimmed: the partner under
// "Your Details" (M) and the one under "Your Partner's Details" (F). The year is shown,
// never used in a computation.
struct ZodiacCouple {
    std::string NameM, MonthM, DayM, YearM;
    std::string NameF, MonthF, DayF, YearF;
};

// What the zodiac program makes of a couple: both sun signs, both sign profiles and the
// pair's rating and reading. The result screen shows it and the report is composed from
// it; neither keeps anything once its window closes, as every new result starts from the
// entry screen's couple.
struct ZodiacResult {
    ZodiacCouple Couple;
    std::string SignM, SignF;
    // Each left empty where a sign is not one of the twelve.
    modSunSign::SunSignProfile ProfileM, ProfileF;
    modSunSign::SunSignMatch Match;
};

ZodiacResult ComputeZodiacResult(const ZodiacCouple& couple);
