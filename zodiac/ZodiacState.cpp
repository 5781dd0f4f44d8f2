#include "zodiac/ZodiacState.h"

ZodiacState& TheZodiacState()
{
    static ZodiacState state;
    return state;
}

modSunSign::SunSignMatch& TheSunSignMatch()
{
    static modSunSign::SunSignMatch match;
    return match;
}
