#pragma once

#include "chinese/modchinesezodiac.h"

#include <chrono>
#include <cstdint>
#include <string>

// One partner's results: what the report prints for each partner.
struct ChinesePartner {
    std::string Name;
    std::string BirthDate; // "1 January 1936"
    std::string Animal;
    std::string Element;
    modchinesezodiac::AnimalProfile Profile;
    std::string ElementDescription;
};

// What the Chinese entry screen computes for the result screen and the report: the first
// partner ("Your Details", M), the second ("Your Partner's Details", F) and the pair.
struct ChineseState {
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

// A partner's results from the stored name, the birth date as text ("15 June 1974") and
// the same date as a calendar day.
ChinesePartner MakeChinesePartner(std::string name, std::string birthDate, std::chrono::year_month_day date);

// Replaces every value of the state: both partners, then the pair's score, reading,
// percentage and rating.
void StoreChineseResult(ChineseState& state, const ChinesePartner& first, const ChinesePartner& second);

// The Chinese program's shared state; it keeps the last computed result for the whole run.
ChineseState& TheChineseState();
