#include "zodiac/modSunSign.h"

#include "content/SunSignProfileTexts.h"

#include <charconv>
#include <optional>

namespace modSunSign {

namespace {

struct Cusp {
    double day;           // first day of the later sign
    std::string_view later;
    std::string_view earlier;
};

constexpr std::array<Cusp, 12> kCusps{{
    {20, "Aquarius", "Capricorn"},   {19, "Pisces", "Aquarius"},   {21, "Aries", "Pisces"},
    {21, "Taurus", "Aries"},         {21, "Gemini", "Taurus"},     {21, "Cancer", "Gemini"},
    {21, "Leo", "Cancer"},           {21, "Virgo", "Leo"},         {21, "Libra", "Virgo"},
    {21, "Scorpio", "Libra"},        {21, "Sagittarius", "Scorpio"}, {21, "Capricorn", "Sagittarius"},
}};

struct ShortFields {
    std::string_view element, planet, quality, number, colour, day, stone, compatibility;
};

constexpr std::array<ShortFields, 12> kShortFields{{
    {"Fire", "Mars", "Cardinal", "9", "Red", "Tuesday", "Diamond", "Leo & Sagittarius"},
    {"Earth", "Venus", "Fixed", "6", "Green", "Friday", "Emerald", "Capricorn & Virgo"},
    {"Air", "Mercury", "Mutable", "5", "Yellow", "Wednesday", "Agate", "Aquarius & Libra"},
    {"Water", "The Moon", "Cardinal", "2", "Silver", "Monday", "Pearl", "Pisces & Scorpio"},
    {"Fire", "The Sun", "Fixed", "8 & 9", "Gold", "Sunday", "Ruby", "Aries & Sagittarius"},
    {"Earth", "Mercury", "Mutable", "3 & 5", "Blue", "Wednesday", "Sapphire", "Capricorn & Taurus"},
    {"Air", "Venus", "Cardinal", "6 & 9", "Blue", "Friday", "Opal", "Aquarius and Gemini"},
    {"Water", "Pluto and Mars", "Fixed", "2 & 4", "Burgundy and Black", "Tuesday", "Topaz", "Cancer & Pisces"},
    {"Fire", "Jupiter", "Mutable", "5 & 7", "Purple", "Thursday", "Turquoise", "Aries & Leo"},
    {"Earth", "Saturn", "Cardinal", "8, 2", "Brown", "Saturday", "Garnet", "Taurus & Virgo"},
    {"Air", "Uranus and Saturn", "Fixed", "1, 7", "Violet", "Wednesday", "Amethyst", "Taurus & Virgo"},
    {"Water", "Neptune and Jupiter", "Mutable", "2, 6", "Sea green", "Friday", "Aquamarine", "Taurus & Virgo"},
}};

std::optional<double> parseDay(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

} // namespace

int SignIndex(std::string_view sign)
{
    for (int i = 0; i < int(ZodiacSign.size()); ++i) {
        if (ZodiacSign[i] == sign)
            return i;
    }
    return -1;
}

std::string FindSunSign(std::string_view month, std::string_view day)
{
    const std::optional<double> d = parseDay(day);
    if (!d)
        return {};
    for (std::size_t m = 0; m < MonthNames.size(); ++m) {
        if (MonthNames[m] != month)
            continue;
        const Cusp& cusp = kCusps[m];
        if (*d >= cusp.day)
            return std::string(cusp.later);
        if (*d <= cusp.day - 1)
            return std::string(cusp.earlier);
        return {}; // a fractional day between the two tests matches neither
    }
    return {};
}

void GetSunSignProfile(std::string_view sign, SunSignProfile& record)
{
    const int index = SignIndex(sign);
    if (index < 0)
        return;
    const ShortFields& s = kShortFields[index];
    const content::SunSignLongTexts& texts = content::SunSignProfileTexts[index];
    record = SunSignProfile{
        std::string(s.element), std::string(s.planet), std::string(texts.positiveTraits),
        std::string(texts.negativeTraits), std::string(s.number), std::string(s.colour),
        std::string(s.day), std::string(s.compatibility), std::string(texts.famousPersons),
        std::string(s.stone), std::string(s.quality),
    };
}

} // namespace modSunSign
