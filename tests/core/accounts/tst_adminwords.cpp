// qarvel-admin words, run in-process.

#include "AdminCommands.h"

#include <QTemporaryDir>
#include <QtTest>

class TstAdminWords : public QObject
{
    Q_OBJECT

private slots:
    void printsEnglishThenArabic_data();
    void printsEnglishThenArabic();
    void refusesAnUnknownCurrencyOrMissingAmount_data();
    void refusesAnUnknownCurrencyOrMissingAmount();

private:
    int run(QStringList args, QString *out, QString *err)
    {
        args.prepend(m_dir.path());
        args.prepend(QStringLiteral("--data"));
        QTextStream o(out), e(err);
        const int status = AdminCommands(o, e).run(args);
        o.flush();
        e.flush();
        return status;
    }

    QTemporaryDir m_dir;
};

void TstAdminWords::printsEnglishThenArabic_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("output");

    QTest::newRow("default UAE") << QStringList{QStringLiteral("words"), QStringLiteral("1,234.50")}
                                 << QStringLiteral("Only One Thousand, Two Hundred and Thirty Four "
                                                   "Dhs And Fifty Fils\n"
                                                   "فقط ألف و مائتان و أربعة وثلاثون درهماً و خمسون "
                                                   "فلساً\n");
    QTest::newRow("SYR") << QStringList{QStringLiteral("words"), QStringLiteral("1"),
                                        QStringLiteral("--currency"), QStringLiteral("SYR")}
                         << QStringLiteral("Only One S.POUND\nفقط ليرة واحدة لا غير\n");
    QTest::newRow("negative, option first")
        << QStringList{QStringLiteral("words"), QStringLiteral("--currency=uae"), QStringLiteral("-5")}
        << QStringLiteral("Negative Only Five Dhs\nسالب فقط خمسة دراهم\n");
    QTest::newRow("too long") << QStringList{QStringLiteral("words"), QStringLiteral("12345678901")}
                              << QStringLiteral("nothing\nلا شيء\n");
}

void TstAdminWords::printsEnglishThenArabic()
{
    QFETCH(QStringList, args);
    QFETCH(QString, output);
    QVERIFY(m_dir.isValid());
    QString out, err;
    QCOMPARE(run(args, &out, &err), 0);
    QCOMPARE(out, output);
    QCOMPARE(err, QString());
}

void TstAdminWords::refusesAnUnknownCurrencyOrMissingAmount_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("unknown currency")
        << QStringList{QStringLiteral("words"), QStringLiteral("5"), QStringLiteral("--currency"),
                       QStringLiteral("KWD")};
    QTest::newRow("no amount") << QStringList{QStringLiteral("words")};
    QTest::newRow("two amounts") << QStringList{QStringLiteral("words"), QStringLiteral("5"),
                                                QStringLiteral("6")};
}

void TstAdminWords::refusesAnUnknownCurrencyOrMissingAmount()
{
    QFETCH(QStringList, args);
    QString out, err;
    QCOMPARE(run(args, &out, &err), 2);
    QCOMPARE(out, QString());
    QVERIFY(!err.isEmpty());
}

QTEST_GUILESS_MAIN(TstAdminWords)
#include "tst_adminwords.moc"
