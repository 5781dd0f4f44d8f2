#include "zodiac/ZodiacReport.h"

#include "report/ReportComposer.h"
#include "zodiac/ZodiacCouple.h"

namespace {

QString text(const std::string& value)
{
    return QString::fromStdString(value);
}

void heading(ReportComposer& out, const QString& text)
{
    out.setBold(true);
    out.setColour(ReportColour::DarkMagenta);
    out.write(text);
    out.setBold(false);
    out.lineBreak();
}

void profileRows(ReportComposer& out, const modSunSign::SunSignProfile& profile)
{
    // "Rulling" is the report's own spelling.
    const std::pair<const char*, const std::string&> rows[] = {
        {"Element: ", profile.Element},
        {"Rulling Planet: ", profile.RulingPlanet},
        {"Positive Traits: ", profile.PositiveTraits},
        {"Negative Traits: ", profile.NegativeTraits},
        {"Lucky Number: ", profile.LuckyNumber},
        {"Lucky Color: ", profile.LuckyColor},
        {"Lucky Day: ", profile.LuckyDay},
        {"Compatibility: ", profile.Compatibility},
        {"Famous Person Born In This Sign: ", profile.FamousPersons},
        {"Birth Stone: ", profile.BirthStone},
        {"Quality: ", profile.Quality},
    };
    for (const auto& [caption, value] : rows) {
        out.setColour(ReportColour::DarkCyan);
        out.write(QString::fromLatin1(caption));
        out.setColour(ReportColour::Black);
        out.write(text(value));
        out.lineBreak();
    }
    out.lineBreak(); // a blank line closes the section
}

} // namespace

void ComposeZodiacReport(QTextEdit* view, const ZodiacResult& result)
{
    ReportComposer out(view);

    heading(out, QStringLiteral("Your Sun Sign Details"));
    profileRows(out, result.ProfileM);

    heading(out, QStringLiteral("Your Partner's Sun Sign Details"));
    profileRows(out, result.ProfileF);

    heading(out, QStringLiteral("You And Your Partner's Sun Sign Compatibility"));
    out.setColour(ReportColour::DarkCyan);
    out.write(QStringLiteral("You Have A Match Of: "));
    out.setColour(ReportColour::Black);
    out.write(text(result.Match.Percentage)); // empty for the special matches
    out.lineBreak();

    out.setColour(ReportColour::DarkCyan);
    out.write(text(result.Match.RatingWords));
    out.lineBreak(2);
    out.write(QStringLiteral("You And Your Partner: ") + text(result.SignM) + QStringLiteral(" And ") +
              text(result.SignF));
    out.lineBreak();

    out.setColour(ReportColour::Black);
    out.write(text(result.Match.PairText));
}
