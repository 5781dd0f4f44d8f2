#pragma once

class QTextEdit;
struct ZodiacResult;

// Appends the zodiac report of result to the view at its insertion point: each partner's
// sign profile, then the pair's rating and reading, under three headings in bold dark
// magenta, with captions in dark cyan and values in black, one line per row.
void ComposeZodiacReport(QTextEdit* view, const ZodiacResult& result);
