#pragma once

#include "report/ReportWindow.h"

// The moon report: the result screen's details, percentage, rating and interpretation as
// formatted text to save or print.
class frmSaveMoonSign : public ReportWindow {
    Q_OBJECT
public:
    // Composes the report from the open result screen.
    frmSaveMoonSign();

private:
    void Compose();
};
