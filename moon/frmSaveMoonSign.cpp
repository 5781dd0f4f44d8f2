#include "moon/frmSaveMoonSign.h"

#include "moon/frmMoonSign.h"
#include "report/ReportComposer.h"
#include "shell/Messages.h"

#include <QLabel>
#include <QLineEdit>

namespace {
const QColor kHeading(255, 0, 0);
} // namespace

frmSaveMoonSign::frmSaveMoonSign()
    : ReportWindow({ProgramWindowId::frmSaveMoonSign, QStringLiteral("Zel Moon Sign Compatibility"), QSize(9600, 7200),
                    ProgramWindowId::frmMoonSign, ApplicationTitle})
{
    Compose();
}

void frmSaveMoonSign::Compose()
{
    auto* result = ProgramWindows::Find<frmMoonSign>(ProgramWindowId::frmMoonSign);
    if (!result)
        return;

    ReportComposer report(RTB);
    const auto heading = [&report](const QString& text) {
        report.setBold(true);
        report.setColour(kHeading);
        report.write(text);
        report.setBold(false);
        report.lineBreak(2);
    };
    const auto labelled = [&report](const QString& label, const QString& value, int breaks = 2) {
        report.setColour(ReportColour::DarkRed);
        report.write(label);
        report.setColour(ReportColour::Black);
        report.write(value);
        report.lineBreak(breaks);
    };
    const auto partner = [&labelled](QLineEdit* name, QLineEdit* birthDate, QLineEdit* birthTime, QLineEdit* city,
                                     QLineEdit* state, QLineEdit* country, QLineEdit* moonSign) {
        labelled(QStringLiteral("Name :"), name->text());
        labelled(QStringLiteral("Date of Birth :"), birthDate->text());
        labelled(QStringLiteral("Time of Birth :"), birthTime->text());
        labelled(QStringLiteral("City :"), city->text());
        labelled(QStringLiteral("State :"), state->text());
        labelled(QStringLiteral("Country :"), country->text());
        labelled(QStringLiteral("Moon Sign :"), moonSign->text());
    };

    report.moveToEnd();
    heading(QStringLiteral("Your Moon Sign Details"));
    partner(result->txtUserM, result->txtDOBM, result->txtTOBM, result->txtCityM, result->txtStateM,
            result->txtCountryM, result->txtMoonM);
    heading(QStringLiteral("Your Partner's Moon Sign Details"));
    partner(result->txtUserF, result->txtDOBF, result->txtTOBF, result->txtCityF, result->txtStateF,
            result->txtCountryF, result->txtMoonF);
    heading(QStringLiteral("Moon Sign Compatibility Interpretation"));
    labelled(QStringLiteral("Percentage of Compatibility :"), result->lblPercentage->text());
    labelled(QStringLiteral("Compatibility of ") + result->txtMoonM->text() + QStringLiteral(" With ") +
                 result->txtMoonF->text() + u':',
             result->lblComment->text());
    labelled(QStringLiteral("Detailed Analysis"), result->lblDescription->text(), 1);

    ShowFromTop();
}
