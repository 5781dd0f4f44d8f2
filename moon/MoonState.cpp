#include "moon/MoonState.h"

MoonState& TheMoonState()
{
    static MoonState state;
    return state;
}
