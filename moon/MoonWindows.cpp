#include "moon/MoonWindows.h"

#include "moon/frmMainMoonSignCompatibility.h"
#include "moon/frmMoonSign.h"
#include "moon/frmSaveMoonSign.h"
#include "shell/frmMDI.h"

void RegisterMoonWindows(frmMDI& main)
{
    using Id = ProgramWindowId;
    main.setWindowFactory(Id::frmMainMoonSignCompatibility, [] { return new frmMainMoonSignCompatibility; });
    main.setWindowFactory(Id::frmMoonSign, [] { return new frmMoonSign; });
    main.setWindowFactory(Id::frmSaveMoonSign, [] { return new frmSaveMoonSign; });
}
