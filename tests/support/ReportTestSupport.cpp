#include "tests/support/ReportTestSupport.h"

#include <QPrinter>
#include <QProcess>

FakeReportDialogs::FakeReportDialogs()
{
    SetReportDialogs(this);
}

FakeReportDialogs::~FakeReportDialogs()
{
    SetReportDialogs(nullptr);
}

QString FakeReportDialogs::saveFileName(QWidget*, const QString& title, const QString& filter,
                                        const QString& defaultSuffix)
{
    ++saveDialogs;
    lastSaveTitle = title;
    lastSaveFilter = filter;
    lastDefaultSuffix = defaultSuffix;
    return saveAs;
}

bool FakeReportDialogs::choosePrinter(QWidget*, QPrinter& printer, bool selectionAvailable)
{
    ++printDialogs;
    lastSelectionOffered = selectionAvailable;
    outputOnOpening = printer.outputFileName();
    this->printer = &printer;
    if (cancelPrint)
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath);
    printer.setPrintRange(selectionAvailable && printSelection ? QPrinter::Selection : QPrinter::AllPages);
    if (fromPage > 0) {
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(fromPage, toPage);
    }
    return true;
}

void FakeReportDialogs::useDefaultPrinter(QPrinter& printer)
{
    ++directPrints;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath);
}

std::unique_ptr<QTextDocument> ReadRtfBack(const QString& path)
{
    QProcess unrtf;
    unrtf.start(QStringLiteral("unrtf"), {QStringLiteral("--html"), path});
    unrtf.waitForFinished(30000);
    auto document = std::make_unique<QTextDocument>();
    document->setHtml(QString::fromUtf8(unrtf.readAllStandardOutput()));
    return document;
}

QString PdfText(const QString& path)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path,
                                                  QStringLiteral("-")});
    pdftotext.waitForFinished(30000);
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

QString PdfFonts(const QString& path)
{
    QProcess pdffonts;
    pdffonts.start(QStringLiteral("pdffonts"), {path});
    pdffonts.waitForFinished(30000);
    return QString::fromUtf8(pdffonts.readAllStandardOutput());
}

QString PdfTitle(const QString& path)
{
    QProcess pdfinfo;
    pdfinfo.start(QStringLiteral("pdfinfo"), {path});
    pdfinfo.waitForFinished(30000);
    for (const QString& line : QString::fromUtf8(pdfinfo.readAllStandardOutput()).split(u'\n')) {
        if (line.startsWith(QLatin1String("Title:")))
            return line.mid(6).trimmed();
    }
    return {};
}
