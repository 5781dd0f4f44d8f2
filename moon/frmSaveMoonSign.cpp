#include "moon/frmSaveMoonSign.h"

#include "moon/MoonCouple.h"
#include "report/ReportComposer.h"
#include "shell/Messages.h"

namespace {
const QColor kHeading(255, 0, 0);
} // namespace

frmSaveMoonSign::frmSaveMoonSign()
    : ReportWindow({ProgramWindowId::frmSaveMoonSign, QStringLiteral("Zel Moon Sign Compatibility"), QSize(9600, 7200),
                    ProgramWindowId::frmMoonSign, ApplicationTitle})
{
}

void frmSaveMoonSign::ShowReport(const MoonResult& result)
{
    RTB->clear();
    ComposeMoonReport(RTB, result);
    ShowFromTop();
}

void ComposeMoonReport(QTextEdit* view, const MoonResult& result)
{
    const auto text = [](const std::string& value) { return QString::fromStdString(value); };
    ReportComposer report(view);
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
    const auto details = [&labelled, &text](const MoonPartner& partner, const std::string& moonSign) {
        labelled(QStringLiteral("Name :"), text(partner.Name));
        labelled(QStringLiteral("Date of Birth :"), text(BirthDateText(partner)));
        labelled(QStringLiteral("Time of Birth :"), text(BirthTimeText(partner)));
        labelled(QStringLiteral("City :"), text(partner.City));
        labelled(QStringLiteral("State :"), text(partner.State));
        labelled(QStringLiteral("Country :"), text(partner.Country));
        labelled(QStringLiteral("Moon Sign :"), text(moonSign));
    };

    report.moveToEnd();
    heading(QStringLiteral("Your Moon Sign Details"));
    details(result.Couple.M, result.MoonSignM);
    heading(QStringLiteral("Your Partner's Moon Sign Details"));
    details(result.Couple.F, result.MoonSignF);
    heading(QStringLiteral("Moon Sign Compatibility Interpretation"));
    labelled(QStringLiteral("Percentage of Compatibility :"), text(result.Pair.Percentage));
    labelled(QStringLiteral("Compatibility of ") + text(result.MoonSignM) + QStringLiteral(" With ") +
                 text(result.MoonSignF) + u':',
             text(result.Pair.Rating));
    labelled(QStringLiteral("Detailed Analysis"), text(result.Pair.Interpretation), 1);
}
