#pragma once

#include "report/ReportWindow.h"

// The zodiac program's report window: the profiles, the rating and the reading of the
// result on screen, ready to save or print. Closing it shows the result screen again.
class frmSaveZodiacCompatibility : public ReportWindow {
    Q_OBJECT
public:
    frmSaveZodiacCompatibility();
};
