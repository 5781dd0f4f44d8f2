#include "report/modRTB.h"

#include "report/ReportDialogs.h"
#include "report/ReportFile.h"
#include "report/ReportLinks.h"
#include "report/ReportView.h"
#include "report/RtfWriter.h"
#include "shell/Messages.h"
#include "shell/modHelp.h"

#include <QBuffer>
#include <QDir>
#include <QPdfWriter>
#include <QPointer>
#include <QPrinter>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>

#include <memory>

namespace modRTB {

namespace {

// Marks on the character formats of detected links, so they can be switched off again.
constexpr int kIsLink = QTextFormat::UserProperty + 1;
constexpr int kOriginalForeground = QTextFormat::UserProperty + 2;
constexpr int kOriginalUnderline = QTextFormat::UserProperty + 3;

const QColor kLinkColour(0, 0, 255);

// The one view whose links are enabled.
struct LinkState {
    QPointer<ReportView> view;
    QPointer<QWidget> owner;
    QMetaObject::Connection contentsChanged;
    QMetaObject::Connection anchorClicked;
    bool marking = false;
};

LinkState& links()
{
    static LinkState state;
    return state;
}

struct FormatRange {
    int start;
    int end;
    QTextCharFormat format;
};

void applyRanges(QTextDocument* document, const QList<FormatRange>& ranges)
{
    for (const FormatRange& range : ranges) {
        QTextCursor cursor(document);
        cursor.setPosition(range.start);
        cursor.setPosition(range.end, QTextCursor::KeepAnchor);
        cursor.setCharFormat(range.format);
    }
}

// Gives every detected address in the blocks from first to last (inclusive) the link format
// it does not have yet.
void markLinks(QTextDocument* document, QTextBlock first, const QTextBlock& last)
{
    QList<FormatRange> ranges;
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        for (const LinkSpan& span : FindWebAddresses(block.text())) {
            const int from = block.position() + int(span.start);
            const int to = from + int(span.length);
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                const int start = qMax(from, fragment.position());
                const int end = qMin(to, fragment.position() + fragment.length());
                if (start >= end)
                    continue;
                QTextCharFormat format = fragment.charFormat();
                if (format.boolProperty(kIsLink) && format.anchorHref() == span.address)
                    continue;
                if (!format.boolProperty(kIsLink)) {
                    format.setProperty(kOriginalForeground, format.foreground());
                    format.setProperty(kOriginalUnderline, format.fontUnderline());
                }
                format.setProperty(kIsLink, true);
                format.setAnchor(true);
                format.setAnchorHref(span.address);
                format.setFontUnderline(true);
                format.setForeground(kLinkColour);
                ranges.append({start, end, format});
            }
        }
        if (block == last)
            break;
    }
    applyRanges(document, ranges);
}

void unmarkLinks(QTextDocument* document)
{
    QList<FormatRange> ranges;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextCharFormat format = fragment.charFormat();
            if (!format.boolProperty(kIsLink))
                continue;
            format.setAnchor(false);
            format.clearProperty(QTextFormat::AnchorHref);
            format.setFontUnderline(format.boolProperty(kOriginalUnderline));
            format.setForeground(qvariant_cast<QBrush>(format.property(kOriginalForeground)));
            format.clearProperty(kIsLink);
            format.clearProperty(kOriginalForeground);
            format.clearProperty(kOriginalUnderline);
            ranges.append({fragment.position(), fragment.position() + fragment.length(), format});
        }
    }
    applyRanges(document, ranges);
}

void openLink(const QUrl& url)
{
    modHelp::OpenWebAddress(QUrl(url.toString(), QUrl::StrictMode));
}

// What is printed: the view's selection when the printer asks for it, the whole report
// otherwise. A copy, so that printing may change it.
std::unique_ptr<QTextDocument> printedDocument(const QTextEdit* view, const QPrinter& printer)
{
    std::unique_ptr<QTextDocument> document(view->document()->clone());
    const QTextCursor selection = view->textCursor();
    if (printer.printRange() == QPrinter::Selection && selection.hasSelection()) {
        QTextCursor cut(document.get());
        cut.setPosition(selection.selectionEnd());
        cut.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        cut.removeSelectedText();
        cut.setPosition(0);
        cut.setPosition(selection.selectionStart(), QTextCursor::KeepAnchor);
        cut.removeSelectedText();
    }
    return document;
}

// A printer in grey prints every run's colour as its shade of grey.
void makeGrey(QTextDocument* document)
{
    QList<FormatRange> ranges;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextCharFormat format = fragment.charFormat();
            const int grey = qGray(format.foreground().color().rgb());
            format.setForeground(QColor(grey, grey, grey));
            ranges.append({fragment.position(), fragment.position() + fragment.length(), format});
        }
    }
    applyRanges(document, ranges);
}

// Printing to a PDF file goes through memory and then to the file as a saved report does:
// Qt's own PDF output empties the file first and ignores a full disk.
void printToFile(const QTextEdit* view, const QPrinter& printer)
{
    const QString path = printer.outputFileName();
    const ReportFile::Target target = ReportFile::Resolve(path);
    QString reason = target.refusal;
    if (reason.isEmpty()) {
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&pdf);
            writer.setPdfVersion(QPagedPaintDevice::PdfVersion(printer.pdfVersion()));
            writer.setTitle(printer.docName());
            writer.setCreator(printer.creator());
            writer.setResolution(printer.resolution());
            writer.setPageLayout(printer.pageLayout());
            const std::unique_ptr<QTextDocument> document = printedDocument(view, printer);
            if (printer.colorMode() == QPrinter::GrayScale)
                makeGrey(document.get());
            document->print(&writer);
        }
        reason = ReportFile::Write(target, pdf.data());
    }
    if (!reason.isEmpty()) {
        ShowMessage(QStringLiteral("The report could not be printed to \"%1\".\n%2").arg(QDir::toNativeSeparators(path), reason),
                    MessageIcon::Error);
    }
}

void printDocument(const QTextEdit* view, QPrinter& printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        printToFile(view, printer);
        return;
    }
    printedDocument(view, printer)->print(&printer);
    // All Qt tells of a printer is whether it could start the job: a job that started has
    // ended and left the printer idle. Without any printer Qt prints to no file at all.
    if (printer.printerState() == QPrinter::Idle)
        return;
    ShowMessage(printer.printerName().isEmpty()
                    ? QStringLiteral("The report could not be printed, because no printer was found.\n"
                                     "Add a printer, or print to a file.")
                    : QStringLiteral("The report could not be printed on \"%1\".\n"
                                     "Check that the printer is ready, or choose another printer.")
                          .arg(printer.printerName()),
                MessageIcon::Error);
}

} // namespace

void EnableReportLinks(ReportView* view, QWidget* owner)
{
    DisableReportLinks();
    LinkState& state = links();
    state.view = view;
    state.owner = owner;
    state.anchorClicked = QObject::connect(view, &ReportView::anchorClicked, view, &openLink);
    QTextDocument* document = view->document();
    // Only the paragraphs a change touched are searched again, so composing a long report
    // run by run stays linear.
    state.contentsChanged = QObject::connect(
        document, &QTextDocument::contentsChange, view, [document](int position, int, int added) {
            LinkState& current = links();
            if (current.marking)
                return;
            current.marking = true;
            markLinks(document, document->findBlock(position), document->findBlock(position + added));
            current.marking = false;
        });
    state.marking = true;
    markLinks(document, document->begin(), document->lastBlock());
    state.marking = false;
}

void DisableReportLinks()
{
    LinkState& state = links();
    QObject::disconnect(state.contentsChanged);
    QObject::disconnect(state.anchorClicked);
    if (state.view) {
        state.marking = true;
        unmarkLinks(state.view->document());
        state.marking = false;
    }
    state = LinkState{};
}

void SaveReport(QTextEdit* view, QWidget* parent, const QString& dialogTitle)
{
    const QString path = TheReportDialogs().saveFileName(parent, dialogTitle, QStringLiteral("Rich Text Format | *.rtf "),
                                                         QStringLiteral("txt"));
    if (path.isEmpty())
        return;

    const ReportFile::Target target = ReportFile::Resolve(path);
    QString reason = target.refusal;
    if (reason.isEmpty())
        reason = ReportFile::Write(target, DocumentToRtf(*view->document()));
    if (!reason.isEmpty()) {
        ShowMessage(QStringLiteral("The report could not be saved as \"%1\".\n%2").arg(QDir::toNativeSeparators(path), reason),
                    MessageIcon::Error);
    }
}

void PrintReport(QTextEdit* view, QWidget* parent, QPrinter& printer)
{
    // The report's title names the print job and a printed PDF.
    printer.setDocName(parent->windowTitle());
    const bool selectionAvailable = view->textCursor().hasSelection();
    if (!TheReportDialogs().choosePrinter(parent, printer, selectionAvailable))
        return;
    // Reports are printed whole, or their selection: whatever page range a dialog leaves
    // behind means every page.
    if (printer.printRange() != QPrinter::Selection || !selectionAvailable)
        printer.setPrintRange(QPrinter::AllPages);
    printer.setPageRanges(QPageRanges());
    printDocument(view, printer);
}

void PrintReportDirect(QTextEdit* view, const QString& title)
{
    QTextCursor cursor = view->textCursor();
    cursor.clearSelection();
    view->setTextCursor(cursor);

    QPrinter printer(QPrinter::HighResolution);
    TheReportDialogs().useDefaultPrinter(printer);
    printer.setDocName(title);
    printer.setPrintRange(QPrinter::AllPages);
    printDocument(view, printer);
}

} // namespace modRTB
