#pragma once

#include "report/ReportDialogs.h"

#include <QString>
#include <QTextDocument>

#include <memory>

// Answers the report windows' dialogs without showing them: a fixed file name for Save
// (empty = cancel) and PDF output for Print, so tests read back what was printed.
class FakeReportDialogs : public ReportDialogs {
public:
    FakeReportDialogs();
    ~FakeReportDialogs() override;

    QString saveAs;        // the name "typed" into the save dialog; empty cancels
    QString pdfPath;       // where printing goes
    bool cancelPrint = false;
    bool printSelection = true; // whether the user keeps "Selection" when it is offered
    int fromPage = 0, toPage = 0; // a page range the dialog leaves behind, when not 0

    // What the last dialogs were asked.
    QString lastSaveTitle, lastSaveFilter, lastDefaultSuffix;
    bool lastSelectionOffered = false;
    QString outputOnOpening; // the output file the last print dialog was opened with
    QPrinter* printer = nullptr; // the printer the last print dialog set up
    int saveDialogs = 0, printDialogs = 0, directPrints = 0;

    QString saveFileName(QWidget* parent, const QString& title, const QString& filter,
                         const QString& defaultSuffix) override;
    bool choosePrinter(QWidget* parent, QPrinter& printer, bool selectionAvailable) override;
    void useDefaultPrinter(QPrinter& printer) override;
};

// Reads a Rich Text Format file back with unrtf (an independent reader): the document it
// describes, with text, bold and colours as unrtf understood them.
std::unique_ptr<QTextDocument> ReadRtfBack(const QString& path);

// The text of a PDF file as pdftotext reads it.
QString PdfText(const QString& path);
// The fonts a PDF file embeds, as pdffonts lists them.
QString PdfFonts(const QString& path);
// The title a PDF file carries, as pdfinfo reads it.
QString PdfTitle(const QString& path);
