#pragma once

#include "accounts/Currency.h"

class Options;

// The currency record kept among the options of the open year. The values
// are text: names as they stand, "money.Parts" a number, the two gender
// flags "True" or "False". LoadOptions and SaveOptions carry them with the
// other options; these functions only move the record in memory.
namespace CurrencyOptions {

// The record in the options; a key that has no value keeps the default of
// Currency (two decimals, both nouns masculine, no names).
Currency load(const Options &from);
Currency load();

// Writes the record as stored (names cut to Currency::kMaxNameLength).
void save(const Currency &currency, Options &to);
void save(const Currency &currency);

} // namespace CurrencyOptions
