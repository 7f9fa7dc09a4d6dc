#pragma once

// The main window started on a year database with a few items and one
// logged-in user, on the sale screen. The customer display records what it
// is sent.

#include "../shell/UsersSupport.h"

#include "pos/CustomerDisplay.h"
#include "pos/PosPage.h"
#include "pos/PosSale.h"
#include "shell/StorePages.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

class RecordingSink : public DisplaySink
{
public:
    void show(const QStringList &lines) override { shown << lines; }
    QStringList firstLines() const
    {
        QStringList out;
        for (const QStringList &l : shown)
            out << l.value(0).trimmed();
        return out;
    }
    QList<QStringList> shown;
};

struct PosFixture
{
    explicit PosFixture(DbEngine engine)
        : f(engine)
    {
    }

    // Creates the year with items and the user, starts and logs in. A
    // user who is not a point-of-sale user goes to the sale screen himself.
    bool start(int kind = Users::Administrator, bool qkb = false, bool coupon = false)
    {
        if (!f.createYear())
            return false;
        if (!f.exec(R"(INSERT INTO "ItemKind"("ItemKind") VALUES('Food'))")
            || !f.exec(R"(INSERT INTO "CodeTb"("ItemCode","Description","Kind","Rate","ISize") VALUES
                          ('6281000000014','Milk',1,3.25,'1l'),('2000123','Cheese per kg',1,40,''),
                          ('A','Apple',1,2,''),('B1','Bread',1,1.5,''),('C22','Coffee',1,12.75,''),
                          ('D333','Dates',1,8,''),('12345','Five',1,1,''))"))
            return false;
        uid = UsersSupport::addUser(f, {QStringLiteral("till"), QStringLiteral("1"), kind,
                                        QStringLiteral("1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;")});
        if (!uid || (qkb && !f.exec(R"(UPDATE "Users" SET "Qkb"=TRUE WHERE "UID"=?)", {uid}))
            || (coupon && !f.exec(R"(UPDATE "Users" SET "Coupon"=TRUE WHERE "UID"=?)", {uid})))
            return false;
        // Coffee on F3, apples on the key "1".
        if (!f.exec(R"(UPDATE "CodeTb" SET "QkbNo"=3 WHERE "ItemCode"='C22')")
            || !f.exec(R"(UPDATE "CodeTb" SET "QkbNo"=13 WHERE "ItemCode"='A')"))
            return false;
        if (!f.start()) {
            qWarning() << "start-up failed:" << MsgBox::shownTexts();
            return false;
        }
        if (!f.window().logIn(QStringLiteral("till"), QStringLiteral("1"))) {
            qWarning() << "login failed:" << MsgBox::shownTexts();
            return false;
        }
        if (kind != Users::PointOfSale)
            f.window().GoTab(StorePages::POS);
        page = f.window().findChild<PosPage *>(QStringLiteral("PosPage"));
        if (!page || f.window().currentPage() != StorePages::POS) {
            qWarning() << "not on the sale screen:" << f.window().currentPage() << MsgBox::shownTexts();
            return false;
        }
        page->display().setSinkOverride(&sink);
        MsgBox::clearShown();
        return true;
    }

    template <typename T> T *child(const char *name) const
    {
        return page->findChild<T *>(QString::fromLatin1(name));
    }
    QLineEdit *code() const { return child<QLineEdit>("BarCodeED"); }
    QTableView *grid() const { return child<QTableView>("POSBillGrd"); }
    QString total() const { return child<QLabel>("POSTAmountLB")->text(); }
    void click(const char *name) const { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }

    void scan(const QString &text) const
    {
        QTest::keyClicks(code(), text);
        QTest::keyClick(code(), Qt::Key_Return);
    }

    int count(const QString &sql) { return f.scalar(sql).toInt(); }

    RecordingSink sink; // outlives the window
    StoreFixture f;
    int uid = 0;
    PosPage *page = nullptr;
};
