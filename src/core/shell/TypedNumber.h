#pragma once

#include <QString>

// Numbers typed by the user into quantity, rate and amount fields. The
// program's own notation ("." as the point, "," only as a correct thousands
// separator) is always understood, then the workstation's notation; Arabic-
// Indic digits and the Arabic decimal and thousands signs count as their
// Latin equivalents. Empty text, other text and infinities are no number.
namespace TypedNumber {

bool read(const QString &text, double *value);

// The text with Arabic-Indic digits and separators replaced by Latin ones.
QString latinDigits(const QString &text);

} // namespace TypedNumber
