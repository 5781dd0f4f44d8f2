#pragma once

#include <QString>

#include <array>

class QTextEdit;
class frmSunSignZodiacCompatibility;

// What the zodiac report is made of: each partner's eleven profile values as the result
// screen shows them, the pair's rating and reading, and both signs.
struct ZodiacReportSource {
    // In report order: element, ruling planet, positive traits, negative traits, lucky
    // number, lucky color, lucky day, compatibility, famous persons, birth stone, quality.
    using Profile = std::array<QString, 11>;

    Profile profileM;
    Profile profileF;
    QString percentage;
    QString ratingWords;
    QString pairText;
    QString signM;
    QString signF;
};

// Reads the result screen's profile boxes as displayed, the last match and both signs.
// Without a result screen the profiles are empty.
ZodiacReportSource ReadZodiacReportSource(const frmSunSignZodiacCompatibility* screen);

// Appends the zodiac report to the view at its insertion point: three headings in bold
// dark magenta, captions in dark cyan, values in black, one line per row.
void ComposeZodiacReport(QTextEdit* view, const ZodiacReportSource& source);
