#include "numerology/NumerologyWindows.h"

#include "numerology/frmDispMarriageCompatibility.h"
#include "numerology/frmMainMarriageCompatibility.h"
#include "numerology/frmSaveDocumentMarriageCompatibility.h"
#include "shell/frmMDI.h"

void RegisterNumerologyWindows(frmMDI& main)
{
    using Id = ProgramWindowId;
    main.setWindowFactory(Id::frmMainMarriageCompatibility, [] { return new frmMainMarriageCompatibility; });
    main.setWindowFactory(Id::frmDispMarriageCompatibility, [] { return new frmDispMarriageCompatibility; });
    main.setWindowFactory(Id::frmSaveDocumentMarriageCompatibility,
                          [] { return new frmSaveDocumentMarriageCompatibility; });
}
