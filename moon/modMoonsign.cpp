#include "moon/modMoonsign.h"

#include "moon/modMoonSignWestern.h"

namespace modMoonsign {

std::string_view FindMoonSign(int day, int monthIndex, int year)
{
    // The new-moon day of the birth month: the year list, then the month list.
    int newMoonDay = -1;
    for (int y = 0; y < YearCount && newMoonDay < 0; ++y) {
        if (NewMoonYears[y] != year)
            continue;
        for (int m = 0; m < 12; ++m) {
            if (NewMoonMonths[m] == monthIndex) {
                newMoonDay = NewMoonDayTable[y][m];
                break;
            }
        }
        break;
    }
    if (newMoonDay < 0 || day < 1 || day > 31)
        return {};

    const char letter = DayLetterTable[monthIndex][day - 1];
    const int column = modMoonSignWestern::GridColumn(letter);
    if (column < 0)
        return {};

    // The grid has rows for the days 0 to 29; a new moon on the 30th or 31st of the month
    // lies a day or two before the next month's, so it continues at the top of the grid.
    const int row = newMoonDay >= modMoonSignWestern::GridRows ? newMoonDay - modMoonSignWestern::GridRows
                                                               : newMoonDay;
    return modMoonSignWestern::MoonSignGrid[row][column];
}

} // namespace modMoonsign
