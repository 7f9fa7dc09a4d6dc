#pragma once

#include "accounts/Currency.h"

#include <QString>

// An amount written out in words, as vouchers, cheques and invoices print it.
struct AmountWords
{
    QString English;
    QString Arabic;

    bool operator==(const AmountWords &) const = default;
};

// The English and the Arabic wording of an amount with the names of the
// currency, e.g. "1,234.50" -> "Only One Thousand, Two Hundred and Thirty
// Four Dhs And Fifty Fils" and "فقط ألف و مائتان و أربعة وثلاثون درهماً و
// خمسون فلساً".
//
// `amount` is the text of an amount as shown on screen: thousands separators
// "," are ignored, "." starts the fraction, a leading "-" makes it negative.
// Fraction digits beyond the currency's decimals are cut off, not rounded.
// An empty text gives two empty texts. A zero amount, a text that is no
// amount and an integer part of ten or more digits give "nothing" and
// "لا شيء".
AmountWords AmountInWords(const QString &amount, const Currency &currency);

// The same for a value, formatted first with the currency's decimals
// (rounded half away from zero).
AmountWords AmountInWords(double amount, const Currency &currency);
