#pragma once

#include "zodiac/SunSignPairTable.h"

#include <string>

// What the zodiac entry screen stores for the result screen and the report: one partner
// under "Your Details" (M) and one under "Your Partner's Details" (F).
struct ZodiacState {
    std::string NameM, MonthM, DayM, YearM, SignM;
    std::string NameF, MonthF, DayF, YearF, SignF;
};

// The zodiac program's shared state; it keeps the last accepted entry for the whole run.
ZodiacState& TheZodiacState();
modSunSign::SunSignMatch& TheSunSignMatch();
