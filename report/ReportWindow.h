#pragma once

#include "report/ReportView.h"
#include "shell/ProgramWindow.h"

#include <memory>

class QPrinter;
class QPushButton;
class QVBoxLayout;

// A program's report window: the composed report in RTB with "&Save" and "&Print".
// Opening places it and enables its links (the derived window then composes the report
// into RTB); closing disables the links and shows the screen it came from again.
class ReportWindow : public ProgramWindow {
    Q_OBJECT
public:
    struct Options {
        ProgramWindowId id;
        QString caption;
        QSize clientTwips;
        ProgramWindowId returnsTo;  // shown again when this window closes
        QString saveDialogTitle;
        qreal pointSize = 9.75;     // base font size of the view (Verdana)
        bool promotionLabels = true; // Label7, Label1 and Label14 under the buttons
    };

    explicit ReportWindow(const Options& options);
    ~ReportWindow() override;

    void Save();
    void Print();

    // Puts the reader, and the keyboard focus, at the top of the composed report.
    void ShowFromTop();

    // The screen this report shows again when it closes.
    ProgramWindowId returnsTo() const { return m_returnsTo; }

    ReportView* RTB = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdPrint = nullptr;

protected:
    // The column below the view where derived windows may add controls of their own.
    QVBoxLayout* footer() const { return m_footer; }
    void closing() override;
    // Escape closes the report, as it closes a dialog.
    void keyPressEvent(QKeyEvent* event) override;

private:
    ProgramWindowId m_returnsTo;
    QString m_saveDialogTitle;
    QVBoxLayout* m_footer = nullptr;
    // The window's print settings: a printer or output file chosen once stays chosen for
    // the next Print. Made on the first Print.
    std::unique_ptr<QPrinter> m_printer;
};
