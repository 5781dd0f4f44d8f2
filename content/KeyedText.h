#pragma once

#include <string_view>

namespace content {

// One entry of a text table: the key the program looks the text up by, and the text.
struct KeyedText {
    std::string_view key;
    std::string_view text;
};

} // namespace content
