#pragma once

#include "report/ReportWindow.h"

struct ChineseState;
class QTextEdit;

// The Chinese zodiac report: both partners' profiles, composed when the window opens.
class frmSaveChineseZodiac : public ReportWindow {
    Q_OBJECT
public:
    frmSaveChineseZodiac();
};

// Writes the report of state into view at its insertion point: for each partner fifteen
// entries, each a bold dark red heading and a plain black value followed by an empty line.
void ComposeChineseReport(QTextEdit* view, const ChineseState& state);
