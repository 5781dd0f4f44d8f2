#include "shell/ProgramCatalog.h"

#include "shell/frmMDI.h"
#include "zodiac/frmMainZodiacCompatibility.h"

void RegisterProgramWindows(frmMDI& main)
{
    using Id = ProgramWindowId;
    main.setWindowFactory(Id::frmMainZodiacCompatibility, [] { return new frmMainZodiacCompatibility; });
}
