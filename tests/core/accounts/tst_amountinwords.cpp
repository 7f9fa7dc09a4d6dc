#include "accounts/AmountInWords.h"
#include "accounts/Currency.h"
#include "accounts/Money.h"

#include <QtTest>

namespace {

// Saudi riyal: a masculine currency with a feminine unit.
Currency riyal()
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
    c.Parts = 2;
    c.IsMale = true;
    c.PartsIsMale = false;
    return c;
}

// Kuwaiti dinar: divided into 1000.
Currency dinar()
{
    Currency c;
    c.NameA = QStringLiteral("دينار");
    c.NameE = QStringLiteral("KD");
    c.PartNameA = QStringLiteral("فلس");
    c.PartNameE = QStringLiteral("Fils");
    c.TwoName = QStringLiteral("ديناران");
    c.TwoPartName = QStringLiteral("فلسان");
    c.ManyName = QStringLiteral("دنانير");
    c.ManyPartName = QStringLiteral("فلوس");
    c.Parts = 3;
    return c;
}

Currency currencyNamed(const QString &name)
{
    if (name == u"UAE")
        return Currency::presetUAE();
    if (name == u"SYR")
        return Currency::presetSYR();
    if (name == u"SAR")
        return riyal();
    if (name == u"KWD")
        return dinar();
    if (name == u"UAE no plural unit") {
        Currency c = Currency::presetUAE();
        c.ManyPartName.clear();
        return c;
    }
    if (name == u"UAE no names") {
        Currency c = Currency::presetUAE();
        c.NameA.clear();
        c.TwoName.clear();
        return c;
    }
    qFatal("unknown currency %s", qPrintable(name));
}

} // namespace

class TstAmountInWords : public QObject
{
    Q_OBJECT

private slots:
    void words_data();
    void words();
    void resultDoesNotDependOnEarlierAmounts();
    void valueIsFormattedWithTheMoneyDecimals_data();
    void valueIsFormattedWithTheMoneyDecimals();

    void presets();
    void optionKeys();
    void storedNamesAreCutToNineCharacters();
    void presetByCountryItem();
    void moneyDecimalsFollowParts_data();
    void moneyDecimalsFollowParts();

    void format_data();
    void format();
    void display_data();
    void display();
    void roundGivesTheFormattedValue();
};

void TstAmountInWords::words_data()
{
    QTest::addColumn<QString>("currency");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("arabic");

    const auto row = [](const char *name, const char *currency, const char *amount,
                        const char *english, const char *arabic) {
        QTest::newRow(name) << QString::fromLatin1(currency) << QString::fromUtf8(amount)
                            << QString::fromUtf8(english) << QString::fromUtf8(arabic);
    };
    const char *const nothingE = "nothing";
    const char *const nothingA = "لا شيء";

    // --- empty, zero and what is no amount
    row("empty", "UAE", "", "", "");
    row("blank", "UAE", "  ", "", "");
    row("0", "UAE", "0", nothingE, nothingA);
    row("0.00", "UAE", "0.00", nothingE, nothingA);
    row("-0", "UAE", "-0", nothingE, nothingA);
    row("0,000.000", "UAE", "0,000.000", nothingE, nothingA);
    row("zero after the cut", "UAE", "0.001", nothingE, nothingA);
    row("negative zero after the cut", "UAE", "-0.004", nothingE, nothingA);
    row("letters", "UAE", "abc", nothingE, nothingA);
    row("two points", "UAE", "1.2.3", nothingE, nothingA);
    row("trailing minus", "UAE", "12-", nothingE, nothingA);
    row("point only", "UAE", ".", nothingE, nothingA);
    row("comma only", "UAE", ",", nothingE, nothingA);
    row("inner blank", "UAE", "1 234", nothingE, nothingA);

    // --- fractions (UAE: 100 fils)
    row("0.5", "UAE", "0.5", "Only Fifty Fils", "فقط خمسون فلساً");
    row("0.50", "UAE", "0.50", "Only Fifty Fils", "فقط خمسون فلساً");
    row("0.05", "UAE", "0.05", "Only Five Fils", "فقط خمسة فلوس");
    row("0.75", "UAE", "0.75", "Only Seventy Five Fils", "فقط خمسة وسبعون فلساً");
    row("0.129 is cut", "UAE", "0.129", "Only Twelve Fils", "فقط إثنا عشر فلساً");
    row("0.999 is cut", "UAE", "0.999", "Only Ninety Nine Fils", "فقط تسعة وتسعون فلساً");
    row("0.01", "UAE", "0.01", "Only One Fils", "فقط فلس واحد");
    row("0.02", "UAE", "0.02", "Only Two Fils", "فقط فلسان");
    row("0.10", "UAE", "0.10", "Only Ten Fils", "فقط عشرة فلوس");
    row("0.11", "UAE", "0.11", "Only Eleven Fils", "فقط أحد عشر فلساً");
    row(".5", "UAE", ".5", "Only Fifty Fils", "فقط خمسون فلساً");
    row("5.", "UAE", "5.", "Only Five Dhs", "فقط خمسة دراهم");
    row("7.00", "UAE", "7.00", "Only Seven Dhs", "فقط سبعة دراهم");
    row("12.3", "UAE", "12.3", "Only Twelve Dhs And Thirty Fils",
        "فقط إثنا عشر درهماً و ثلاثون فلساً");
    row("5.01", "UAE", "5.01", "Only Five Dhs And One Fils", "فقط خمسة دراهم و فلس واحد");
    row("3.02", "UAE", "3.02", "Only Three Dhs And Two Fils", "فقط ثلاثة دراهم و فلسان");
    row("1.5", "UAE", "1.5", "Only One Dhs And Fifty Fils", "فقط درهم واحد و خمسون فلساً");
    row("2.25", "UAE", "2.25", "Only Two Dhs And Twenty Five Fils",
        "فقط درهمان و خمسة وعشرون فلساً");

    // --- units
    row("1", "UAE", "1", "Only One Dhs", "فقط درهم واحد لا غير");
    row("2", "UAE", "2", "Only Two Dhs", "فقط درهمان لاغير");
    row("3", "UAE", "3", "Only Three Dhs", "فقط ثلاثة دراهم");
    row("4", "UAE", "4", "Only Four Dhs", "فقط أربعة دراهم");
    row("5", "UAE", "5", "Only Five Dhs", "فقط خمسة دراهم");
    row("6", "UAE", "6", "Only Six Dhs", "فقط ستة دراهم");
    row("7", "UAE", "7", "Only Seven Dhs", "فقط سبعة دراهم");
    row("8", "UAE", "8", "Only Eight Dhs", "فقط ثمانية دراهم");
    row("9", "UAE", "9", "Only Nine Dhs", "فقط تسعة دراهم");
    row("10", "UAE", "10", "Only Ten Dhs", "فقط عشرة دراهم");
    row("leading zeros", "UAE", "007", "Only Seven Dhs", "فقط سبعة دراهم");
    row("plus sign", "UAE", "+7", "Only Seven Dhs", "فقط سبعة دراهم");
    row("blanks around", "UAE", " 12 ", "Only Twelve Dhs", "فقط إثنا عشر درهماً");

    // --- 11 to 99
    row("11", "UAE", "11", "Only Eleven Dhs", "فقط أحد عشر درهماً");
    row("12", "UAE", "12", "Only Twelve Dhs", "فقط إثنا عشر درهماً");
    row("13", "UAE", "13", "Only Thirteen Dhs", "فقط ثلاثة عشر درهماً");
    row("14", "UAE", "14", "Only Fourteen Dhs", "فقط أربعة عشر درهماً");
    row("15", "UAE", "15", "Only Fifteen Dhs", "فقط خمسة عشر درهماً");
    row("16", "UAE", "16", "Only Sixteen Dhs", "فقط ستة عشر درهماً");
    row("17", "UAE", "17", "Only Seventeen Dhs", "فقط سبعة عشر درهماً");
    row("18", "UAE", "18", "Only Eighteen Dhs", "فقط ثمانية عشر درهماً");
    row("19", "UAE", "19", "Only Nineteen Dhs", "فقط تسعة عشر درهماً");
    row("20", "UAE", "20", "Only Twenty Dhs", "فقط عشرون درهماً");
    row("21", "UAE", "21", "Only Twenty One Dhs", "فقط واحد وعشرون درهماً");
    row("22", "UAE", "22", "Only Twenty Two Dhs", "فقط إثنان وعشرون درهماً");
    row("30", "UAE", "30", "Only Thirty Dhs", "فقط ثلاثون درهماً");
    row("45", "UAE", "45", "Only Forty Five Dhs", "فقط خمسة وأربعون درهماً");
    row("58", "UAE", "58", "Only Fifty Eight Dhs", "فقط ثمانية وخمسون درهماً");
    row("60", "UAE", "60", "Only Sixty Dhs", "فقط ستون درهماً");
    row("73", "UAE", "73", "Only Seventy Three Dhs", "فقط ثلاثة وسبعون درهماً");
    row("80", "UAE", "80", "Only Eighty Dhs", "فقط ثمانون درهماً");
    row("96", "UAE", "96", "Only Ninety Six Dhs", "فقط ستة وتسعون درهماً");
    row("99", "UAE", "99", "Only Ninety Nine Dhs", "فقط تسعة وتسعون درهماً");

    // --- hundreds
    row("100", "UAE", "100", "Only One Hundred Dhs", "فقط مائة درهم");
    row("101", "UAE", "101", "Only One Hundred and One Dhs", "فقط مائة و درهم واحد لا غير");
    row("102", "UAE", "102", "Only One Hundred and Two Dhs", "فقط مائة و درهمان لاغير");
    row("105", "UAE", "105", "Only One Hundred and Five Dhs", "فقط مائة و خمسة دراهم");
    row("115", "UAE", "115", "Only One Hundred and Fifteen Dhs", "فقط مائة و خمسة عشر درهماً");
    row("200", "UAE", "200", "Only Two Hundred Dhs", "فقط مائتا درهم");
    row("250", "UAE", "250", "Only Two Hundred and Fifty Dhs", "فقط مائتان و خمسون درهماً");
    row("300", "UAE", "300", "Only Three Hundred Dhs", "فقط ثلاثمائة درهم");
    row("800", "UAE", "800", "Only Eight Hundred Dhs", "فقط ثمانمائة درهم");
    row("999", "UAE", "999", "Only Nine Hundred and Ninety Nine Dhs",
        "فقط تسعمائة و تسعة وتسعون درهماً");

    // --- thousands
    row("1000", "UAE", "1000", "Only One Thousand, Dhs", "فقط ألف درهم");
    row("1,000", "UAE", "1,000", "Only One Thousand, Dhs", "فقط ألف درهم");
    row("1001", "UAE", "1001", "Only One Thousand, One Dhs", "فقط ألف و درهم واحد لا غير");
    row("1,234.50", "UAE", "1,234.50",
        "Only One Thousand, Two Hundred and Thirty Four Dhs And Fifty Fils",
        "فقط ألف و مائتان و أربعة وثلاثون درهماً و خمسون فلساً");
    row("1500", "UAE", "1500", "Only One Thousand, Five Hundred Dhs", "فقط ألف و خمسمائة درهم");
    row("2000", "UAE", "2000", "Only Two Thousand, Dhs", "فقط ألفا درهم");
    row("2500", "UAE", "2500", "Only Two Thousand, Five Hundred Dhs", "فقط ألفان و خمسمائة درهم");
    row("3000", "UAE", "3000", "Only Three Thousand, Dhs", "فقط ثلاثة آلاف درهم");
    row("3005", "UAE", "3005", "Only Three Thousand, Five Dhs", "فقط ثلاثة آلاف و خمسة دراهم");
    row("4000", "UAE", "4000", "Only Four Thousand, Dhs", "فقط أربعة آلاف درهم");
    row("5000", "UAE", "5000", "Only Five Thousand, Dhs", "فقط خمسة آلاف درهم");
    row("6000", "UAE", "6000", "Only Six Thousand, Dhs", "فقط ستة آلاف درهم");
    row("7000", "UAE", "7000", "Only Seven Thousand, Dhs", "فقط سبعة آلاف درهم");
    row("8000", "UAE", "8000", "Only Eight Thousand, Dhs", "فقط ثمانية آلاف درهم");
    row("9000", "UAE", "9000", "Only Nine Thousand, Dhs", "فقط تسعة آلاف درهم");
    row("10000", "UAE", "10000", "Only Ten Thousand, Dhs", "فقط عشرة آلاف درهم");
    row("11000", "UAE", "11000", "Only Eleven Thousand, Dhs", "فقط أحد عشر ألف درهم");
    row("12000", "UAE", "12000", "Only Twelve Thousand, Dhs", "فقط إثنا عشر ألف درهم");
    row("21000", "UAE", "21000", "Only Twenty One Thousand, Dhs", "فقط واحد وعشرون ألف درهم");
    row("100000", "UAE", "100000", "Only One Hundred Thousand, Dhs", "فقط مائة ألف درهم");
    row("100005", "UAE", "100005", "Only One Hundred Thousand, Five Dhs",
        "فقط مائة ألف و خمسة دراهم");
    row("101000", "UAE", "101000", "Only One Hundred and One Thousand, Dhs",
        "فقط مائة وواحد ألف درهم");
    row("101005", "UAE", "101005", "Only One Hundred and One Thousand, Five Dhs",
        "فقط مائة وواحد ألفاً و خمسة دراهم");
    row("102000", "UAE", "102000", "Only One Hundred and Two Thousand, Dhs",
        "فقط مائة وإثنان ألف درهم");
    row("102005", "UAE", "102005", "Only One Hundred and Two Thousand, Five Dhs",
        "فقط مائة وإثنان ألفاً و خمسة دراهم");
    row("200000", "UAE", "200000", "Only Two Hundred Thousand, Dhs", "فقط مائتا ألف درهم");
    row("200001", "UAE", "200001", "Only Two Hundred Thousand, One Dhs",
        "فقط مائتا ألف و درهم واحد لا غير");
    row("201000", "UAE", "201000", "Only Two Hundred and One Thousand, Dhs",
        "فقط مائتان وواحد ألف درهم");
    row("300000", "UAE", "300000", "Only Three Hundred Thousand, Dhs", "فقط ثلاثمائة ألف درهم");
    row("301000", "UAE", "301000", "Only Three Hundred and One Thousand, Dhs",
        "فقط ثلاثمائة وواحد ألف درهم");
    row("123456", "UAE", "123456",
        "Only One Hundred and Twenty Three Thousand, Four Hundred and Fifty Six Dhs",
        "فقط مائة و ثلاثة وعشرون ألفاً و أربعمائة و ستة وخمسون درهماً");

    // --- millions
    row("1000000", "UAE", "1000000", "Only One million, Dhs", "فقط مليون درهم");
    row("1,000,000", "UAE", "1,000,000", "Only One million, Dhs", "فقط مليون درهم");
    row("1000045", "UAE", "1000045", "Only One million, Forty Five Dhs",
        "فقط مليون وخمسة وأربعون درهماً");
    row("1001000", "UAE", "1001000", "Only One million, One Thousand, Dhs",
        "فقط مليون وألف درهم");
    row("1500000", "UAE", "1500000", "Only One million, Five Hundred Thousand, Dhs",
        "فقط مليون وخمسمائة ألف درهم");
    row("2000000", "UAE", "2000000", "Only Two million, Dhs", "فقط مليونا درهم");
    row("3000000", "UAE", "3000000", "Only Three million, Dhs", "فقط ثلاثة ملايين درهم");
    row("100000000", "UAE", "100000000", "Only One Hundred million, Dhs", "فقط مائة مليون درهم");
    row("100000005", "UAE", "100000005", "Only One Hundred million, Five Dhs",
        "فقط مائة مليون وخمسة دراهم");
    row("101000000", "UAE", "101000000", "Only One Hundred and One million, Dhs",
        "فقط مائة وواحد مليوناً درهم");
    row("102000000", "UAE", "102000000", "Only One Hundred and Two million, Dhs",
        "فقط مائة وإثنان مليوناً درهم");
    row("200000000", "UAE", "200000000", "Only Two Hundred million, Dhs", "فقط مائتا مليون درهم");
    row("201000000", "UAE", "201000000", "Only Two Hundred and One million, Dhs",
        "فقط مائتان وواحد مليوناً درهم");
    row("999999999.99", "UAE", "999999999.99",
        "Only Nine Hundred and Ninety Nine million, Nine Hundred and Ninety Nine Thousand, "
        "Nine Hundred and Ninety Nine Dhs And Ninety Nine Fils",
        "فقط تسعمائة و تسعة وتسعون مليوناً وتسعمائة و تسعة وتسعون ألفاً و تسعمائة و تسعة "
        "وتسعون درهماً و تسعة وتسعون فلساً");

    // --- ten digits and more have no words
    row("10 digits", "UAE", "1234567890", nothingE, nothingA);
    row("11 digits", "UAE", "12345678901", nothingE, nothingA);
    row("11 digits negative", "UAE", "-12345678901", nothingE, nothingA);
    row("11 digits with fraction", "UAE", "99,999,999,999.50", nothingE, nothingA);
    row("zeros before nine digits", "UAE", "000000000012", "Only Twelve Dhs",
        "فقط إثنا عشر درهماً");

    // --- negative amounts
    row("-5", "UAE", "-5", "Negative Only Five Dhs", "سالب فقط خمسة دراهم");
    row("-1", "UAE", "-1", "Negative Only One Dhs", "سالب فقط درهم واحد لا غير");
    row("-0.5", "UAE", "-0.5", "Negative Only Fifty Fils", "سالب فقط خمسون فلساً");
    row("-0123", "UAE", "-0123", "Negative Only One Hundred and Twenty Three Dhs",
        "سالب فقط مائة و ثلاثة وعشرون درهماً");
    row("-1,234.50", "UAE", "-1,234.50",
        "Negative Only One Thousand, Two Hundred and Thirty Four Dhs And Fifty Fils",
        "سالب فقط ألف و مائتان و أربعة وثلاثون درهماً و خمسون فلساً");

    // --- SYR: feminine currency, masculine unit
    row("SYR 1", "SYR", "1", "Only One S.POUND", "فقط ليرة واحدة لا غير");
    row("SYR 2", "SYR", "2", "Only Two S.POUND", "فقط ليرتان لاغير");
    row("SYR 3", "SYR", "3", "Only Three S.POUND", "فقط ثلاث ليرات");
    row("SYR 4", "SYR", "4", "Only Four S.POUND", "فقط أربع ليرات");
    row("SYR 5", "SYR", "5", "Only Five S.POUND", "فقط خمس ليرات");
    row("SYR 6", "SYR", "6", "Only Six S.POUND", "فقط ست ليرات");
    row("SYR 7", "SYR", "7", "Only Seven S.POUND", "فقط سبع ليرات");
    row("SYR 8", "SYR", "8", "Only Eight S.POUND", "فقط ثمان ليرات");
    row("SYR 9", "SYR", "9", "Only Nine S.POUND", "فقط تسع ليرات");
    row("SYR 10", "SYR", "10", "Only Ten S.POUND", "فقط عشر ليرات");
    row("SYR 11", "SYR", "11", "Only Eleven S.POUND", "فقط إحدى عشرة ليرةً");
    row("SYR 12", "SYR", "12", "Only Twelve S.POUND", "فقط إثنتا عشرة ليرةً");
    row("SYR 13", "SYR", "13", "Only Thirteen S.POUND", "فقط ثلاث عشرة ليرةً");
    row("SYR 18", "SYR", "18", "Only Eighteen S.POUND", "فقط ثماني عشرة ليرةً");
    row("SYR 20", "SYR", "20", "Only Twenty S.POUND", "فقط عشرون ليرةً");
    row("SYR 21", "SYR", "21", "Only Twenty One S.POUND", "فقط واحدة وعشرون ليرةً");
    row("SYR 22", "SYR", "22", "Only Twenty Two S.POUND", "فقط إثنتان وعشرون ليرةً");
    row("SYR 100", "SYR", "100", "Only One Hundred S.POUND", "فقط مائة ليرة");
    row("SYR 103", "SYR", "103", "Only One Hundred and Three S.POUND", "فقط مائة و ثلاث ليرات");
    row("SYR 200", "SYR", "200", "Only Two Hundred S.POUND", "فقط مائتا ليرة");
    row("SYR 1000", "SYR", "1000", "Only One Thousand, S.POUND", "فقط ألف ليرة");
    row("SYR 1001", "SYR", "1001", "Only One Thousand, One S.POUND", "فقط ألف و ليرة واحدة لا غير");
    row("SYR 2000", "SYR", "2000", "Only Two Thousand, S.POUND", "فقط ألفا ليرة");
    row("SYR 3000", "SYR", "3000", "Only Three Thousand, S.POUND", "فقط ثلاثة آلاف ليرة");
    row("SYR 1000000", "SYR", "1000000", "Only One million, S.POUND", "فقط مليون ليرة");
    row("SYR 1,234.50", "SYR", "1,234.50",
        "Only One Thousand, Two Hundred and Thirty Four S.POUND And Fifty QRSH",
        "فقط ألف و مائتان و أربع وثلاثون ليرةً و خمسون قرشاً");
    row("SYR 0.5", "SYR", "0.5", "Only Fifty QRSH", "فقط خمسون قرشاً");
    row("SYR 0.05", "SYR", "0.05", "Only Five QRSH", "فقط خمسة قروش");
    row("SYR 1.25", "SYR", "1.25", "Only One S.POUND And Twenty Five QRSH",
        "فقط ليرة واحدة و خمسة وعشرون قرشاً");
    row("SYR 2.02", "SYR", "2.02", "Only Two S.POUND And Two QRSH", "فقط ليرتان و قرشان");
    row("SYR -3", "SYR", "-3", "Negative Only Three S.POUND", "سالب فقط ثلاث ليرات");

    // --- a feminine unit
    row("SAR 0.01", "SAR", "0.01", "Only One Halala", "فقط هللة واحدة");
    row("SAR 0.02", "SAR", "0.02", "Only Two Halala", "فقط هللتان");
    row("SAR 0.03", "SAR", "0.03", "Only Three Halala", "فقط ثلاث هللات");
    row("SAR 0.11", "SAR", "0.11", "Only Eleven Halala", "فقط إحدى عشرة هللةً");
    row("SAR 5.50", "SAR", "5.50", "Only Five SR And Fifty Halala", "فقط خمسة ريالات و خمسون هللةً");
    row("SAR 1.01", "SAR", "1.01", "Only One SR And One Halala", "فقط ريال واحد و هللة واحدة");

    // --- a currency divided into 1000
    row("KWD 0.5", "KWD", "0.5", "Only Five Hundred Fils", "فقط خمسمائة فلس");
    row("KWD 0.2", "KWD", "0.2", "Only Two Hundred Fils", "فقط مائتا فلس");
    row("KWD 0.100", "KWD", "0.100", "Only One Hundred Fils", "فقط مائة فلس");
    row("KWD 0.25", "KWD", "0.25", "Only Two Hundred and Fifty Fils", "فقط مائتان و خمسون فلساً");
    row("KWD 0.1234 is cut", "KWD", "0.1234", "Only One Hundred and Twenty Three Fils",
        "فقط مائة و ثلاثة وعشرون فلساً");
    row("KWD 1.001", "KWD", "1.001", "Only One KD And One Fils", "فقط دينار واحد و فلس واحد");
    row("KWD 12.345", "KWD", "12.345", "Only Twelve KD And Three Hundred and Forty Five Fils",
        "فقط إثنا عشر ديناراً و ثلاثمائة و خمسة وأربعون فلساً");
    row("KWD 7.0005", "KWD", "7.0005", "Only Seven KD", "فقط سبعة دنانير");

    // --- empty names do not rewrite other words
    row("no plural unit", "UAE no plural unit", "1,234.05",
        "Only One Thousand, Two Hundred and Thirty Four Dhs And Five Fils",
        "فقط ألف و مائتان و أربعة وثلاثون درهماً و خمسة");
    row("no currency name", "UAE no names", "2", "Only Two Dhs", "فقط إثنان");
    row("no currency name 1,005", "UAE no names", "1,005", "Only One Thousand, Five Dhs",
        "فقط ألف و خمسة دراهم");
}

void TstAmountInWords::words()
{
    QFETCH(QString, currency);
    QFETCH(QString, amount);
    QFETCH(QString, english);
    QFETCH(QString, arabic);

    const AmountWords w = AmountInWords(amount, currencyNamed(currency));
    QCOMPARE(w.English, english);
    QCOMPARE(w.Arabic, arabic);
}

void TstAmountInWords::resultDoesNotDependOnEarlierAmounts()
{
    const Currency uae = Currency::presetUAE();
    const QStringList amounts = {QStringLiteral("5"),    QStringLiteral("0.001"),
                                 QStringLiteral("1234567890"), QStringLiteral("45"),
                                 QStringLiteral("100"),  QStringLiteral("0.5"),
                                 QStringLiteral("3000"), QStringLiteral("abc")};
    QList<AmountWords> forward;
    for (const QString &a : amounts)
        forward << AmountInWords(a, uae);
    for (qsizetype i = amounts.size() - 1; i >= 0; --i) {
        const AmountWords again = AmountInWords(amounts[i], uae);
        QCOMPARE(again.English, forward[i].English);
        QCOMPARE(again.Arabic, forward[i].Arabic);
    }
}

void TstAmountInWords::valueIsFormattedWithTheMoneyDecimals_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("currency");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("arabic");

    QTest::newRow("2.675 rounds up") << 2.675 << QStringLiteral("UAE")
                                     << QStringLiteral("Only Two Dhs And Sixty Eight Fils")
                                     << QStringLiteral("فقط درهمان و ثمانية وستون فلساً");
    QTest::newRow("-0.004 is zero") << -0.004 << QStringLiteral("UAE") << QStringLiteral("nothing")
                                    << QStringLiteral("لا شيء");
    QTest::newRow("1234567.5") << 1234567.5 << QStringLiteral("UAE")
                               << QStringLiteral("Only One million, Two Hundred and Thirty Four "
                                                 "Thousand, Five Hundred and Sixty Seven Dhs And "
                                                 "Fifty Fils")
                               << QStringLiteral("فقط مليون ومائتان و أربعة وثلاثون ألفاً و "
                                                 "خمسمائة و سبعة وستون درهماً و خمسون فلساً");
    QTest::newRow("3 decimals") << 0.0015 << QStringLiteral("KWD")
                                << QStringLiteral("Only Two Fils") << QStringLiteral("فقط فلسان");
}

void TstAmountInWords::valueIsFormattedWithTheMoneyDecimals()
{
    QFETCH(double, value);
    QFETCH(QString, currency);
    QFETCH(QString, english);
    QFETCH(QString, arabic);

    const AmountWords w = AmountInWords(value, currencyNamed(currency));
    QCOMPARE(w.English, english);
    QCOMPARE(w.Arabic, arabic);
}

void TstAmountInWords::presets()
{
    const Currency uae = Currency::presetUAE();
    QCOMPARE(uae.NameA, QStringLiteral("درهم"));
    QCOMPARE(uae.NameE, QStringLiteral("Dhs"));
    QCOMPARE(uae.PartNameA, QStringLiteral("فلس"));
    QCOMPARE(uae.PartNameE, QStringLiteral("Fils"));
    QCOMPARE(uae.TwoName, QStringLiteral("درهمان"));
    QCOMPARE(uae.TwoPartName, QStringLiteral("فلسان"));
    QCOMPARE(uae.ManyName, QStringLiteral("دراهم"));
    QCOMPARE(uae.ManyPartName, QStringLiteral("فلوس"));
    QCOMPARE(uae.Parts, 2);
    QCOMPARE(uae.IsMale, true);
    QCOMPARE(uae.PartsIsMale, true);

    const Currency syr = Currency::presetSYR();
    QCOMPARE(syr.NameA, QStringLiteral("ليرة"));
    QCOMPARE(syr.NameE, QStringLiteral("S.POUND"));
    QCOMPARE(syr.PartNameA, QStringLiteral("قرش"));
    QCOMPARE(syr.PartNameE, QStringLiteral("QRSH"));
    QCOMPARE(syr.TwoName, QStringLiteral("ليرتان"));
    QCOMPARE(syr.TwoPartName, QStringLiteral("قرشان"));
    QCOMPARE(syr.ManyName, QStringLiteral("ليرات"));
    QCOMPARE(syr.ManyPartName, QStringLiteral("قروش"));
    QCOMPARE(syr.Parts, 2);
    QCOMPARE(syr.IsMale, false);
    QCOMPARE(syr.PartsIsMale, true);

    const Currency none;
    QVERIFY(none.needsSetup());
    QVERIFY(!uae.needsSetup());
    QCOMPARE(none.Parts, 2);
    QCOMPARE(none.decimals(), 2);
}

void TstAmountInWords::optionKeys()
{
    QCOMPARE(CurrencyKeys::all(),
             QStringList({"money.NameA", "money.NameE", "money.PartNameA", "money.PartNameE",
                          "money.TowName", "money.TwoPartName", "money.ManyName",
                          "money.ManyPartName", "money.Parts", "money.IsMale",
                          "money.PartsIsMale"}));
}

void TstAmountInWords::storedNamesAreCutToNineCharacters()
{
    Currency c = Currency::presetUAE();
    c.NameE = QStringLiteral("Dirham1234567");
    c.ManyName = QStringLiteral("ابجدهوزحطي"); // ten letters
    c.PartNameE = QStringLiteral("123456789");
    const Currency s = c.stored();
    QCOMPARE(s.NameE, QStringLiteral("Dirham123"));
    QCOMPARE(s.ManyName, QStringLiteral("ابجدهوزحط"));
    QCOMPARE(s.PartNameE, QStringLiteral("123456789"));
    QCOMPARE(s.NameA, c.NameA);
    QCOMPARE(s.Parts, c.Parts);
}

void TstAmountInWords::presetByCountryItem()
{
    QCOMPARE(Currency::countryItems(), QStringList({"Chose", "SYR", "UAE "}));
    QVERIFY(Currency::preset(QStringLiteral("UAE ")) == Currency::presetUAE());
    QVERIFY(Currency::preset(QStringLiteral(" uae")) == Currency::presetUAE());
    QVERIFY(Currency::preset(QStringLiteral("SYR")) == Currency::presetSYR());
    QVERIFY(!Currency::preset(QStringLiteral("Chose")).has_value());
    QVERIFY(!Currency::preset(QStringLiteral("KWD")).has_value());
}

void TstAmountInWords::moneyDecimalsFollowParts_data()
{
    QTest::addColumn<int>("parts");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("format");
    QTest::newRow("2") << 2 << 2 << QStringLiteral(",0.00;;0");
    QTest::newRow("3") << 3 << 3 << QStringLiteral(",0.000;;0");
    QTest::newRow("0 is not 2") << 0 << 3 << QStringLiteral(",0.000;;0");
    QTest::newRow("4 is not 2") << 4 << 3 << QStringLiteral(",0.000;;0");
}

void TstAmountInWords::moneyDecimalsFollowParts()
{
    QFETCH(int, parts);
    QFETCH(int, decimals);
    QFETCH(QString, format);
    Currency c;
    c.Parts = parts;
    QCOMPARE(c.decimals(), decimals);
    QCOMPARE(c.displayFormat(), format);
    QCOMPARE(Money::displayFormat(decimals), format);
}

void TstAmountInWords::format_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");

    QTest::newRow("2.675") << 2.675 << 2 << QStringLiteral("2.68");
    QTest::newRow("-2.675") << -2.675 << 2 << QStringLiteral("-2.68");
    QTest::newRow("1.005") << 1.005 << 2 << QStringLiteral("1.01");
    QTest::newRow("1.115") << 1.115 << 2 << QStringLiteral("1.12");
    QTest::newRow("0.285") << 0.285 << 2 << QStringLiteral("0.29");
    QTest::newRow("8.325") << 8.325 << 2 << QStringLiteral("8.33");
    QTest::newRow("1.004") << 1.004 << 2 << QStringLiteral("1.00");
    QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << 2 << QStringLiteral("0.30");
    QTest::newRow("0") << 0.0 << 2 << QStringLiteral("0.00");
    QTest::newRow("-0.0") << -0.0 << 2 << QStringLiteral("0.00");
    QTest::newRow("-0.004") << -0.004 << 2 << QStringLiteral("0.00");
    QTest::newRow("-0.005") << -0.005 << 2 << QStringLiteral("-0.01");
    QTest::newRow("999.995") << 999.995 << 2 << QStringLiteral("1000.00");
    QTest::newRow("12345678.905") << 12345678.905 << 2 << QStringLiteral("12345678.91");
    QTest::newRow("123") << 123.0 << 2 << QStringLiteral("123.00");
    QTest::newRow("1234.5 with 3") << 1234.5 << 3 << QStringLiteral("1234.500");
    QTest::newRow("0.0005 with 3") << 0.0005 << 3 << QStringLiteral("0.001");
    QTest::newRow("0.0015 with 3") << 0.0015 << 3 << QStringLiteral("0.002");
    QTest::newRow("0.0004 with 3") << 0.0004 << 3 << QStringLiteral("0.000");
    QTest::newRow("-999.9995 with 3") << -999.9995 << 3 << QStringLiteral("-1000.000");
    QTest::newRow("1e15") << 1e15 << 2 << QStringLiteral("1000000000000000.00");
    QTest::newRow("0.5 with 0") << 0.5 << 0 << QStringLiteral("1");
    QTest::newRow("nan") << qQNaN() << 2 << QString();
    QTest::newRow("inf") << qInf() << 2 << QString();
}

void TstAmountInWords::format()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(QString, text);
    QCOMPARE(Money::format(value, decimals), text);
}

void TstAmountInWords::display_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");

    QTest::newRow("1234567.891") << 1234567.891 << 2 << QStringLiteral("1,234,567.89");
    QTest::newRow("-1234.5") << -1234.5 << 2 << QStringLiteral("-1,234.50");
    QTest::newRow("999.999") << 999.999 << 2 << QStringLiteral("1,000.00");
    QTest::newRow("123") << 123.0 << 2 << QStringLiteral("123.00");
    QTest::newRow("100 with 3") << 100.0 << 3 << QStringLiteral("100.000");
    QTest::newRow("123456.0005 with 3") << 123456.0005 << 3 << QStringLiteral("123,456.001");
    QTest::newRow("zero") << 0.0 << 2 << QStringLiteral("0");
    QTest::newRow("rounds to zero") << 0.004 << 2 << QStringLiteral("0");
    QTest::newRow("negative rounds to zero") << -0.0004 << 3 << QStringLiteral("0");
    QTest::newRow("-0.004 with 3") << -0.004 << 3 << QStringLiteral("-0.004");
}

void TstAmountInWords::display()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(QString, text);
    QCOMPARE(Money::display(value, decimals), text);
}

void TstAmountInWords::roundGivesTheFormattedValue()
{
    QCOMPARE(Money::round(2.675, 2), 2.68);
    QCOMPARE(Money::round(-2.675, 2), -2.68);
    QCOMPARE(Money::round(0.0015, 3), 0.002);
    QCOMPARE(Money::round(1234.4449, 2), 1234.44);
    QCOMPARE(Money::round(2.5, 0), 3.0);
}

QTEST_GUILESS_MAIN(TstAmountInWords)
#include "tst_amountinwords.moc"
