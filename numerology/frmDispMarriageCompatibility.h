#pragma once

#include "numerology/NumerologyReadings.h"
#include "report/ReportWindow.h"

class ClickableLabel;
class QLabel;
class QPushButton;
class ReportView;

// The result of a life-path or destiny reading as plain text. The text can be read but
// not selected; Print goes straight to the default printer; Exit ends the program.
class frmDispMarriageCompatibility : public ReportWindow {
    Q_OBJECT
public:
    frmDispMarriageCompatibility();

    // Works out the reading of the couple and shows it, with the reading's caption.
    void ShowReading(NumerologyReading reading, const NumerologyCouple& couple);
    // Replaces the whole text; "\r\n" breaks lines.
    void SetText(const QString& text);
    // The whole text, lines broken by "\r\n".
    QString Text() const;

    void PrintDirect();
    // Closes this screen, hides the entry screen and asks the main window to end the program.
    void ExitProgram();

    // The reading's text: the report window's view under the name this screen gives it.
    ReportView* txtDisp = nullptr;
    QPushButton* cmdBack = nullptr;
    QPushButton* cmdExit = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    ClickableLabel* Label61 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
