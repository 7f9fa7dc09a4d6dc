#pragma once

// A small shop for the serial-number tests: a user, a customer, a supplier,
// two items and one document of every kind that carries serials.

#include "data/SqlDialect.h"
#include "data/TDataFormSQL.h"
#include "documents/Documents.h"

#include <QSqlQuery>
#include <QtTest>

struct SerialShop
{
    int user = 0, customer = 0, supplier = 0;
    int tv = 0, radio = 0;
    // one document per kind (index = kind number; price lists unused)
    int inv[6] = {};

    static int maxOf(TDataFormSQL &d, const char *table, const char *column)
    {
        return d
            .scalar(QStringLiteral("SELECT max(\"%1\") FROM \"%2\"")
                        .arg(QLatin1String(column), QLatin1String(table)))
            .toInt();
    }

    bool fill(TDataFormSQL &d)
    {
        bool ok = d.DoSqlNEW(R"(INSERT INTO "Users"("UName","UKind") VALUES('boss',0))");
        user = maxOf(d, "Users", "UID");
        ok = ok
            && d.DoSqlNEW(R"(INSERT INTO "Address"("AName") VALUES(?))",
                          {QStringLiteral("O'Hara Trading")});
        customer = maxOf(d, "Address", "ID");
        ok = ok && d.DoSqlNEW(R"(INSERT INTO "Address"("AName") VALUES('Supplier One'))");
        supplier = maxOf(d, "Address", "ID");
        ok = ok && d.DoSqlNEW(R"(INSERT INTO "ItemKind"("ItemKind") VALUES('General'))");
        ok = ok
            && d.DoSqlNEW(
                R"(INSERT INTO "CodeTb"("ItemCode","Description","Kind","Rate") VALUES('TV1','Television',1,300))");
        tv = maxOf(d, "CodeTb", "ItemID");
        ok = ok
            && d.DoSqlNEW(
                R"(INSERT INTO "CodeTb"("ItemCode","Description","Kind","Rate") VALUES('R2','Radio',1,20))");
        radio = maxOf(d, "CodeTb", "ItemID");
        for (int k : {0, 1, 3, 4, 5}) {
            Documents docs(d, static_cast<DocKind>(k));
            DocumentHeader h;
            h.CompanyID = k == 0 ? supplier : customer;
            h.UID = user;
            h.InvoiceNo = 70 + k;
            h.Date1 = QDateTime(QDate(2026, 5, 1), QTime(10, 0));
            inv[k] = docs.create(h);
            ok = ok && inv[k] > 0;
        }
        return ok;
    }

    // A line of the kind's document; products: a manufacturing product.
    int line(TDataFormSQL &d, DocKind kind, int item, double quantity, double rate = 10,
             bool products = false)
    {
        Documents docs(d, kind);
        return docs.addLine(inv[static_cast<int>(kind)], item, quantity, rate, {}, products);
    }

    int openingStock(TDataFormSQL &d, int item, double quantity, double rate = 10)
    {
        if (!d.DoSqlNEW(R"(INSERT INTO "FGood"("ItemId","Quantity","Rate") VALUES(?,?,?))",
                        {item, quantity, rate}))
            return 0;
        return maxOf(d, "FGood", "ID");
    }
};

// Makes the database refuse to store the serial number "BAD" in table,
// as a failing disk would cut a save off half way.
inline bool refuseSerial(TDataFormSQL &d, const QString &table)
{
    const QString t = SqlDialect::quote(table);
    if (d.engine() == DbEngine::SQLite)
        return d.DoSqlNEW(
            QStringLiteral(
                "CREATE TRIGGER \"refuseSno\" BEFORE INSERT ON %1 WHEN NEW.\"SNo\"='BAD' "
                "BEGIN SELECT RAISE(ABORT, 'refused'); END")
                .arg(t));
    return d.DoSqlNEW(QStringLiteral(
               "CREATE OR REPLACE FUNCTION refuse_sno() RETURNS trigger AS $$ BEGIN IF "
               "NEW.\"SNo\"='BAD' THEN RAISE EXCEPTION 'refused'; END IF; RETURN NEW; END "
               "$$ LANGUAGE plpgsql"))
        && d.DoSqlNEW(
            QStringLiteral("CREATE TRIGGER \"refuseSno\" BEFORE INSERT ON %1 FOR EACH ROW EXECUTE "
                           "FUNCTION refuse_sno()")
                .arg(t));
}
