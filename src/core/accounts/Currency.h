#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Option keys of the currency record. The options store compares keys in
// upper case with blanks removed, so "money.NameA" and "Money.NameA" are the
// same row. "money.TowName" is spelled so in every existing database.
namespace CurrencyKeys {
inline constexpr char NameA[] = "money.NameA";
inline constexpr char NameE[] = "money.NameE";
inline constexpr char PartNameA[] = "money.PartNameA";
inline constexpr char PartNameE[] = "money.PartNameE";
inline constexpr char TwoName[] = "money.TowName";
inline constexpr char TwoPartName[] = "money.TwoPartName";
inline constexpr char ManyName[] = "money.ManyName";
inline constexpr char ManyPartName[] = "money.ManyPartName";
inline constexpr char Parts[] = "money.Parts";
inline constexpr char IsMale[] = "money.IsMale";
inline constexpr char PartsIsMale[] = "money.PartsIsMale";

// All eleven, in the order of the record.
QStringList all();
} // namespace CurrencyKeys

// The configured currency: the names that amounts in words use, the number
// of fraction digits and the grammatical gender of the two nouns. The
// defaults are what a year database without currency options gives: no
// names, two decimals, both nouns masculine.
struct Currency
{
    static constexpr int kMaxNameLength = 9;
    // Items of the country choice of the currency window; the first one
    // chooses nothing. "UAE " carries its blank as the program shows it.
    static constexpr char kChose[] = "Chose";
    static constexpr char kPresetSYR[] = "SYR";
    static constexpr char kPresetUAE[] = "UAE ";

    QString NameA;        // Arabic currency name, singular
    QString NameE;        // English currency name
    QString PartNameA;    // Arabic name of the fractional unit, singular
    QString PartNameE;    // English name of the fractional unit
    QString TwoName;      // Arabic dual of the currency
    QString TwoPartName;  // Arabic dual of the unit
    QString ManyName;     // Arabic plural of the currency
    QString ManyPartName; // Arabic plural of the unit
    int Parts = 2;        // fraction digits: 2 (divided into 100) or 3 (into 1000)
    bool IsMale = true;      // the currency noun is masculine
    bool PartsIsMale = true; // the unit noun is masculine

    // Dirham and fils, both masculine, 100 fils.
    static Currency presetUAE();
    // Syrian pound (feminine) and qirsh (masculine), 100 qirsh.
    static Currency presetSYR();
    // The preset of a country item ("UAE ", "SYR"); blanks around the text
    // and letter case do not matter. Nothing for "Chose" or anything else.
    static std::optional<Currency> preset(const QString &country);
    static QStringList countryItems(); // "Chose", "SYR", "UAE "

    // Money decimals: 2 when Parts is 2, otherwise 3.
    int decimals() const;
    // Display format of amount fields: ",0.00;;0" or ",0.000;;0".
    QString displayFormat() const;
    // At start the currency window is shown, filled with the "UAE " preset,
    // while no Arabic currency name is stored.
    bool needsSetup() const { return NameA.isEmpty(); }
    // The record as it is stored: every name cut to kMaxNameLength.
    Currency stored() const;

    bool operator==(const Currency &) const = default;
};
