#pragma once

#include <QString>

class QPrinter;
class QWidget;

// The dialogs the report windows ask for a file name or a printer. The program uses the
// real QFileDialog and QPrintDialog; tests install their own answers.
class ReportDialogs {
public:
    virtual ~ReportDialogs() = default;

    // The chosen file name, with defaultSuffix appended when the user typed none;
    // empty when the user cancelled. The dialog asks before overwriting a file, naming the
    // file really replaced when the name is a symbolic link, and refuses anything but a
    // regular file.
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& filter,
                                 const QString& defaultSuffix) = 0;

    // Lets the user set up printer. selectionAvailable offers "Selection" and preselects
    // it; no page range is offered. Returns false when the user cancelled.
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer, bool selectionAvailable) = 0;

    // Sets up printer as the default printer, for printing without a dialog.
    virtual void useDefaultPrinter(QPrinter& printer) = 0;
};

// The dialogs in force: the real ones unless a test installed others.
ReportDialogs& TheReportDialogs();
// Test seam: installs dialogs (not owned); nullptr restores the real ones.
void SetReportDialogs(ReportDialogs* dialogs);
