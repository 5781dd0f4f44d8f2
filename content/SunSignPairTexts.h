#pragma once

#include "content/KeyedText.h"

#include <array>

namespace content {

// The reading of every ordered pair of sun signs, keyed "Aries-Taurus" (first partner's
// sign first), in zodiac order: Aries-Aries, Aries-Taurus, ... Pisces-Pisces.
extern const std::array<KeyedText, 144> SunSignPairTexts;

} // namespace content
