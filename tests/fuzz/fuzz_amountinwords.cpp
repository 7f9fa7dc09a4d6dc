// libFuzzer target for the amount in words and the money formats.
//
// Any input is tried as an amount text. Inputs that start with the byte 'N'
// are read as a number instead (integer part below 10^9, a fraction, sign and
// separators chosen by the bytes); its English and Arabic words are then read
// back into digits and must give the same amount.
//
//   fuzz_amountinwords -max_total_time=60 CORPUS_DIR

#include "accounts/AmountInWords.h"
#include "accounts/Currency.h"
#include "accounts/Money.h"

#include <QHash>
#include <QStringList>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

[[noreturn]] void failed(const char *what, const QString &amount, const AmountWords &w)
{
    std::fprintf(stderr, "%s\namount: %s\nEnglish: %s\nArabic: %s\n", what,
                 amount.toUtf8().constData(), w.English.toUtf8().constData(),
                 w.Arabic.toUtf8().constData());
    std::abort();
}

// Riyal-like: masculine currency, feminine unit, divided into 1000.
Currency thousandths()
{
    Currency c;
    c.NameA = QStringLiteral("ريال");
    c.NameE = QStringLiteral("SR");
    c.PartNameA = QStringLiteral("هللة");
    c.PartNameE = QStringLiteral("Halala");
    c.TwoName = QStringLiteral("ريالان");
    c.TwoPartName = QStringLiteral("هللتان");
    c.ManyName = QStringLiteral("ريالات");
    c.ManyPartName = QStringLiteral("هللات");
    c.Parts = 3;
    c.IsMale = true;
    c.PartsIsMale = false;
    return c;
}

const QList<Currency> &currencies()
{
    static const QList<Currency> list = {Currency::presetUAE(), Currency::presetSYR(),
                                         thousandths()};
    return list;
}

void checkShape(const QString &amount, const AmountWords &w)
{
    if (w.English.isEmpty() != w.Arabic.isEmpty())
        failed("one text empty, the other not", amount, w);
    if ((w.English == u"nothing") != (w.Arabic == QStringLiteral("لا شيء")))
        failed("only one text says nothing", amount, w);
    for (const QString *t : {&w.English, &w.Arabic}) {
        if (t->contains(QLatin1String("  ")) || *t != t->trimmed())
            failed("stray blanks", amount, w);
    }
    for (QChar c : w.Arabic)
        if (c.isDigit() || (c.unicode() < 0x80 && c.isLetter()))
            failed("Latin letters or digits in the Arabic text", amount, w);
}

// ---- reading the words back

struct Reading
{
    bool ok = true;
    qint64 integer = 0;
    qint64 fraction = 0;
};

qint64 englishNumber(const QStringList &tokens, bool *ok)
{
    static const QHash<QString, int> small = [] {
        QHash<QString, int> h;
        const char *const ones[] = {"One",     "Two",      "Three",     "Four",     "Five",
                                    "Six",     "Seven",    "Eight",     "Nine",     "Ten",
                                    "Eleven",  "Twelve",   "Thirteen",  "Fourteen", "Fifteen",
                                    "Sixteen", "Seventeen", "Eighteen", "Nineteen", "Twenty"};
        for (int i = 0; i < 20; ++i)
            h.insert(QLatin1String(ones[i]), i + 1);
        const char *const tens[] = {"Thirty", "Forty", "Fifty", "Sixty", "Seventy", "Eighty", "Ninety"};
        for (int i = 0; i < 7; ++i)
            h.insert(QLatin1String(tens[i]), 30 + 10 * i);
        return h;
    }();
    qint64 total = 0, current = 0;
    for (const QString &t : tokens) {
        if (small.contains(t))
            current += small.value(t);
        else if (t == u"Hundred")
            current *= 100;
        else if (t == u"and")
            continue;
        else if (t == u"Thousand,")
            total += current * 1000, current = 0;
        else if (t == u"million,")
            total += current * 1000000, current = 0;
        else
            *ok = false;
    }
    return total + current;
}

Reading readEnglish(const QString &text, const Currency &c)
{
    Reading r;
    QStringList tokens = text.split(u' ');
    if (!tokens.isEmpty() && tokens.first() == u"Negative")
        tokens.removeFirst();
    if (tokens.isEmpty() || tokens.takeFirst() != u"Only")
        return r.ok = false, r;
    const qsizetype currencyAt = tokens.indexOf(c.NameE);
    QStringList fraction;
    if (currencyAt >= 0) {
        r.integer = englishNumber(tokens.mid(0, currencyAt), &r.ok);
        fraction = tokens.mid(currencyAt + 1);
        if (!fraction.isEmpty() && fraction.takeFirst() != u"And")
            r.ok = false;
    } else {
        fraction = tokens;
    }
    if (!fraction.isEmpty()) {
        if (fraction.takeLast() != c.PartNameE)
            r.ok = false;
        r.fraction = englishNumber(fraction, &r.ok);
    }
    return r;
}

const QHash<QString, int> &arabicValues()
{
    static const QHash<QString, int> h = [] {
        QHash<QString, int> v;
        const auto add = [&v](const char16_t *word, int value) { v.insert(QString::fromUtf16(word), value); };
        add(u"واحد", 1), add(u"واحدة", 1), add(u"أحد", 1), add(u"إحدى", 1);
        add(u"إثنان", 2), add(u"إثنتان", 2), add(u"إثنا", 2), add(u"إثنتا", 2);
        add(u"ثلاثة", 3), add(u"ثلاث", 3), add(u"أربعة", 4), add(u"أربع", 4);
        add(u"خمسة", 5), add(u"خمس", 5), add(u"ستة", 6), add(u"ست", 6);
        add(u"سبعة", 7), add(u"سبع", 7), add(u"ثمانية", 8), add(u"ثمان", 8), add(u"ثماني", 8);
        add(u"تسعة", 9), add(u"تسع", 9), add(u"عشرة", 10), add(u"عشر", 10);
        add(u"عشرون", 20), add(u"ثلاثون", 30), add(u"أربعون", 40), add(u"خمسون", 50);
        add(u"ستون", 60), add(u"سبعون", 70), add(u"ثمانون", 80), add(u"تسعون", 90);
        add(u"مائة", 100), add(u"مائتان", 200), add(u"مائتا", 200), add(u"ثلاثمائة", 300);
        add(u"أربعمائة", 400), add(u"خمسمائة", 500), add(u"ستمائة", 600), add(u"سبعمائة", 700);
        add(u"ثمانمائة", 800), add(u"تسعمائة", 900);
        // groups: negative markers
        add(u"ألف", -1000), add(u"ألفاً", -1000), add(u"آلاف", -1000);
        add(u"ألفان", -2000), add(u"ألفا", -2000);
        add(u"مليون", -1000000), add(u"مليوناً", -1000000), add(u"ملايين", -1000000);
        add(u"مليونان", -2000000), add(u"مليونا", -2000000);
        return v;
    }();
    return h;
}

// The number of a run of Arabic number words. Returns false on an unknown
// word or a group word in a place where it cannot stand.
bool arabicNumber(const QStringList &tokens, qint64 *value)
{
    const QHash<QString, int> &values = arabicValues();
    qint64 total = 0, current = 0;
    for (QString t : tokens) {
        if (t == u"و")
            continue;
        if (!values.contains(t) && t.startsWith(u'و') && values.contains(t.mid(1)))
            t = t.mid(1);
        if (!values.contains(t))
            return false;
        const int v = values.value(t);
        if (v > 0) {
            current += v;
        } else if (v == -1000 || v == -1000000) {
            total += (current == 0 ? 1 : current) * -qint64(v);
            current = 0;
        } else {
            if (current != 0) // ألفان and مليونان count themselves
                return false;
            total += -qint64(v);
        }
    }
    *value = total + current;
    return true;
}

Reading readArabic(const QString &text, const Currency &c)
{
    Reading r;
    QStringList tokens = text.split(u' ');
    tokens.removeAll(QStringLiteral("سالب"));
    tokens.removeAll(QStringLiteral("فقط"));
    tokens.removeAll(QStringLiteral("لا"));
    tokens.removeAll(QStringLiteral("غير"));
    tokens.removeAll(QStringLiteral("لاغير"));

    const auto nounAt = [&tokens](const QStringList &forms) {
        for (qsizetype i = 0; i < tokens.size(); ++i) {
            QString t = tokens[i];
            if (t.startsWith(u'و') && forms.contains(t.mid(1)))
                t = t.mid(1);
            if (forms.contains(t))
                return i;
        }
        return qsizetype(-1);
    };
    const QStringList currencyForms = {c.NameA, c.NameA + QStringLiteral("اً"),
                                       c.NameA + QStringLiteral("ً"), c.ManyName, c.TwoName};
    const QStringList unitForms = {c.PartNameA, c.PartNameA + QStringLiteral("اً"),
                                   c.PartNameA + QStringLiteral("ً"), c.ManyPartName, c.TwoPartName};

    // number words, then the noun (the dual counts two), then perhaps واحد
    const auto part = [&](const QStringList &forms, const QString &dual, qint64 *value) {
        const qsizetype at = nounAt(forms);
        if (at < 0)
            return r.ok = false, void();
        QStringList words = tokens.mid(0, at);
        QString noun = tokens[at];
        if (noun.startsWith(u'و') && forms.contains(noun.mid(1)))
            noun = noun.mid(1);
        qsizetype next = at + 1;
        if (next < tokens.size() && (tokens[next] == u"واحد" || tokens[next] == u"واحدة"))
            words << tokens[next++];
        if (noun == dual)
            words << QStringLiteral("إثنان");
        if (!arabicNumber(words, value))
            r.ok = false;
        tokens = tokens.mid(next);
    };
    if (nounAt(currencyForms) >= 0)
        part(currencyForms, c.TwoName, &r.integer);
    if (!tokens.isEmpty() && tokens.first() == u"و")
        tokens.removeFirst();
    if (!tokens.isEmpty())
        part(unitForms, c.TwoPartName, &r.fraction);
    if (!tokens.isEmpty())
        r.ok = false;
    return r;
}

// style: 1 negative, 2 thousands separators, 4 a zero fraction written out
void checkAmount(qint64 integer, qint64 fraction, const Currency &c, std::uint8_t style)
{
    const int decimals = c.decimals();
    const bool negative = style & 1;

    QString digits = QString::number(integer);
    if (style & 2) // thousands separators, as the screen shows them
        for (qsizetype i = digits.size() - 3; i > 0; i -= 3)
            digits.insert(i, u',');
    QString amount = (negative ? QStringLiteral("-") : QString()) + digits;
    if (fraction != 0 || (style & 4))
        amount += u'.' + QString::number(fraction).rightJustified(decimals, u'0');

    const AmountWords w = AmountInWords(amount, c);
    checkShape(amount, w);
    if (integer == 0 && fraction == 0) {
        if (w.English != u"nothing")
            failed("zero is not nothing", amount, w);
        return;
    }
    const QString sign = negative ? QStringLiteral("Negative ") : QString();
    if (!w.English.startsWith(sign + QStringLiteral("Only ")))
        failed("English does not start as it should", amount, w);
    if (negative != w.Arabic.startsWith(QStringLiteral("سالب ")))
        failed("Arabic sign", amount, w);
    const Reading e = readEnglish(w.English, c);
    if (!e.ok || e.integer != integer || e.fraction != fraction)
        failed("English words do not read back as the amount", amount, w);
    const Reading a = readArabic(w.Arabic, c);
    if (!a.ok || a.integer != integer || a.fraction != fraction)
        failed("Arabic words do not read back as the amount", amount, w);

    // the value overload agrees with the text
    const double value = (negative ? -1.0 : 1.0) * (double(integer) + double(fraction) / std::pow(10.0, decimals));
    const AmountWords fromValue = AmountInWords(value, c);
    if (!(fromValue == w))
        failed("the value gives other words than its text", amount, fromValue);
}

void checkNumber(const uint8_t *data, size_t size)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, data, std::min<size_t>(size, sizeof bits));
    const std::uint8_t style = size > 8 ? data[8] : 0;
    const Currency &c = currencies()[(bits >> 32) % currencies().size()];
    const qint64 integer = qint64(bits % 1000000000ULL);
    const qint64 fraction = qint64((bits >> 40) % (c.decimals() == 2 ? 100 : 1000));
    checkAmount(integer, fraction, c, style);
}

void checkMoney(const uint8_t *data, size_t size)
{
    double value = 0;
    std::memcpy(&value, data, std::min<size_t>(size, sizeof value));
    for (int decimals : {2, 3}) {
        const QString text = Money::format(value, decimals);
        if (!std::isfinite(value)) {
            if (!text.isEmpty())
                std::abort();
            continue;
        }
        const qsizetype point = text.indexOf(u'.');
        if (point < 0 || text.size() - point - 1 != decimals)
            std::abort();
        bool ok = false;
        const double back = text.toDouble(&ok);
        // half a step of the last decimal, plus what 15 significant digits lose
        const double slack = 0.5 * std::pow(10.0, -decimals) + std::fabs(value) * 1e-14 + 1e-300;
        if (!ok || std::fabs(back - value) > slack)
            std::abort();
        if (Money::format(Money::round(value, decimals), decimals) != text)
            std::abort();
        const QString shown = Money::display(value, decimals);
        QString plain = shown;
        plain.remove(u',');
        if (shown != u"0" && plain != text)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 0 && data[0] == 'N') {
        checkNumber(data + 1, size - 1);
        return 0;
    }
    if (size > 0 && data[0] == 'M') {
        checkMoney(data + 1, size - 1);
        return 0;
    }
    const QString amount = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const Currency &c : currencies())
        checkShape(amount, AmountInWords(amount, c));
    Currency empty; // nothing configured yet
    const AmountWords w = AmountInWords(amount, empty);
    if (w.English.isEmpty() != w.Arabic.isEmpty())
        failed("one text empty, the other not", amount, w);
    return 0;
}
