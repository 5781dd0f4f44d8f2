#pragma once

#include <array>
#include <string_view>

namespace content {

// The long fields of a sun sign's profile.
struct SunSignLongTexts {
    std::string_view sign;
    std::string_view positiveTraits; // second person, one paragraph
    std::string_view negativeTraits; // second person, one paragraph
    std::string_view famousPersons;  // names separated by ", "
};

// One entry per sign, in zodiac order (Aries first).
extern const std::array<SunSignLongTexts, 12> SunSignProfileTexts;

} // namespace content
