#pragma once

#include "report/ReportWindow.h"

struct ChineseResult;
class QTextEdit;

// The Chinese zodiac report: both partners' profiles from the result it is handed.
class frmSaveChineseZodiac : public ReportWindow {
    Q_OBJECT
public:
    frmSaveChineseZodiac();

    // Composes the report of result into the view, in place of anything shown before.
    void ShowReport(const ChineseResult& result);
};

// Writes the report of result into view at its insertion point: for each partner fifteen
// entries, each a bold dark red heading and a plain black value followed by an empty line.
void ComposeChineseReport(QTextEdit* view, const ChineseResult& result);
