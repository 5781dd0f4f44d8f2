#include "numerology/frmDispMarriageCompatibility.h"

#include "numerology/NumerologyLabels.h"
#include "numerology/frmSaveDocumentMarriageCompatibility.h"
#include "report/ReportComposer.h"
#include "report/modRTB.h"

#include <QEvent>
#include <QPushButton>

namespace {

void clearSelection(QTextEdit* view)
{
    QTextCursor cursor = view->textCursor();
    if (!cursor.hasSelection())
        return;
    cursor.clearSelection();
    view->setTextCursor(cursor);
}

} // namespace

frmDispMarriageCompatibility::frmDispMarriageCompatibility()
    : ReportWindow({ProgramWindowId::frmDispMarriageCompatibility,
                    QStringLiteral("Zel Numerology Compatibility Software"), QSize(8400, 5400),
                    ProgramWindowId::frmMainMarriageCompatibility, QStringLiteral("Save Your Numerology Result ...."),
                    9.0, false})
{
    txtDisp = RTB;
    txtDisp->setObjectName(QStringLiteral("txtDisp"));
    txtDisp->setAccessibleName(QStringLiteral("Numerology reading"));
    // View only: every focus, key and mouse button event drops the selection, and there is
    // no context menu to select through.
    txtDisp->setContextMenuPolicy(Qt::NoContextMenu);
    txtDisp->installEventFilter(this);
    txtDisp->viewport()->installEventFilter(this);

    // Printing here goes to the default printer without a dialog.
    disconnect(cmdPrint, &QPushButton::clicked, this, &ReportWindow::Print);
    connect(cmdPrint, &QPushButton::clicked, this, &frmDispMarriageCompatibility::PrintDirect);

    cmdBack = new QPushButton(QStringLiteral("&Back"));
    cmdBack->setObjectName(QStringLiteral("cmdBack"));
    connect(cmdBack, &QPushButton::clicked, this, &QWidget::close);
    cmdExit = new QPushButton(QStringLiteral("&Exit"));
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    connect(cmdExit, &QPushButton::clicked, this, &frmDispMarriageCompatibility::ExitProgram);
    AddReportButtons(*this, {cmdBack, cmdExit});

    const NumerologyLabels labels = AddNumerologyLabels(footer());
    Label1 = labels.Label1;
    Label2 = labels.Label2;
    Label61 = labels.Label61;
}

void frmDispMarriageCompatibility::ShowReading(NumerologyReading reading, const NumerologyCouple& couple)
{
    const std::string_view caption = NumerologyReadings::ReadingCaption(reading);
    setWindowTitle(QString::fromLatin1(caption.data(), qsizetype(caption.size())));
    const NumerologyResult result = NumerologyReadings::ComputeNumerology(couple);
    SetText(QString::fromStdString(NumerologyReadings::ReadingText(reading, result)));
}

void frmDispMarriageCompatibility::SetText(const QString& text)
{
    txtDisp->clear();
    ReportComposer(txtDisp).write(text);
    ShowFromTop();
}

QString frmDispMarriageCompatibility::Text() const
{
    return txtDisp->toPlainText().replace(u'\n', QStringLiteral("\r\n"));
}

void frmDispMarriageCompatibility::PrintDirect()
{
    modRTB::PrintReportDirect(txtDisp, windowTitle());
}

void frmDispMarriageCompatibility::ExitProgram()
{
    close();
    if (ProgramWindow* entry = ProgramWindows::Find(ProgramWindowId::frmMainMarriageCompatibility))
        entry->hide();
    emit programExitRequested();
}

bool frmDispMarriageCompatibility::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtDisp || watched == txtDisp->viewport()) {
        switch (event->type()) {
        case QEvent::FocusIn:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            clearSelection(txtDisp);
            break;
        default:
            break;
        }
    }
    return ReportWindow::eventFilter(watched, event);
}
