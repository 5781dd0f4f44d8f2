#pragma once

#include "chinese/modchinesezodiac.h"

#include <cstdint>
#include <string>

// The couple as entered on the Chinese entry screen, each text trimmed: the partner under
// "Your Details" (M) and the one under "Your Partner's Details" (F).
struct ChineseCouple {
    std::string NameM, DayM, MonthM, YearM;
    std::string NameF, DayF, MonthF, YearF;
};

// One partner's results: what the report prints for each partner.
struct ChinesePartner {
    std::string Name;
    std::string BirthDate; // "1 January 1936"
    std::string Animal;
    std::string Element;
    modchinesezodiac::AnimalProfile Profile;
    std::string ElementDescription;
};

// What the Chinese program makes of a couple: both partners' animals, elements, profiles
// and element descriptions, and the pair's score, reading, percentage and rating. The
// result screen shows it and the report is composed from it; nothing of it is kept once
// those windows close, as every new result starts from the entry screen, which always
// opens fresh.
struct ChineseResult {
    std::string NameM, BirthDateM, AnimalM, ElementM;
    modchinesezodiac::AnimalProfile ProfileM;
    std::string ElementDescriptionM;

    std::string NameF, BirthDateF, AnimalF, ElementF;
    modchinesezodiac::AnimalProfile ProfileF;
    std::string ElementDescriptionF;

    std::int16_t Score = 0;
    std::string PairText;
    std::string Percentage;
    std::string Rating;

    ChinesePartner partnerM() const;
    ChinesePartner partnerF() const;
};

// Works out the result of a couple. A date that names no calendar day (which the entry
// screen refuses before) or lies outside 1936 to 2008 gives its partner no animal, element
// or profile, and the pair score 0 with no reading.
ChineseResult ComputeChineseResult(const ChineseCouple& couple);
