#pragma once

#include <QString>

// Amounts of money as text. Every amount is shown and written with the money
// decimals of the currency (2 or 3). Rounding is half away from zero on the
// decimal value of the amount (its first 15 significant digits), so 2.675
// gives 2.68 although the nearest binary double lies just below it. The
// texts never depend on the locale: "." is the decimal point and "," the
// thousands separator.
namespace Money {

// 2 when parts is 2, otherwise 3.
int decimalsFor(int parts);

// The money decimals of the currency in the options ("money.Parts").
int decimals();

// ",0.00;;0" for 2 decimals, ",0.000;;0" for 3 (more zeros for more).
QString displayFormat(int decimals);

// "-1234.50": exactly `decimals` digits after the point (none and no point
// for 0), a leading "-" for negative amounts, no thousands separators. An
// amount that rounds to zero has no sign. Empty for NaN and infinities.
QString format(double value, int decimals);

// The display format: "-1,234.50", and "0" for an amount that rounds to zero.
QString display(double value, int decimals);

// The amount rounded to `decimals` as format() rounds it.
double round(double value, int decimals);

} // namespace Money
