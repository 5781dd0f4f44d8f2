#include "app/ProgramCatalog.h"

#include "chinese/frmSaveChineseZodiac.h"
#include "chinese/frmchiness.h"
#include "chinese/frmmainChineseZodiac.h"
#include "moon/frmMainMoonSignCompatibility.h"
#include "moon/frmMoonSign.h"
#include "moon/frmSaveMoonSign.h"
#include "numerology/frmDispMarriageCompatibility.h"
#include "numerology/frmMainMarriageCompatibility.h"
#include "numerology/frmSaveDocumentMarriageCompatibility.h"
#include "shell/frmMDI.h"
#include "zodiac/frmMainZodiacCompatibility.h"
#include "zodiac/frmSaveZodiacCompatibility.h"
#include "zodiac/frmSunSignZodiacCompatibility.h"

void RegisterProgramWindows(frmMDI& main)
{
    using Id = ProgramWindowId;
    main.setWindowFactory(Id::frmmainChineseZodiac, [] { return new frmmainChineseZodiac; });
    main.setWindowFactory(Id::frmchiness, [] { return new frmchiness; });
    main.setWindowFactory(Id::frmSaveChineseZodiac, [] { return new frmSaveChineseZodiac; });
    main.setWindowFactory(Id::frmMainZodiacCompatibility, [] { return new frmMainZodiacCompatibility; });
    main.setWindowFactory(Id::frmSunSignZodiacCompatibility, [] { return new frmSunSignZodiacCompatibility; });
    main.setWindowFactory(Id::frmSaveZodiacCompatibility, [] { return new frmSaveZodiacCompatibility; });
    main.setWindowFactory(Id::frmMainMoonSignCompatibility, [] { return new frmMainMoonSignCompatibility; });
    main.setWindowFactory(Id::frmMoonSign, [] { return new frmMoonSign; });
    main.setWindowFactory(Id::frmSaveMoonSign, [] { return new frmSaveMoonSign; });
    main.setWindowFactory(Id::frmMainMarriageCompatibility, [] { return new frmMainMarriageCompatibility; });
    main.setWindowFactory(Id::frmDispMarriageCompatibility, [] { return new frmDispMarriageCompatibility; });
    main.setWindowFactory(Id::frmSaveDocumentMarriageCompatibility,
                          [] { return new frmSaveDocumentMarriageCompatibility; });
}
