#include "chinese/frmSaveChineseZodiac.h"

#include "chinese/ChineseCouple.h"
#include "report/ReportComposer.h"
#include "shell/Messages.h"


namespace {

QString fromStd(const std::string& text)
{
    return QString::fromStdString(text);
}

void writeEntry(ReportComposer& composer, const QString& heading, const QString& headingTail, const QString& value)
{
    composer.setBold(true);
    composer.setColour(ReportColour::DarkRed);
    composer.write(heading);
    if (!headingTail.isEmpty())
        composer.write(headingTail);
    composer.setBold(false);
    composer.setColour(ReportColour::Black);
    composer.write(value);
    composer.write(QStringLiteral("\r\n\r\n"));
}

void writePartner(ReportComposer& composer, const ChinesePartner& partner)
{
    using namespace modchinesezodiac;
    const auto field = [&partner](AnimalProfileField index) {
        return fromStd(partner.Profile[std::size_t(index)]);
    };
    writeEntry(composer, QStringLiteral("Name: "), {}, fromStd(partner.Name));
    writeEntry(composer, QStringLiteral("Date of Birth: "), {}, fromStd(partner.BirthDate));
    writeEntry(composer, QStringLiteral("Sign: "), {}, fromStd(partner.Animal));
    // The element heading comes in two parts: "Element: " and the element's own name.
    writeEntry(composer, QStringLiteral("Element: "), fromStd(partner.Element) + QStringLiteral(": "),
               fromStd(partner.ElementDescription));
    writeEntry(composer, QStringLiteral("Ruling Planet: "), {}, field(RulingPlanet));
    writeEntry(composer, QStringLiteral("Positive Traits: "), {}, field(PositiveTraits));
    writeEntry(composer, QStringLiteral("Negative Traits: "), {}, field(NegativeTraits));
    writeEntry(composer, QStringLiteral("Lucky Color: "), {}, field(LuckyColour));
    writeEntry(composer, QStringLiteral("GemStone: "), {}, field(GemStone));
    writeEntry(composer, QStringLiteral("Energy: "), {}, field(Energy));
    writeEntry(composer, QStringLiteral("Lucky Seasons: "), {}, field(LuckySeasons));
    writeEntry(composer, QStringLiteral("Favourable Month: "), {}, field(LuckyMonth));
    writeEntry(composer, QStringLiteral("Most Compatible Sign: "), {}, field(MostCompatibleSign));
    writeEntry(composer, QStringLiteral("Least Compatible Sign: "), {}, field(LeastCompatibleSign));
    writeEntry(composer, QStringLiteral("Famous Persons of this Star Sign are: "), {}, field(FamousPersons));
}

} // namespace

void ComposeChineseReport(QTextEdit* view, const ChineseResult& result)
{
    ReportComposer composer(view);
    writePartner(composer, result.partnerM());
    writePartner(composer, result.partnerF());
}

frmSaveChineseZodiac::frmSaveChineseZodiac()
    : ReportWindow({ProgramWindowId::frmSaveChineseZodiac, QStringLiteral("Zel Chinese Zodiac Compatibility"),
                    QSize(9000, 7800), ProgramWindowId::frmchiness, ApplicationTitle})
{
}

void frmSaveChineseZodiac::ShowReport(const ChineseResult& result)
{
    RTB->clear();
    ComposeChineseReport(RTB, result);
    ShowFromTop();
}
