#pragma once

#include "report/ReportWindow.h"

struct MoonResult;
class QTextEdit;

// The moon report: the birth details, moon signs, percentage, rating and interpretation of
// the result it is handed, as formatted text to save or print.
class frmSaveMoonSign : public ReportWindow {
    Q_OBJECT
public:
    frmSaveMoonSign();

    // Composes the report of result into the view, in place of anything shown before.
    void ShowReport(const MoonResult& result);
};

// Appends the moon report of result to the view: three bold red headings, each detail as
// a dark red label run straight into its black value.
void ComposeMoonReport(QTextEdit* view, const MoonResult& result);
