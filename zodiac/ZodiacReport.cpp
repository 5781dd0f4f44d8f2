#include "zodiac/ZodiacReport.h"

#include "report/ReportComposer.h"
#include "zodiac/ZodiacState.h"
#include "zodiac/frmSunSignZodiacCompatibility.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

// The row captions, in the order of ZodiacReportSource::Profile. "Rulling" is the
// report's own spelling.
constexpr std::array<const char*, 11> kRowCaptions{
    "Element: ",       "Rulling Planet: ", "Positive Traits: ", "Negative Traits: ",
    "Lucky Number: ",  "Lucky Color: ",    "Lucky Day: ",       "Compatibility: ",
    "Famous Person Born In This Sign: ", "Birth Stone: ", "Quality: ",
};

ZodiacReportSource::Profile readProfile(const frmSunSignZodiacCompatibility::PartnerControls& c)
{
    return {
        c.txtElement->text(),         c.txtRulingPlanet->text(),  c.txtPositiveTraits->toPlainText(),
        c.txtNegativeTraits->toPlainText(), c.txtLuckyNumber->text(), c.txtLuckyColor->text(),
        c.txtLuckyDay->text(),        c.txtCompatibility->text(), c.txtFamousPersons->toPlainText(),
        c.txtBirthStone->text(),      c.txtQuality->text(),
    };
}

void heading(ReportComposer& out, const QString& text)
{
    out.setBold(true);
    out.setColour(ReportColour::DarkMagenta);
    out.write(text);
    out.setBold(false);
    out.lineBreak();
}

void profileRows(ReportComposer& out, const ZodiacReportSource::Profile& profile)
{
    for (std::size_t row = 0; row < kRowCaptions.size(); ++row) {
        out.setColour(ReportColour::DarkCyan);
        out.write(QString::fromLatin1(kRowCaptions[row]));
        out.setColour(ReportColour::Black);
        out.write(profile[row]);
        out.lineBreak();
    }
    out.lineBreak(); // a blank line closes the section
}

} // namespace

ZodiacReportSource ReadZodiacReportSource(const frmSunSignZodiacCompatibility* screen)
{
    ZodiacReportSource source;
    if (screen) {
        source.profileM = readProfile(screen->partnerM());
        source.profileF = readProfile(screen->partnerF());
    }
    const modSunSign::SunSignMatch& match = TheSunSignMatch();
    source.percentage = QString::fromStdString(match.Percentage);
    source.ratingWords = QString::fromStdString(match.RatingWords);
    source.pairText = QString::fromStdString(match.PairText);
    const ZodiacState& state = TheZodiacState();
    source.signM = QString::fromStdString(state.SignM);
    source.signF = QString::fromStdString(state.SignF);
    return source;
}

void ComposeZodiacReport(QTextEdit* view, const ZodiacReportSource& source)
{
    ReportComposer out(view);

    heading(out, QStringLiteral("Your Sun Sign Details"));
    profileRows(out, source.profileM);

    heading(out, QStringLiteral("Your Partner's Sun Sign Details"));
    profileRows(out, source.profileF);

    heading(out, QStringLiteral("You And Your Partner's Sun Sign Compatibility"));
    out.setColour(ReportColour::DarkCyan);
    out.write(QStringLiteral("You Have A Match Of: "));
    out.setColour(ReportColour::Black);
    out.write(source.percentage); // empty for the special matches
    out.lineBreak();

    out.setColour(ReportColour::DarkCyan);
    out.write(source.ratingWords);
    out.lineBreak(2);
    out.write(QStringLiteral("You And Your Partner: ") + source.signM + QStringLiteral(" And ") + source.signF);
    out.lineBreak();

    out.setColour(ReportColour::Black);
    out.write(source.pairText);
}
