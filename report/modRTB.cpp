#include "report/modRTB.h"

#include "report/ReportDialogs.h"
#include "report/ReportLinks.h"
#include "report/ReportView.h"
#include "report/RtfWriter.h"
#include "shell/Messages.h"
#include "shell/modHelp.h"

#include <QDir>
#include <QPointer>
#include <QPrinter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>

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

    // Written to a temporary file and renamed over the target only when every byte reached
    // the disk, so a failed save (a full disk included) never leaves a half-written or
    // emptied file behind. QSaveFile alone is not enough: write() may take part of the
    // data without an error, and commit() renames even when its last flush failed.
    const QByteArray rtf = DocumentToRtf(*view->document());
    QSaveFile file(path);
    const bool saved = file.open(QIODevice::WriteOnly) && file.write(rtf) == rtf.size() && file.flush() &&
                       file.commit();
    if (!saved) {
        // Not committed: the temporary file goes with `file`, any earlier file stays as it was.
        ShowMessage(QStringLiteral("The report could not be saved as \"%1\".\n%2")
                        .arg(QDir::toNativeSeparators(path), file.errorString()),
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
    if (!selectionAvailable && printer.printRange() == QPrinter::Selection)
        printer.setPrintRange(QPrinter::AllPages);
    // QTextEdit prints only the selection when the printer's range says so.
    view->print(&printer);
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
    view->print(&printer);
}

} // namespace modRTB
