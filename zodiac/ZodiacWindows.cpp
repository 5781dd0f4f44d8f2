#include "zodiac/ZodiacWindows.h"

#include "shell/frmMDI.h"
#include "zodiac/frmMainZodiacCompatibility.h"
#include "zodiac/frmSaveZodiacCompatibility.h"
#include "zodiac/frmSunSignZodiacCompatibility.h"

void RegisterZodiacWindows(frmMDI& main)
{
    using Id = ProgramWindowId;
    main.setWindowFactory(Id::frmMainZodiacCompatibility, [] { return new frmMainZodiacCompatibility; });
    main.setWindowFactory(Id::frmSunSignZodiacCompatibility, [] { return new frmSunSignZodiacCompatibility; });
    main.setWindowFactory(Id::frmSaveZodiacCompatibility, [] { return new frmSaveZodiacCompatibility; });
}
