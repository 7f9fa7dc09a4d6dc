#include "accounts/AmountInWords.h"

#include "accounts/Money.h"

#include <QRegularExpression>

#include <algorithm>
#include <initializer_list>

namespace {

// The longest integer part that has words: nine digits (up to 999,999,999).
constexpr qsizetype kMaxDigits = 9;

const QString kNothingE = QStringLiteral("nothing");
const QString kNothingA = QStringLiteral("لا شيء");

// Accusative ending: with alef after most nouns, on the letter itself after
// teh marbuta (feminine nouns).
const QString kAlefTanween = QStringLiteral("اً");
const QString kTanween = QStringLiteral("ً");

QString reduceBlanks(QString text)
{
    while (text.contains(QLatin1String("  ")))
        text.replace(QLatin1String("  "), QLatin1String(" "));
    return text;
}

bool allZeros(QStringView digits)
{
    return std::all_of(digits.begin(), digits.end(), [](QChar c) { return c == u'0'; });
}

int valueOf(QStringView digits)
{
    return digits.toInt(); // at most nine digits, so it always fits
}

bool isTens(int n)
{
    return n >= 20 && n <= 90 && n % 10 == 0;
}

// ---------------------------------------------------------------- English

QString EnglishWords(QStringView s)
{
    static const char *const kOnes[] = {
        "",        "One",     "Two",       "Three",    "Four",     "Five",    "Six",
        "Seven",   "Eight",   "Nine",      "Ten",      "Eleven",   "Twelve",  "Thirteen",
        "Fourteen", "Fifteen", "Sixteen",  "Seventeen", "Eighteen", "Nineteen", "Twenty"};
    static const char *const kTens[] = {"",      "",      "Twenty",  "Thirty", "Forty",
                                        "Fifty", "Sixty", "Seventy", "Eighty", "Ninety"};

    const int n = valueOf(s);
    if (n <= 20)
        return QLatin1String(kOnes[n]);
    if (isTens(n))
        return QLatin1String(kTens[n / 10]);

    const qsizetype len = s.size();
    if (len == 2)
        return EnglishWords(QString(s[0]) + u'0') + u' ' + EnglishWords(s.mid(1));
    if (len == 3) {
        if (s[0] == u'0')
            return EnglishWords(s.mid(1));
        const QString rest = EnglishWords(s.mid(1));
        const QString hundreds = EnglishWords(s.left(1)) + QLatin1String(" Hundred");
        return rest.isEmpty() ? hundreds : hundreds + QLatin1String(" and ") + rest;
    }
    if (len <= 9) {
        const qsizetype low = len <= 6 ? 3 : 6;
        const QStringView upper = s.left(len - low);
        const QStringView lower = s.right(low);
        // A group of zeros (one million and forty-five) is not named.
        if (allZeros(upper))
            return EnglishWords(lower);
        return EnglishWords(upper) + QLatin1String(len <= 6 ? " Thousand," : " million,")
               + u' ' + EnglishWords(lower);
    }
    return {};
}

// ----------------------------------------------------------------- Arabic

// Arabic words of a digit string. Besides the text it keeps the forms of the
// currency and unit names that agree with the number it converted last:
// nested calls run before the outer one finishes, so 45 takes the form of 40
// (accusative) and 105 that of 5 (plural).
class ArabicWords
{
public:
    explicit ArabicWords(const Currency &currency)
        : m_c(currency)
        , currencyForm(currency.NameA)
        , unitForm(currency.PartNameA)
    {
    }

    QString words(QStringView s, bool male);

private:
    const Currency &m_c;

public:
    QString currencyForm; // the currency name agreeing with the last number
    QString unitForm;     // the unit name agreeing with the last number

private:
    static QString direct(int n, bool male);
    static QString accusative(const QString &name)
    {
        return name.isEmpty() ? name : name + kAlefTanween;
    }
    void chooseForms(int n);
};

QString ArabicWords::direct(int n, bool male)
{
    static const char16_t *const kMale[] = {
        u"",          u"واحد",      u"إثنان",     u"ثلاثة",     u"أربعة",     u"خمسة",
        u"ستة",       u"سبعة",      u"ثمانية",    u"تسعة",      u"عشرة",      u"أحد عشر",
        u"إثنا عشر",  u"ثلاثة عشر", u"أربعة عشر", u"خمسة عشر",  u"ستة عشر",   u"سبعة عشر",
        u"ثمانية عشر", u"تسعة عشر", u"عشرون"};
    static const char16_t *const kFemale[] = {
        u"",          u"واحدة",     u"إثنتان",    u"ثلاث",      u"أربع",      u"خمس",
        u"ست",        u"سبع",       u"ثمان",      u"تسع",       u"عشر",       u"إحدى عشرة",
        u"إثنتا عشرة", u"ثلاث عشرة", u"أربع عشرة", u"خمس عشرة", u"ست عشرة",   u"سبع عشرة",
        u"ثماني عشرة", u"تسع عشرة", u"عشرون"};
    static const char16_t *const kTens[] = {u"",       u"",       u"عشرون",  u"ثلاثون", u"أربعون",
                                            u"خمسون",  u"ستون",   u"سبعون",  u"ثمانون", u"تسعون"};
    if (n <= 20)
        return QString::fromUtf16(male ? kMale[n] : kFemale[n]);
    return QString::fromUtf16(kTens[n / 10]);
}

QString ArabicWords::words(QStringView s, bool male)
{
    const int n = valueOf(s);
    const qsizetype len = s.size();
    QString text;
    if (n <= 20 || isTens(n)) {
        text = direct(n, male);
    } else if (len == 2) {
        // units before tens: 45 is خمسة وأربعون
        const QString units = words(s.mid(1), male);
        text = units + QStringLiteral(" و") + words(QString(s[0]) + u'0', male);
    } else if (len == 3) {
        // the hundreds digit is always feminine and joined to مائة
        if (!words(s.mid(1), false).isEmpty()) {
            QString hundreds;
            if (s[0] != u'0')
                hundreds = words(s.left(1), false) + QStringLiteral("مائة و ");
            text = hundreds + words(s.mid(1), male);
        } else {
            text = words(s.left(1), false) + QStringLiteral("مائة ");
        }
    } else if (len <= 6) {
        const QStringView upper = s.left(len - 3);
        const QStringView lower = s.right(3);
        if (!words(lower, true).isEmpty()) {
            if (allZeros(upper)) {
                // a group of no thousands inside a million is not named
                text = words(lower, male);
            } else {
                const QString thousands = words(upper, true);
                text = thousands + QStringLiteral(" ألفاً و ") + words(lower, male);
            }
        } else {
            text = words(upper, true) + QStringLiteral(" ألف ");
        }
    } else if (len <= kMaxDigits) {
        const QStringView upper = s.left(len - 6);
        const QStringView lower = s.right(6);
        if (!words(lower, true).isEmpty()) {
            const QString millions = words(upper, true);
            text = millions + QStringLiteral(" مليوناً و") + words(lower, male);
        } else {
            text = words(upper, true) + QStringLiteral(" مليوناً ");
        }
    }

    text = reduceBlanks(text);
    static const std::pair<const char16_t *, const char16_t *> kRawRules[] = {
        {u"واحد ألفاً", u"ألف"},
        {u"واحدةمائة", u"مائة"},
        {u"إثنتانمائة", u"مائتان"},
        {u"ةمائة", u"مائة"},
        {u"ثمانيمائة", u"ثمانمائة"},
        // two hundred thousand / million: the construct form without the
        // accusative ending (مائتا ألف و ..., not مائتا ألفاً و ...)
        {u"مائتان ألفاً", u"مائتا ألف"},
        {u"مائتان ألف", u"مائتا ألف"},
        {u"مائتان مليوناً", u"مائتا مليون"},
        {u"مائتان مليون", u"مائتا مليون"},
        {u"إثنان ألفاً", u"ألفان"},
        {u"إثنان ألف", u"ألفا"},
        {u"ة ألفاً و", u"ة آلاف و"},
        {u"ة ألف", u"ة آلاف"},
        {u"ة مليوناً", u"ة ملايين"},
        {u"واحد مليوناً", u"مليون"},
        {u"إثنان مليوناً", u"مليونان"},
    };
    static const QList<std::pair<QString, QString>> kRules = [] {
        QList<std::pair<QString, QString>> rules;
        for (const auto &[before, after] : kRawRules)
            rules.append({QString::fromUtf16(before), QString::fromUtf16(after)});
        return rules;
    }();
    for (const auto &[before, after] : kRules)
        text.replace(before, after);

    chooseForms(n);
    return text;
}

void ArabicWords::chooseForms(int n)
{
    if (n == 1 || n == 2 || (n >= 11 && n <= 20) || isTens(n)) {
        currencyForm = accusative(m_c.NameA);
        unitForm = accusative(m_c.PartNameA);
    } else if (n >= 3 && n <= 10) {
        currencyForm = m_c.ManyName;
        unitForm = m_c.ManyPartName;
    } else if (n == 100 || n == 1000 || n == 1000000) {
        currencyForm = m_c.NameA;
        unitForm = m_c.PartNameA;
    }
    // Whole hundreds count a singular noun: ثلاثمائة درهم, ثلاثمائة فلس.
    if (n > 0 && n % 100 == 0) {
        currencyForm = m_c.NameA;
        unitForm = m_c.PartNameA;
    }
}

// ------------------------------------------------------------- assembling

AmountWords nothing()
{
    return {kNothingE, kNothingA};
}

// The agreement of the Arabic text with the names, applied to the whole text.
// A rule that uses a name is skipped while that name is empty, so that an
// unconfigured name does not rewrite unrelated words.
void agreeArabic(QString &arabic, const Currency &c, bool fractionFollows)
{
    const auto rule = [&arabic](std::initializer_list<const QString *> names, const QString &before,
                                const QString &after) {
        for (const QString *name : names)
            if (name->isEmpty())
                return;
        arabic.replace(before, after);
    };
    const auto s = [](const char16_t *text) { return QString::fromUtf16(text); };
    // "no more" closes the amount; it does not stand before the fraction.
    const QString onlyTwo = fractionFollows ? QString() : s(u" لاغير");
    const QString onlyOne = fractionFollows ? QString() : s(u" لا غير");
    const QString &nameA = c.NameA;
    const QString &partA = c.PartNameA;

    if (!c.IsMale)
        rule({&nameA}, nameA + kAlefTanween, nameA + kTanween);
    if (!c.PartsIsMale)
        rule({&partA}, partA + kAlefTanween, partA + kTanween);
    rule({&nameA}, s(u"فقط ") + nameA, kNothingA);
    rule({&nameA, &c.TwoName}, s(u"إثنان ") + nameA + kAlefTanween, c.TwoName + onlyTwo);
    rule({&nameA, &c.TwoName}, s(u"إثنتان ") + nameA + kTanween, c.TwoName + onlyTwo);
    rule({&nameA}, s(u"واحد ") + nameA + kAlefTanween, nameA + s(u" واحد") + onlyOne);
    rule({&nameA}, s(u"واحدة ") + nameA + kTanween, nameA + s(u" واحدة") + onlyOne);
    rule({&nameA}, s(u"مائتان ") + nameA, s(u"مائتا ") + nameA);
    rule({&nameA}, s(u"مليونان ") + nameA, s(u"مليونا ") + nameA);
    // a hundred takes the singular whatever follows: مائة مليون و ...
    rule({}, s(u"مائة ملايين "), s(u"مائة مليون "));
    rule({}, s(u"مائة آلاف "), s(u"مائة ألف "));
    rule({&nameA}, s(u"واحد ألف ") + nameA, s(u"ألف ") + nameA);

    // A group of thousands or millions of 101, 102, 201, ... 902 lost its
    // one or two to the rules above (201,000 read as 200 + 1,000): give the
    // number word back. مائة also stands for ثلاثمائة ... تسعمائة.
    for (const QString &hundred : {s(u"مائة"), s(u"مائتان")}) {
        rule({&nameA}, hundred + s(u" و ألف ") + nameA, hundred + s(u" وواحد ألف ") + nameA);
        rule({}, hundred + s(u" و ألف و "), hundred + s(u" وواحد ألفاً و "));
        rule({}, hundred + s(u" و ألفان و "), hundred + s(u" وإثنان ألفاً و "));
        rule({}, hundred + s(u" و ألفا "), hundred + s(u" وإثنان ألف "));
        rule({}, hundred + s(u" و مليون "), hundred + s(u" وواحد مليوناً "));
        rule({}, hundred + s(u" و مليونان "), hundred + s(u" وإثنان مليوناً "));
        rule({}, hundred + s(u" و مليونا "), hundred + s(u" وإثنان مليوناً "));
    }

    rule({&c.ManyPartName}, s(u"و ") + c.ManyPartName, QString());
    rule({&partA}, s(u"و ") + partA + kAlefTanween, QString());

    // One and two of the unit, as for the currency: فلس واحد, فلسان.
    rule({&partA, &c.TwoPartName}, s(u"إثنان ") + partA + kAlefTanween, c.TwoPartName);
    rule({&partA, &c.TwoPartName}, s(u"إثنتان ") + partA + kTanween, c.TwoPartName);
    rule({&partA}, s(u"واحد ") + partA + kAlefTanween, partA + s(u" واحد"));
    rule({&partA}, s(u"واحدة ") + partA + kTanween, partA + s(u" واحدة"));
    rule({&partA}, s(u"مائتان ") + partA, s(u"مائتا ") + partA);
}

} // namespace

AmountWords AmountInWords(const QString &amount, const Currency &c)
{
    const QString trimmed = amount.trimmed();
    if (trimmed.isEmpty())
        return {};
    QString text = trimmed;
    text.remove(u',');
    static const QRegularExpression shape(QStringLiteral("^([+-]?)([0-9]*)(?:\\.([0-9]*))?$"));
    const QRegularExpressionMatch m = shape.match(text);
    if (!m.hasMatch() || m.capturedLength(2) + m.capturedLength(3) == 0)
        return nothing();
    const bool negative = m.capturedView(1) == u"-";
    QString integer = m.captured(2);
    QString fraction = m.captured(3);
    if (allZeros(integer) && allZeros(fraction))
        return nothing();

    const int parts = c.decimals();
    if (fraction.size() == 1)
        fraction += u'0';
    if (parts == 3 && fraction.size() == 2)
        fraction += u'0';
    fraction.truncate(parts); // cut off, not rounded
    if (allZeros(fraction))
        fraction.clear();

    if (integer.isEmpty()) // ".5" is half a unit
        integer = QStringLiteral("0");
    qsizetype zeros = 0;
    while (zeros < integer.size() - 1 && integer[zeros] == u'0')
        ++zeros;
    integer.remove(0, zeros);
    // Nothing is left once the fraction digits beyond the decimals are cut.
    if (integer == u"0" && fraction.isEmpty())
        return nothing();
    if (integer.size() > kMaxDigits)
        return nothing();

    ArabicWords arabicWords(c);
    QString english = QStringLiteral("Only ") + EnglishWords(integer) + u' ' + c.NameE;
    QString arabic = QStringLiteral("فقط ") + arabicWords.words(integer, c.IsMale);
    arabic += u' ' + arabicWords.currencyForm;

    const bool hasFraction = !fraction.isEmpty();
    const bool fractionOnly = hasFraction && integer == u"0";
    if (hasFraction) {
        const QString fractionA = arabicWords.words(fraction, c.PartsIsMale);
        const QString unitA = fractionA + u' ' + arabicWords.unitForm;
        const QString unitE = EnglishWords(fraction) + u' ' + c.PartNameE;
        if (fractionOnly) {
            arabic = QStringLiteral("فقط ") + unitA;
            english = QStringLiteral("Only ") + unitE;
        } else {
            arabic += QStringLiteral(" و ") + unitA;
            english += QStringLiteral(" And ") + unitE;
        }
    }
    if (negative) {
        arabic.prepend(QStringLiteral("سالب "));
        english.prepend(QStringLiteral("Negative "));
    }

    english = reduceBlanks(english);
    arabic = reduceBlanks(arabic);
    if (english == QStringLiteral("Only ") + c.PartNameE)
        english = QStringLiteral("Nothing");
    agreeArabic(arabic, c, hasFraction && !fractionOnly);
    return {english.trimmed(), arabic.trimmed()};
}

AmountWords AmountInWords(double amount, const Currency &currency)
{
    return AmountInWords(Money::format(amount, currency.decimals()), currency);
}
