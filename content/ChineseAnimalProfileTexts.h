#pragma once

#include <array>
#include <string_view>

namespace content {

// The long fields of a Chinese animal's profile.
struct ChineseAnimalLongTexts {
    std::string_view animal;
    std::string_view positiveTraits; // second person, one paragraph
    std::string_view negativeTraits; // second person, one paragraph
    std::string_view famousPersons;  // names separated by ", "
};

// One entry per animal, in cycle order (Rat first).
extern const std::array<ChineseAnimalLongTexts, 12> ChineseAnimalProfileTexts;

} // namespace content
