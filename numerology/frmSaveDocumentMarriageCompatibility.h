#pragma once

#include "numerology/NumerologyReadings.h"
#include "report/ReportWindow.h"

#include <initializer_list>

class ClickableLabel;
class QLabel;
class QPushButton;

// The comprehensive reading as a formatted document: save, print through the printer
// dialog, and Back to the entry screen (which closing by any means also shows).
class frmSaveDocumentMarriageCompatibility : public ReportWindow {
    Q_OBJECT
public:
    frmSaveDocumentMarriageCompatibility();

    // Composes the comprehensive reading of the couple into an empty document: both
    // partners, then the life-path and destiny sections.
    void ShowReport(const NumerologyCouple& couple);

    QPushButton* cmdBack = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    ClickableLabel* Label61 = nullptr;
};

// Inserts extra buttons after the report window's "&Print" button, in the same row.
void AddReportButtons(ReportWindow& window, std::initializer_list<QPushButton*> buttons);
