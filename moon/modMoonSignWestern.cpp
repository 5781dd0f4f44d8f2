#include "moon/modMoonSignWestern.h"

namespace modMoonSignWestern {

int GridColumn(char letter)
{
    if (letter == '\0')
        return -1;
    for (int column = 0; column < int(GridLetters.size()); ++column) {
        if (GridLetters[column] == letter)
            return column;
    }
    return -1;
}

std::string_view SignName(std::string_view code)
{
    while (!code.empty() && code.front() == ' ')
        code.remove_prefix(1);
    while (!code.empty() && code.back() == ' ')
        code.remove_suffix(1);
    for (const SignCode& sign : SignCodes) {
        if (sign.code == code)
            return sign.name;
    }
    return {};
}

} // namespace modMoonSignWestern
