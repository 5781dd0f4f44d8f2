#include "report/ReportDialogs.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace {

// "Description | pattern" as the save dialog is described, in Qt's "Description (pattern)" form.
QString qtNameFilter(const QString& filter)
{
    const QString description = filter.section(u'|', 0, 0).trimmed();
    const QString pattern = filter.section(u'|', 1).trimmed();
    return pattern.isEmpty() ? description : QStringLiteral("%1 (%2)").arg(description, pattern);
}

class SystemReportDialogs : public ReportDialogs {
public:
    QString saveFileName(QWidget* parent, const QString& title, const QString& filter,
                         const QString& defaultSuffix) override
    {
        QFileDialog dialog(parent, title);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setNameFilter(qtNameFilter(filter));
        dialog.setDefaultSuffix(defaultSuffix);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().constFirst();
    }

    bool choosePrinter(QWidget* parent, QPrinter& printer, bool selectionAvailable) override
    {
        QPrintDialog dialog(&printer, parent);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
        dialog.setOption(QAbstractPrintDialog::PrintSelection, selectionAvailable);
        printer.setPrintRange(selectionAvailable ? QPrinter::Selection : QPrinter::AllPages);
        return dialog.exec() == QDialog::Accepted;
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
