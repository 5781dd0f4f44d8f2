#pragma once

#include "content/KeyedText.h"

#include <array>

namespace content {

// What each element gives a person's character, keyed by the element's name, in the
// order "Metal", "Water", "Wood", "Fire", "Earth". One paragraph each, second person.
extern const std::array<KeyedText, 5> ChineseElementTexts;

} // namespace content
