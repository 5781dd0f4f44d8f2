#include "numerology/frmSaveDocumentMarriageCompatibility.h"

#include "numerology/NumerologyLabels.h"
#include "report/ReportComposer.h"

#include <QBoxLayout>
#include <QPushButton>

namespace {

QBoxLayout* layoutHolding(QLayout* layout, QWidget* widget)
{
    if (!layout)
        return nullptr;
    if (layout->indexOf(widget) >= 0)
        return qobject_cast<QBoxLayout*>(layout);
    for (int i = 0; i < layout->count(); ++i) {
        if (QBoxLayout* found = layoutHolding(layout->itemAt(i)->layout(), widget))
            return found;
    }
    return nullptr;
}

} // namespace

void AddReportButtons(ReportWindow& window, std::initializer_list<QPushButton*> buttons)
{
    QWidget* body = window.cmdPrint->parentWidget();
    QBoxLayout* row = layoutHolding(body ? body->layout() : nullptr, window.cmdPrint);
    if (!row)
        return;
    int at = row->indexOf(window.cmdPrint) + 1;
    for (QPushButton* button : buttons)
        row->insertWidget(at++, button);
}

frmSaveDocumentMarriageCompatibility::frmSaveDocumentMarriageCompatibility()
    : ReportWindow({ProgramWindowId::frmSaveDocumentMarriageCompatibility, QStringLiteral("Comprehensive Reading"),
                    QSize(9000, 7200), ProgramWindowId::frmMainMarriageCompatibility,
                    QStringLiteral("Save Your Numerology Result ...."), 9.0, false})
{
    cmdBack = new QPushButton(QStringLiteral("&Back"));
    cmdBack->setObjectName(QStringLiteral("cmdBack"));
    connect(cmdBack, &QPushButton::clicked, this, &QWidget::close);
    AddReportButtons(*this, {cmdBack});
    setTabOrder(cmdPrint, cmdBack);

    const NumerologyLabels labels = AddNumerologyLabels(footer());
    Label1 = labels.Label1;
    Label2 = labels.Label2;
    Label61 = labels.Label61;
}

void frmSaveDocumentMarriageCompatibility::ShowReport(const NumerologyCouple& couple)
{
    RTB->clear();
    ReportComposer composer(RTB);
    for (const ReportRun& run : NumerologyReadings::ComprehensiveReport(NumerologyReadings::ComputeNumerology(couple))) {
        composer.setBold(run.bold);
        composer.write(QString::fromStdString(run.text));
    }
    ShowFromTop();
}
