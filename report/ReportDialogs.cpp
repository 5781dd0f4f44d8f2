#include "report/ReportDialogs.h"

#include "shell/Messages.h"

#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

namespace {

// "Description | pattern" as the save dialog is described, in Qt's "Description (pattern)" form.
QString qtNameFilter(const QString& filter)
{
    const QString description = filter.section(u'|', 0, 0).trimmed();
    const QString pattern = filter.section(u'|', 1).trimmed();
    return pattern.isEmpty() ? description : QStringLiteral("%1 (%2)").arg(description, pattern);
}

// The save dialog: a file name in a folder that does not exist is refused in the dialog,
// so the user can mend it there (Qt's own dialog would accept it).
class SaveDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void accept() override
    {
        const QStringList files = selectedFiles();
        if (!files.isEmpty()) {
            const QFileInfo chosen(files.constFirst());
            if (!chosen.isDir() && !chosen.absoluteDir().exists()) {
                ShowMessage(QStringLiteral("The folder \"%1\" does not exist.\nChoose a folder that exists.")
                                .arg(QDir::toNativeSeparators(chosen.absolutePath())),
                            MessageIcon::Warning);
                return;
            }
        }
        QFileDialog::accept();
    }
};

// With page-range entry switched off, Qt's own print dialog still offers "Pages from ...
// to" and "Pages" (and would then print every page anyway): those controls are removed.
void removePageRangeEntry(QPrintDialog& dialog)
{
    QWidget* range = dialog.findChild<QWidget*>(QStringLiteral("gbPrintRange"));
    if (!range)
        return;
    for (const char* name : {"printRange", "from", "to", "pagesRadioButton", "pagesLineEdit"}) {
        if (QWidget* control = range->findChild<QWidget*>(QLatin1String(name)))
            control->hide();
    }
    for (QLabel* label : range->findChildren<QLabel*>()) {
        if (label->text() == QLatin1String("to"))
            label->hide();
    }
}

// Where the next save dialog starts: the documents folder, then the folder last saved to.
QString& startFolder()
{
    static QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return folder;
}

class SystemReportDialogs : public ReportDialogs {
public:
    QString saveFileName(QWidget* parent, const QString& title, const QString& filter,
                         const QString& defaultSuffix) override
    {
        SaveDialog dialog(parent, title);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setNameFilter(qtNameFilter(filter));
        dialog.setDefaultSuffix(defaultSuffix);
        if (QDir(startFolder()).exists())
            dialog.setDirectory(startFolder());
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        const QString chosen = dialog.selectedFiles().constFirst();
        startFolder() = QFileInfo(chosen).absolutePath();
        return chosen;
    }

    bool choosePrinter(QWidget* parent, QPrinter& printer, bool selectionAvailable) override
    {
        QPrintDialog dialog(&printer, parent);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
        dialog.setOption(QAbstractPrintDialog::PrintSelection, selectionAvailable);
        removePageRangeEntry(dialog);
        printer.setPrintRange(selectionAvailable ? QPrinter::Selection : QPrinter::AllPages);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        if (printer.printRange() == QPrinter::PageRange)
            printer.setPrintRange(QPrinter::AllPages);
        return true;
    }

    void useDefaultPrinter(QPrinter&) override
    {
        // A fresh QPrinter already stands for the system's default printer.
    }
};

ReportDialogs* g_installed = nullptr;

} // namespace

ReportDialogs& TheReportDialogs()
{
    static SystemReportDialogs system;
    return g_installed ? *g_installed : system;
}

void SetReportDialogs(ReportDialogs* dialogs)
{
    g_installed = dialogs;
}
