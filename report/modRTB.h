#pragma once

#include <QString>

class QPrinter;
class ReportView;
class QTextEdit;
class QWidget;

// What every report view shares: clickable web links, saving as Rich Text Format, printing.
namespace modRTB {

// Web addresses (http://, https://, www.) in the view's text, now and as it is composed,
// are shown as links; a left click opens exactly that address in the default browser.
// One view at a time has links enabled.
void EnableReportLinks(ReportView* view, QWidget* owner);
// Switches the links of the enabled view off; does nothing when no view has them.
void DisableReportLinks();

// Asks for a file name (filter "Rich Text Format | *.rtf ", default extension "txt", the
// given dialog title) and writes the whole view there as Rich Text Format. Cancelling is
// silent; a write that fails after a name was chosen says why and leaves any existing
// file untouched (see ReportFile.h).
void SaveReport(QTextEdit* view, QWidget* parent, const QString& dialogTitle);

// Prints through the print dialog, set up from printer (which keeps what the user chose
// there): the selection when there is one (the dialog offers it), the whole text
// otherwise, never a page range. A cancelled dialog prints nothing. The job is named after
// parent's title. A PDF file is written like a saved report; a failure says why.
void PrintReport(QTextEdit* view, QWidget* parent, QPrinter& printer);

// Clears the selection and prints the whole text to the default printer, without a dialog,
// as a job named title.
void PrintReportDirect(QTextEdit* view, const QString& title);

} // namespace modRTB
