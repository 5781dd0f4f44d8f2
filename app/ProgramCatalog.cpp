#include "app/ProgramCatalog.h"

#include "chinese/ChineseWindows.h"
#include "moon/MoonWindows.h"
#include "numerology/NumerologyWindows.h"
#include "zodiac/ZodiacWindows.h"

void RegisterProgramWindows(frmMDI& main)
{
    RegisterChineseWindows(main);
    RegisterMoonWindows(main);
    RegisterNumerologyWindows(main);
    RegisterZodiacWindows(main);
}
