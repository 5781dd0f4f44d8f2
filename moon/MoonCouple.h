#pragma once

#include "moon/MoonPairTable.h"
#include "moon/modMoonsign.h"

#include <string>

// One partner as entered on the moon entry screen. The latitude, longitude and their
// directions are checked there and go no further.
struct MoonPartner {
    std::string Name; // trimmed
    int Day = 1;
    int Month = 0; // 0 = January
    int Year = modMoonsign::FirstYear;
    int Hour = 0, Minute = 0, Second = 0;
    std::string City, State, Country; // as typed
};

// The couple as entered: the partner under "Your Details" (M) and the one under "Your
// Partner's Details" (F). Only the dates feed the moon signs; the rest is shown.
struct MoonCouple {
    MoonPartner M, F;
};

// What the moon program makes of a couple: both moon signs and the pair's percentage,
// rating and interpretation. The result screen shows it and the report is composed from
// it; nothing of it is kept once those windows close, as every new result starts from the
// entry screen, which always opens fresh.
struct MoonResult {
    MoonCouple Couple;
    std::string MoonSignM, MoonSignF; // "" for a date outside the tables
    modMoonSignWestern::MoonPairResult Pair; // empty when the two names form no pair
};

MoonResult ComputeMoonResult(const MoonCouple& couple);

// The date of birth as the screens show it: "January 1, 1906".
std::string BirthDateText(const MoonPartner& partner);
// The time of birth as chosen, without leading zeros: "0:0:0", "14:5:30".
std::string BirthTimeText(const MoonPartner& partner);
