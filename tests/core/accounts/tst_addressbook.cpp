#include "TestDb.h"

#include "accounts/AddressBook.h"
#include "shell/AppState.h"
#include "shell/Years.h"

#include <QtTest>

// The address book: system accounts stay out of reach, accounts in use
// stay, the number of a deleted newest account comes again, names with
// quotes and Arabic letters, and the search.
class TstAddressBook : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase_data() { TestDb::addEngines(); }
    void init() { appState().IsArabic = false; }

    void systemAccountsUntouchable();
    void usedAccountStays_data();
    void usedAccountStays();
    void newestNumberReused();
    void specialNames();
    void duplicateAndEmptyNames();
    void search();

private:
    static AccountRow account(const QString &name, const QString &tel1 = QString(), const QString &kind = QString())
    {
        AccountRow r;
        r.name = name;
        r.tel1 = tel1;
        r.kind = kind;
        return r;
    }
    static QStringList names(const std::vector<AccountRow> &rows)
    {
        QStringList out;
        for (const AccountRow &r : rows)
            out << r.name;
        return out;
    }
};

void TstAddressBook::systemAccountsUntouchable()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    QVERIFY(SystemAccounts::ensure(year.data(), false));
    AddressBook book(year.data());
    QVERIFY(book.save(account(QStringLiteral("Zed"))).ok);
    bool ok = false;
    const std::vector<AccountRow> rows = book.list(QString(), &ok);
    QVERIFY(ok);
    for (const AccountRow &r : rows)
        QVERIFY2(r.id > 3, qPrintable(r.name));
    QVERIFY(names(rows).contains(QStringLiteral("Zed")));
    // Not even a search reaches them.
    QVERIFY(book.list(QStringLiteral("Capital")).empty());

    for (int id = 1; id <= 3; ++id) {
        AccountRow before;
        QVERIFY(book.account(id, &before));
        AccountRow changed = before;
        changed.name = QStringLiteral("Changed %1").arg(id);
        QVERIFY(!book.save(changed).ok);
        QVERIFY(!book.rename(id, QStringLiteral("Other %1").arg(id)).ok);
        QVERIFY(!book.remove(id).ok);
        AccountRow after;
        QVERIFY(book.account(id, &after));
        QCOMPARE(after.name, before.name);
    }
}

void TstAddressBook::usedAccountStays_data()
{
    QTest::addColumn<QString>("insert");
    QTest::newRow("purchase") << R"(INSERT INTO "InvoiceS"("CompanyID","UID") VALUES (?,(SELECT min("UID") FROM "Users")))";
    QTest::newRow("return to us") << R"(INSERT INTO "BToUsS"("CompanyID","UID") VALUES (?,(SELECT min("UID") FROM "Users")))";
    QTest::newRow("sale") << R"(INSERT INTO "Sales"("CompanyID","UID") VALUES (?,(SELECT min("UID") FROM "Users")))";
    QTest::newRow("manufacturing") << R"(INSERT INTO "IndTB"("CompanyID","UID") VALUES (?,(SELECT min("UID") FROM "Users")))";
    QTest::newRow("pay voucher") << R"(INSERT INTO "Pay"("PNameID","Amount","UID") VALUES (?,5,0))";
    QTest::newRow("credit voucher") << R"(INSERT INTO "Credit"("CNameID","Amount","UID") VALUES (?,5,0))";
    QTest::newRow("opening balance") << R"(INSERT INTO "OldDept"("PersonID") VALUES (?))";
    QTest::newRow("user") << R"(INSERT INTO "Users"("EID","UName") VALUES (?,'clerk'))";
    QTest::newRow("employee") << R"(INSERT INTO "Emps"("AccID") VALUES (?))";
    QTest::newRow("partner") << R"(INSERT INTO "Partners"("AccID") VALUES (?))";
}

void TstAddressBook::usedAccountStays()
{
    QARVEL_FETCH_ENGINE(engine);
    QFETCH(QString, insert);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    AddressBook book(year.data());
    const AddressBook::Outcome added = book.save(account(QStringLiteral("Used one")));
    QVERIFY2(added.ok, qPrintable(book.lastError()));
    QVERIFY(book.save(account(QStringLiteral("Later one"))).ok);
    // Documents carry the user who wrote them.
    QVERIFY2(year.data().DoSqlNEW(QStringLiteral(R"(INSERT INTO "Users"("UName") VALUES ('writer'))")),
             qPrintable(year.data().lastErrorText()));
    QVERIFY2(year.data().DoSqlNEW(insert, {added.id}), qPrintable(year.data().lastErrorText()));
    QVERIFY(book.isUsed(added.id));
    const AddressBook::Outcome out = book.remove(added.id);
    QVERIFY(!out.ok);
    QVERIFY(out.message.startsWith(QStringLiteral("Used one")));
    QVERIFY(out.message.contains(QStringLiteral("This Name/Account can not be deleted ")));
    QVERIFY(out.message.contains(QStringLiteral(" Invoice/Voucher is related with this name/Account ")));
    QVERIFY(book.account(added.id, nullptr));
}

void TstAddressBook::newestNumberReused()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    AddressBook book(year.data());
    QVERIFY(book.save(account(QStringLiteral("First"))).ok);
    const AddressBook::Outcome newest = book.save(account(QStringLiteral("Newest")));
    QVERIFY(newest.ok);
    QVERIFY(!book.isUsed(newest.id));
    QVERIFY(book.remove(newest.id).ok);
    QVERIFY(!book.account(newest.id, nullptr));
    const AddressBook::Outcome again = book.save(account(QStringLiteral("Again")));
    QVERIFY(again.ok);
    QCOMPARE(again.id, newest.id);
}

void TstAddressBook::specialNames()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    AddressBook book(year.data());
    const QString quoted = QStringLiteral("O'Brien's shop");
    const QString arabic = QStringLiteral("محمد عبد الله");
    AccountRow a = account(quoted, QStringLiteral("0501"), QStringLiteral("it's"));
    a.note = QStringLiteral("note ' \" ; --");
    a.cashOnly = true;
    const AddressBook::Outcome qa = book.save(a);
    QVERIFY2(qa.ok, qPrintable(book.lastError()));
    const AddressBook::Outcome ar = book.save(account(arabic, QString(), QStringLiteral("عميل")));
    QVERIFY2(ar.ok, qPrintable(book.lastError()));

    AccountRow back;
    QVERIFY(book.account(qa.id, &back));
    QCOMPARE(back.name, quoted);
    QCOMPARE(back.note, a.note);
    QCOMPARE(back.kind, QStringLiteral("it's"));
    QVERIFY(back.cashOnly);
    QVERIFY(book.nameExists(quoted));
    QVERIFY(book.nameExists(arabic));
    QCOMPARE(names(book.list(QStringLiteral("'b"))), QStringList{quoted});
    QCOMPARE(names(book.list(QStringLiteral("عبد"))), QStringList{arabic});
    QCOMPARE(names(book.list(QStringLiteral("عميل"))), QStringList{arabic});

    // Renaming keeps the number; the new name may carry quotes too.
    const AddressBook::Outcome renamed = book.rename(ar.id, QStringLiteral("أحمد 'ب'"));
    QVERIFY(renamed.ok);
    QVERIFY(book.account(ar.id, &back));
    QCOMPARE(back.name, QStringLiteral("أحمد 'ب'"));
    QVERIFY(!book.rename(ar.id, quoted).ok);
}

void TstAddressBook::duplicateAndEmptyNames()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    AddressBook book(year.data());
    const AddressBook::Outcome first = book.save(account(QStringLiteral("Ali")));
    QVERIFY(first.ok);
    QVERIFY(!book.save(account(QStringLiteral("Ali"))).ok);
    QVERIFY(!book.nameExists(QStringLiteral("Alo")));
    const AddressBook::Outcome empty = book.save(account(QStringLiteral("  ")));
    QVERIFY(!empty.ok);
    QCOMPARE(empty.message, QStringLiteral("Error, Chose Name"));
    // Editing an account keeps its own name.
    AccountRow edit = account(QStringLiteral("Ali"), QStringLiteral("777"));
    edit.id = first.id;
    QVERIFY(book.save(edit).ok);
    QCOMPARE(book.list().size(), size_t(1));
    QVERIFY(!book.rename(first.id, QStringLiteral("Ali")).ok);
}

void TstAddressBook::search()
{
    QARVEL_FETCH_ENGINE(engine);
    ScratchYear year(engine);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    AddressBook book(year.data());
    QVERIFY(book.save(account(QStringLiteral("Shop05"))).ok);
    QVERIFY(book.save(account(QStringLiteral("Ahmad"), QStringLiteral("0505"))).ok);
    QVERIFY(book.save(account(QStringLiteral("Kinded"), QString(), QStringLiteral("K05"))).ok);
    AccountRow other = account(QStringLiteral("Other"));
    other.tel2 = QStringLiteral("05");
    other.fax = QStringLiteral("05");
    other.note = QStringLiteral("05");
    QVERIFY(book.save(other).ok);
    QVERIFY(book.save(account(QStringLiteral("100% Ltd"))).ok);

    QCOMPARE(names(book.list(QStringLiteral("05"))),
             (QStringList{QStringLiteral("Ahmad"), QStringLiteral("Kinded"), QStringLiteral("Shop05")}));
    QCOMPARE(names(book.list(QStringLiteral("SHOP"))), QStringList{QStringLiteral("Shop05")});
    QCOMPARE(names(book.list(QStringLiteral("%"))), QStringList{QStringLiteral("100% Ltd")});
    QCOMPARE(book.list().size(), size_t(5));
}

QTEST_GUILESS_MAIN(TstAddressBook)
#include "tst_addressbook.moc"
