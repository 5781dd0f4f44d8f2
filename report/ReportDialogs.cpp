#include "report/ReportDialogs.h"

#include "report/ReportFile.h"
#include "shell/Messages.h"

#include <QDir>
#include <QFileDialog>
#include <QLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
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
// so the user can mend it there (Qt's own dialog would accept it), and so is anything but a
// regular file. The overwrite question names the file really replaced when the name is a
// symbolic link (Qt's own names the link).
class SaveDialog : public QFileDialog {
public:
    SaveDialog(QWidget* parent, const QString& title) : QFileDialog(parent, title)
    {
        setOption(QFileDialog::DontConfirmOverwrite);
    }

    void accept() override
    {
        const QStringList files = selectedFiles();
        const QFileInfo chosen(files.value(0));
        if (!files.isEmpty() && !chosen.isDir()) {
            if (!chosen.absoluteDir().exists()) {
                ShowMessage(QStringLiteral("The folder \"%1\" does not exist.\nChoose a folder that exists.")
                                .arg(QDir::toNativeSeparators(chosen.absolutePath())),
                            MessageIcon::Warning);
                return;
            }
            const ReportFile::Target target = ReportFile::Resolve(chosen.absoluteFilePath());
            if (!target.refusal.isEmpty()) {
                ShowMessage(QStringLiteral("The report cannot be saved as \"%1\".\n%2")
                                .arg(QDir::toNativeSeparators(target.chosen), target.refusal),
                            MessageIcon::Warning);
                return;
            }
            const QString question = ReportFile::OverwriteQuestion(target);
            if (!question.isEmpty()
                && ShowMessage(question, MessageIcon::Warning, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
                       != QMessageBox::Yes)
                return;
        }
        QFileDialog::accept();
    }
};

// With page-range entry switched off, Qt's own print dialog (Qt 6.4) still offers "Pages
// from ... to" and "Pages"; PrintReport prints every page whatever they say. Their rows are
// hidden here, found by the names Qt gives its radio buttons; a Qt that names them otherwise
// leaves them shown, and says so in the log.
void hidePageRangeRows(QPrintDialog& dialog)
{
    const auto hideRowOf = [&dialog](const char* radioName) {
        QWidget* radio = dialog.findChild<QRadioButton*>(QLatin1String(radioName));
        QLayout* rows = radio && radio->parentWidget() ? radio->parentWidget()->layout() : nullptr;
        for (int i = 0; rows && i < rows->count(); ++i) {
            QLayout* row = rows->itemAt(i)->layout();
            if (!row || row->indexOf(radio) < 0)
                continue;
            for (int j = 0; j < row->count(); ++j) {
                if (QWidget* widget = row->itemAt(j)->widget())
                    widget->hide();
            }
            return true;
        }
        return false;
    };
    for (const char* radioName : {"printRange", "pagesRadioButton"}) {
        if (!hideRowOf(radioName))
            qWarning("Print dialog: no page-range row of '%s' to hide; it stays shown, and prints every page", radioName);
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
        hidePageRangeRows(dialog);
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
