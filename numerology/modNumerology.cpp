#include "numerology/modNumerology.h"

#include "content/NumerologyCombinationTexts.h"

#include <charconv>
#include <limits>

namespace modNumerology {

namespace {

constexpr int kMin16 = std::numeric_limits<std::int16_t>::min();
constexpr int kMax16 = std::numeric_limits<std::int16_t>::max();

// Sums are kept in the 16-bit range: a total that would leave it stays at the limit.
int add16(int total, int value)
{
    const int sum = total + value;
    if (sum > kMax16)
        return kMax16;
    if (sum < kMin16)
        return kMin16;
    return sum;
}

// The value of a plain decimal text ("31", "-4"), held within the 16-bit range; any other
// text (empty, blanks, letters, fractions) counts 0.
int decimalValue(std::string_view text)
{
    if (text.empty())
        return 0;
    long long value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (end != last)
        return 0;
    if (error == std::errc::result_out_of_range)
        return text.front() == '-' ? kMin16 : kMax16;
    if (error != std::errc())
        return 0;
    if (value > kMax16)
        return kMax16;
    if (value < kMin16)
        return kMin16;
    return int(value);
}

int digitSum(int total)
{
    // The sign of a negative total is not a digit and adds nothing.
    long long rest = total < 0 ? -static_cast<long long>(total) : total;
    int sum = 0;
    do {
        sum += int(rest % 10);
        rest /= 10;
    } while (rest != 0);
    return sum;
}

} // namespace

int MonthNumber(std::string_view month)
{
    for (std::size_t i = 0; i < MonthNames.size(); ++i) {
        if (MonthNames[i] == month)
            return int(i) + 1;
    }
    return 0;
}

int LetterValue(char c)
{
    if (c < 'A' || c > 'Z')
        return 0;
    return (c - 'A') % 9 + 1;
}

std::int16_t SingleDigitNumber(std::string_view day, std::string_view month, std::string_view year)
{
    int total = decimalValue(day);
    total = add16(total, MonthNumber(month));
    total = add16(total, decimalValue(year));

    const int s = digitSum(total);
    if (s < 10)
        return std::int16_t(s);
    // Reduced once only: the first and the last digit of the two-digit sum.
    const int result = s / 10 + s % 10;
    return std::int16_t(result == 10 ? 1 : result);
}

std::int16_t StringToNumber(std::string_view name)
{
    int sum = 0;
    for (char c : name)
        sum = add16(sum, LetterValue(c));
    return SingleDigitNumber(std::to_string(sum), "0", "0");
}

std::string UpperCaseLatin(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    }
    return upper;
}

std::string PairKey(std::int16_t male, std::int16_t female)
{
    return std::to_string(male) + std::to_string(female);
}

std::string_view CombinationText(std::string_view key)
{
    // Looked up by the exact key text: a key such as "011" (a name without letters beside a
    // name of several hundred) is no pair of 1 and 1.
    for (const content::KeyedText& entry : content::NumerologyCombinationTexts) {
        if (entry.key == key)
            return entry.text;
    }
    return {};
}

} // namespace modNumerology
