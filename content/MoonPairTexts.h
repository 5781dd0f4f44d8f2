#pragma once

#include "content/KeyedText.h"

#include <array>

namespace content {

// The interpretation of every ordered pair of moon signs, keyed "Aries-Taurus" (first
// partner's sign first), in zodiac order. Both orders of a pair share one text.
extern const std::array<KeyedText, 144> MoonPairTexts;

} // namespace content
