#pragma once

#include "content/KeyedText.h"

#include <array>

namespace content {

// The reading of every ordered pair of Chinese animals, keyed by the first partner's
// animal, "_", the second partner's animal, Rabbit written "AnimalOne" and Rooster
// "AnimalTwo" ("Dog_Rat", "AnimalOne_AnimalTwo"). First animal outer, second inner,
// both in cycle order Rat ... Pig. Each text is a body paragraph, CR LF CR LF and a
// closing sentence that gives the pair's score in words.
extern const std::array<KeyedText, 144> ChinesePairTexts;

} // namespace content
