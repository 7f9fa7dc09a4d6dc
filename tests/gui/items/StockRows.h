#pragma once

// Small stock fixtures written straight into the tables of a year database.

#include "data/TDataFormSQL.h"

#include <QDebug>

class StockRows
{
public:
    explicit StockRows(TDataFormSQL &data)
        : d(data)
    { }

    int item(const QString &code, double notLes = 0, bool service = false)
    {
        return insert(
            QStringLiteral(
                R"(INSERT INTO "CodeTb"("ItemCode","Description","NotLes","IsService") VALUES(?,?,?,?) RETURNING "ItemID")"),
            {code, QStringLiteral("Item ") + code, notLes, d.boolValue(service)});
    }
    int opening(int item, double quantity, double rate)
    {
        return insert(
            QStringLiteral(
                R"(INSERT INTO "FGood"("ItemId","Quantity","Rate","Note") VALUES(?,?,?,'') RETURNING "ID")"),
            {item, quantity, rate});
    }
    // One document of header dated "dd/MM/yyyy hh:mm" with one line.
    int move(const QString &header, const QString &lines, const QString &date, int item,
             double quantity, double rate = 0)
    {
        if (m_uid == 0)
            m_uid = insert(
                QStringLiteral(
                    R"(INSERT INTO "Users"("UName","UKind") VALUES('stock',0) RETURNING "UID")"),
                {});
        const int inv = insert(
            QStringLiteral(R"(INSERT INTO "%1"("Date1","UID") VALUES(?,?) RETURNING "InvID")")
                .arg(header),
            {d.ToSqlDate(date), m_uid});
        insert(
            QStringLiteral(
                R"(INSERT INTO "%1"("InvID","ItemID","Quantity","Rate1") VALUES(?,?,?,?) RETURNING "ID")")
                .arg(lines),
            {inv, item, quantity, rate});
        return inv;
    }
    int count(const QString &sql, const QVariantList &values = {})
    {
        return d.scalar(sql, values).toInt();
    }

private:
    int insert(const QString &sql, const QVariantList &values)
    {
        bool ok = false;
        const int id = d.scalar(sql, values, &ok).toInt();
        if (!ok)
            qWarning() << sql << d.lastErrorText();
        return id;
    }
    TDataFormSQL &d;
    int m_uid = 0;
};
