#pragma once

#include <array>
#include <string>
#include <string_view>

// How well two moon signs get along: a score per ordered pair of signs, its percentage,
// rating phrase and interpretation.
namespace modMoonSignWestern {

struct MoonPairScore {
    std::string_view key;   // first partner's sign, "-", second partner's sign
    std::string_view score; // "1" to "10"
};

// The 144 ordered pairs, the first partner's sign in the outer order, both in zodiac order.
// Six pairs score differently depending on who has which sign.
inline constexpr std::array<MoonPairScore, 144> MoonPairTable{{
    {"Aries-Aries", "3"},
    {"Aries-Taurus", "6"},
    {"Aries-Gemini", "6"},
    {"Aries-Cancer", "2"},
    {"Aries-Leo", "7"},
    {"Aries-Virgo", "6"},
    {"Aries-Libra", "4"},
    {"Aries-Scorpio", "6"},
    {"Aries-Sagittarius", "9"},
    {"Aries-Capricorn", "6"},
    {"Aries-Aquarius", "6"},
    {"Aries-Pisces", "4"},
    {"Taurus-Aries", "7"},
    {"Taurus-Taurus", "2"},
    {"Taurus-Gemini", "4"},
    {"Taurus-Cancer", "8"},
    {"Taurus-Leo", "6"},
    {"Taurus-Virgo", "10"},
    {"Taurus-Libra", "7"},
    {"Taurus-Scorpio", "6"},
    {"Taurus-Sagittarius", "3"},
    {"Taurus-Capricorn", "9"},
    {"Taurus-Aquarius", "3"},
    {"Taurus-Pisces", "7"},
    {"Gemini-Aries", "8"},
    {"Gemini-Taurus", "4"},
    {"Gemini-Gemini", "2"},
    {"Gemini-Cancer", "4"},
    {"Gemini-Leo", "8"},
    {"Gemini-Virgo", "6"},
    {"Gemini-Libra", "10"},
    {"Gemini-Scorpio", "4"},
    {"Gemini-Sagittarius", "7"},
    {"Gemini-Capricorn", "4"},
    {"Gemini-Aquarius", "9"},
    {"Gemini-Pisces", "6"},
    {"Cancer-Aries", "3"},
    {"Cancer-Taurus", "8"},
    {"Cancer-Gemini", "4"},
    {"Cancer-Cancer", "5"},
    {"Cancer-Leo", "7"},
    {"Cancer-Virgo", "8"},
    {"Cancer-Libra", "5"},
    {"Cancer-Scorpio", "8"},
    {"Cancer-Sagittarius", "4"},
    {"Cancer-Capricorn", "8"},
    {"Cancer-Aquarius", "4"},
    {"Cancer-Pisces", "10"},
    {"Leo-Aries", "9"},
    {"Leo-Taurus", "6"},
    {"Leo-Gemini", "8"},
    {"Leo-Cancer", "7"},
    {"Leo-Leo", "1"},
    {"Leo-Virgo", "5"},
    {"Leo-Libra", "7"},
    {"Leo-Scorpio", "4"},
    {"Leo-Sagittarius", "10"},
    {"Leo-Capricorn", "5"},
    {"Leo-Aquarius", "7"},
    {"Leo-Pisces", "6"},
    {"Virgo-Aries", "6"},
    {"Virgo-Taurus", "10"},
    {"Virgo-Gemini", "6"},
    {"Virgo-Cancer", "8"},
    {"Virgo-Leo", "5"},
    {"Virgo-Virgo", "1"},
    {"Virgo-Libra", "6"},
    {"Virgo-Scorpio", "7"},
    {"Virgo-Sagittarius", "5"},
    {"Virgo-Capricorn", "9"},
    {"Virgo-Aquarius", "7"},
    {"Virgo-Pisces", "4"},
    {"Libra-Aries", "4"},
    {"Libra-Taurus", "7"},
    {"Libra-Gemini", "10"},
    {"Libra-Cancer", "5"},
    {"Libra-Leo", "7"},
    {"Libra-Virgo", "6"},
    {"Libra-Libra", "2"},
    {"Libra-Scorpio", "6"},
    {"Libra-Sagittarius", "7"},
    {"Libra-Capricorn", "4"},
    {"Libra-Aquarius", "9"},
    {"Libra-Pisces", "6"},
    {"Scorpio-Aries", "6"},
    {"Scorpio-Taurus", "6"},
    {"Scorpio-Gemini", "4"},
    {"Scorpio-Cancer", "8"},
    {"Scorpio-Leo", "4"},
    {"Scorpio-Virgo", "7"},
    {"Scorpio-Libra", "6"},
    {"Scorpio-Scorpio", "2"},
    {"Scorpio-Sagittarius", "4"},
    {"Scorpio-Capricorn", "7"},
    {"Scorpio-Aquarius", "3"},
    {"Scorpio-Pisces", "10"},
    {"Sagittarius-Aries", "9"},
    {"Sagittarius-Taurus", "3"},
    {"Sagittarius-Gemini", "7"},
    {"Sagittarius-Cancer", "4"},
    {"Sagittarius-Leo", "10"},
    {"Sagittarius-Virgo", "5"},
    {"Sagittarius-Libra", "7"},
    {"Sagittarius-Scorpio", "4"},
    {"Sagittarius-Sagittarius", "3"},
    {"Sagittarius-Capricorn", "5"},
    {"Sagittarius-Aquarius", "8"},
    {"Sagittarius-Pisces", "4"},
    {"Capricorn-Aries", "6"},
    {"Capricorn-Taurus", "9"},
    {"Capricorn-Gemini", "4"},
    {"Capricorn-Cancer", "8"},
    {"Capricorn-Leo", "5"},
    {"Capricorn-Virgo", "9"},
    {"Capricorn-Libra", "4"},
    {"Capricorn-Scorpio", "7"},
    {"Capricorn-Sagittarius", "5"},
    {"Capricorn-Capricorn", "6"},
    {"Capricorn-Aquarius", "7"},
    {"Capricorn-Pisces", "2"},
    {"Aquarius-Aries", "6"},
    {"Aquarius-Taurus", "3"},
    {"Aquarius-Gemini", "9"},
    {"Aquarius-Cancer", "4"},
    {"Aquarius-Leo", "7"},
    {"Aquarius-Virgo", "7"},
    {"Aquarius-Libra", "9"},
    {"Aquarius-Scorpio", "3"},
    {"Aquarius-Sagittarius", "8"},
    {"Aquarius-Capricorn", "7"},
    {"Aquarius-Aquarius", "5"},
    {"Aquarius-Pisces", "4"},
    {"Pisces-Aries", "7"},
    {"Pisces-Taurus", "4"},
    {"Pisces-Gemini", "6"},
    {"Pisces-Cancer", "10"},
    {"Pisces-Leo", "6"},
    {"Pisces-Virgo", "4"},
    {"Pisces-Libra", "6"},
    {"Pisces-Scorpio", "10"},
    {"Pisces-Sagittarius", "4"},
    {"Pisces-Capricorn", "2"},
    {"Pisces-Aquarius", "4"},
    {"Pisces-Pisces", "3"},
}};

// The rating phrase of a score 1 to 10; "" for any other number.
std::string_view MoonMatchRating(int score);

// The score read as a number, as a percentage without "%": "7" gives "70".
std::string PercentageText(std::string_view score);

// The interpretation of the pair with that key; both orders of a pair share one text.
std::string_view MoonPairText(std::string_view key);

struct MoonPairResult {
    std::string Percentage;
    std::string Rating;
    std::string Interpretation;
};

// Looks up the ordered pair of sign names and fills result. Names that form no key leave
// result as it was and give false.
bool MatchMoonSigns(std::string_view signM, std::string_view signF, MoonPairResult& result);

} // namespace modMoonSignWestern
