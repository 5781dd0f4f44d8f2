#pragma once

#include "report/ReportWindow.h"

struct ZodiacResult;

// The zodiac program's report window: the profiles, the rating and the reading of the
// result it is handed, ready to save or print. Closing it shows the result screen again.
class frmSaveZodiacCompatibility : public ReportWindow {
    Q_OBJECT
public:
    frmSaveZodiacCompatibility();

    // Composes the report of result into the view, in place of anything shown before.
    void ShowReport(const ZodiacResult& result);
};
