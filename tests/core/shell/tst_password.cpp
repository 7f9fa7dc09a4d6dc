#include "shell/Password.h"

#include <QtTest>

namespace {

// 0, 1, 0, 1, ... in the order the encoder asks for filler bits.
Password::BitSource alternating()
{
    auto next = std::make_shared<int>(0);
    return [next] { return (*next)++ % 2; };
}

Password::BitSource constant(int bit)
{
    return [bit] { return bit; };
}

// Index in the stored (reversed) text of position pos of the unreversed text.
int storedIndex(int pos)
{
    return Password::kStoredLength - pos;
}

const int kMarkerPositions[] = {3, 4, 8, 12, 13, 17, 21, 22, 23, 24, 26, 27, 29, 30, 31, 32};

} // namespace

class TstPassword : public QObject
{
    Q_OBJECT

private slots:
    void roundTripKeepsLengthAndText_data();
    void roundTripKeepsLengthAndText();
    void randomFillerDiffersButBothDecode();
    void fillerIsNotChecked();
    void knownStoredText();
    void arabicUsesTheArabicCodePage();
    void damagedStoredTextIsRejected_data();
    void damagedStoredTextIsRejected();
};

void TstPassword::roundTripKeepsLengthAndText_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("expected");

    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("1") << QStringLiteral("x") << QStringLiteral("x");
    QTest::newRow("7") << QStringLiteral("abc1234") << QStringLiteral("abc1234");
    QTest::newRow("8") << QStringLiteral("Pass0000") << QStringLiteral("Pass0000");
    QTest::newRow("9") << QStringLiteral("nine 9 !9") << QStringLiteral("nine 9 !9");
    QTest::newRow("10") << QStringLiteral("0123456789") << QStringLiteral("0123456789");
    QTest::newRow("11 is cut") << QStringLiteral("abcdefghijK") << QStringLiteral("abcdefghij");
    QTest::newRow("zeros kept") << QStringLiteral("00") << QStringLiteral("00");
    QTest::newRow("trailing zero") << QStringLiteral("a0") << QStringLiteral("a0");
}

void TstPassword::roundTripKeepsLengthAndText()
{
    QFETCH(QString, password);
    QFETCH(QString, expected);

    for (const int filler : {0, 1}) {
        const QString stored = Password::Encode(password, constant(filler));
        QCOMPARE(stored.size(), Password::kStoredLength);

        // Lengths 8..10 carry a blank right after the length mark of value 8
        // (position 805 before reversal); nothing else is ever a blank.
        const int blank = stored.indexOf(QLatin1Char(' '));
        if (expected.size() >= 8) {
            QCOMPARE(blank, storedIndex(805));
            QCOMPARE(stored.at(storedIndex(804)), QLatin1Char('1'));
            QCOMPARE(stored.count(QLatin1Char(' ')), 1);
        } else {
            QCOMPARE(blank, -1);
        }
        for (const QChar ch : stored)
            QVERIFY(ch == QLatin1Char('0') || ch == QLatin1Char('1') || ch == QLatin1Char(' '));

        bool ok = false;
        QCOMPARE(Password::Decode(stored, &ok), expected);
        QVERIFY(ok);
    }
}

void TstPassword::randomFillerDiffersButBothDecode()
{
    const QString password = QStringLiteral("secret");
    const QString first = Password::Encode(password);
    const QString second = Password::Encode(password);
    QVERIFY(first != second);
    QCOMPARE(first.size(), Password::kStoredLength);
    QCOMPARE(second.size(), Password::kStoredLength);

    bool ok = false;
    QCOMPARE(Password::Decode(first, &ok), password);
    QVERIFY(ok);
    ok = false;
    QCOMPARE(Password::Decode(second, &ok), password);
    QVERIFY(ok);
}

void TstPassword::fillerIsNotChecked()
{
    // Positions 2 and 5 hold filler only; 806..808 are the trailing filler.
    QString stored = Password::Encode(QStringLiteral("abc"), constant(0));
    for (const int pos : {2, 5, 66, 639, 641, 800, 805, 806, 807, 808}) {
        QString changed = stored;
        changed[storedIndex(pos)] = QLatin1Char('1');
        bool ok = false;
        QCOMPARE(Password::Decode(changed, &ok), QStringLiteral("abc"));
        QVERIFY2(ok, qPrintable(QString::number(pos)));
    }
}

void TstPassword::knownStoredText()
{
    // "كلمة1234" is DF E1 E3 C9 31 32 33 34 in the Arabic code page, length 8.
    const QString expected =
        QStringLiteral("010 100010101010101010101010101010101010101010101010101010101010"
                       "1010101010101010101010101010101010101010101010101010101010101010"
                       "1010101010101010101010101010101010101010001010101010101010101010"
                       "1011101010100010101010101010100010101010001010101010101010101010"
                       "1011101010100010101010101010100010101010001010101010101010101010"
                       "1011101010100010101011101010100010101010001010101010101010101010"
                       "1011101010100010101010101010101010101011001010101010101010101010"
                       "1011101010100010101010101010101010101010001010101010101010101010"
                       "1011101010100010101010101010100010101011101010101110101010001010"
                       "1010101010101010101010101010100010101011101010101110101010101010"
                       "1010101010100010101010101010101010101011101010101110101010101010"
                       "1010101010100010101010101010100010101011101010101110101010001010"
                       "1011101010011110010011111010101010100111");
    const QString password = QString::fromUtf8("كلمة1234");
    const QString stored = Password::Encode(password, alternating());
    QCOMPARE(stored, expected);
    bool ok = false;
    QCOMPARE(Password::Decode(expected, &ok), password);
    QVERIFY(ok);
}

void TstPassword::arabicUsesTheArabicCodePage()
{
    // س is D3 in the Arabic code page: bits 0..7 = 1,1,0,0,1,0,1,1.
    const QString stored = Password::Encode(QString::fromUtf8("س"), constant(0));
    const char expectedBits[] = "11001011";
    for (int b = 0; b < 8; ++b)
        QCOMPARE(stored.at(storedIndex(9 * b + 1)), QLatin1Char(expectedBits[b]));

    for (const char *text : {"كلمة سر", "پژوهشگر", "étéàçôœ", "؟،ـ"}) {
        const QString password = QString::fromUtf8(text);
        bool ok = false;
        QCOMPARE(Password::Decode(Password::Encode(password), &ok), password);
        QVERIFY(ok);
    }
}

void TstPassword::damagedStoredTextIsRejected_data()
{
    QTest::addColumn<QString>("stored");

    const QString good = Password::Encode(QStringLiteral("Ab12"), alternating());
    for (const int pos : kMarkerPositions) {
        QString damaged = good;
        QChar &ch = damaged[storedIndex(pos)];
        ch = ch == QLatin1Char('1') ? QLatin1Char('0') : QLatin1Char('1');
        QTest::addRow("marker at %d", pos) << damaged;
    }

    QTest::newRow("empty") << QString();
    QTest::newRow("807 characters") << good.mid(1);
    QTest::newRow("809 characters") << good + QLatin1Char('0');
    QTest::newRow("plain text") << QStringLiteral("Ab12");

    // Length marks 1, 2, 4, 8 at positions 801..804: 15 is no valid length.
    QString tooLong = good;
    for (int pos = 801; pos <= 804; ++pos)
        tooLong[storedIndex(pos)] = QLatin1Char('1');
    QTest::newRow("length 15") << tooLong;

    QString notABit = good;
    notABit[storedIndex(64 + 1)] = QLatin1Char('x');
    QTest::newRow("character bit not 0/1") << notABit;
}

void TstPassword::damagedStoredTextIsRejected()
{
    QFETCH(QString, stored);
    bool ok = true;
    QCOMPARE(Password::Decode(stored, &ok), QString());
    QVERIFY(!ok);
}

QTEST_GUILESS_MAIN(TstPassword)
#include "tst_password.moc"
