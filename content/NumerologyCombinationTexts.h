#pragma once

#include "content/KeyedText.h"

#include <array>

namespace content {

// The interpretation of every pair of numbers 1..9, keyed by the first partner's number
// followed by the second partner's ("35"), in order 11, 12, ... 19, 21, ... 99. Both orders
// of a pair share a text except 12 and 21, 13 and 31, and 38 and 83.
extern const std::array<KeyedText, 81> NumerologyCombinationTexts;

} // namespace content
