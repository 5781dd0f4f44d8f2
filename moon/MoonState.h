#pragma once

#include "moon/MoonPairTable.h"

#include <string>

// What the moon program's screens share: both partners' moon sign names (first partner
// under "Your Details", second under "Your Partner's Details") and the pair's result.
// Each keeps its value until the next calculation replaces it.
struct MoonState {
    std::string MoonSignM;
    std::string MoonSignF;
    modMoonSignWestern::MoonPairResult PairResult;
};

MoonState& TheMoonState();
