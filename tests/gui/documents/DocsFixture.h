#pragma once

// The main window started on a year database with items, customers and
// suppliers and one logged-in user, with the invoices page installed and
// shown. The change guard asks nothing unless a test says so.

#include "../shell/UsersSupport.h"

#include "documents/DocumentLinesModel.h"
#include "documents/DocumentListModel.h"
#include "documents/Documents.h"
#include "documents/DocumentsInstall.h"
#include "documents/DocumentsPage.h"
#include "documents/PricePeek.h"
#include "documents/TNewInvForm.h"
#include "items/CatalogueModel.h"
#include "items/TGetItemForm.h"
#include "shell/Options.h"
#include "shell/StorePages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTableView>

struct DocsFixture
{
    explicit DocsFixture(DbEngine engine)
        : f(engine)
    { }

    bool start(int kbBarcode = 0)
    {
        if (!f.createYear())
            return false;
        if (!f.exec(R"(INSERT INTO "ItemKind"("ItemKind") VALUES('General'))")
            || !f.exec(R"(INSERT INTO "CodeTb"("ItemCode","Description","Kind","Rate") VALUES
                          ('A1','Soap',1,2.5),('B2','Oil',1,10),('C3','Tea',1,4))"))
            return false;
        uid = UsersSupport::addUser(f,
                                    {QStringLiteral("clerk"), QStringLiteral("1"),
                                     Users::Administrator,
                                     QStringLiteral("1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;")});
        if (!uid || !f.exec(R"(UPDATE "Users" SET "KbBarcode"=? WHERE "UID"=?)", {kbBarcode, uid}))
            return false;
        const auto account = [this](const QString &name, bool cashOnly) {
            f.exec(R"(INSERT INTO "Address"("AName","Telno1","CashOnly") VALUES(?,'555',?))",
                   {name, cashOnly});
            return f.scalar(QStringLiteral(R"(SELECT max("ID") FROM "Address")")).toInt();
        };
        customer = account(QStringLiteral("Alpha Trading"), false);
        supplier = account(QStringLiteral("Supplier One"), false);
        supplier2 = account(QStringLiteral("Supplier Two"), false);
        walkIn = account(QStringLiteral("Walk In"), true);
        if (!f.start() || !f.window().logIn(QStringLiteral("clerk"), QStringLiteral("1"))) {
            qWarning() << "start-up or login failed:" << MsgBox::shownTexts();
            return false;
        }
        options().setNumber(QString::fromLatin1(OptKey::ConfPass), 0);
        for (const char *key : {OptKey::BTUs, OptKey::BFUs, OptKey::Ind})
            options().setOn(QString::fromLatin1(key), true);
        page = installDocumentsPage(f.window());
        f.window().GoTab(StorePages::Purchase);
        if (f.window().currentPage() != StorePages::Purchase) {
            qWarning() << "not on the invoices page" << MsgBox::shownTexts();
            return false;
        }
        MsgBox::clearShown();
        return true;
    }

    template<typename T>
    T *child(const char *name) const
    {
        return page->findChild<T *>(QString::fromLatin1(name));
    }
    QPushButton *button(const char *name) const { return child<QPushButton>(name); }
    void click(const char *name) const { QTest::mouseClick(button(name), Qt::LeftButton); }
    QString value(const char *name) const { return child<QLabel>(name)->text(); }
    TNewInvForm *editor() const { return page->editor(); }
    QTableView *billGrid() const { return child<QTableView>("BillGrd"); }

    // Opens the header editor for a new document and fills it.
    void openNew(int counterpart = 0)
    {
        click("NewInvBtn");
        if (counterpart > 0) {
            auto *names = child<QComboBox>("NameCB");
            names->setCurrentIndex(names->findData(counterpart));
        }
    }
    // A new document through the editor; returns the page's document.
    int newDocument(int counterpart, const QString &invoiceNo = {})
    {
        openNew(counterpart);
        if (!invoiceNo.isEmpty())
            QTest::keyClicks(child<QLineEdit>("InvEd"), invoiceNo);
        QTest::mouseClick(child<QPushButton>("OkBtn"), Qt::LeftButton);
        return page->currentInvId();
    }

    // Chooses the item with this code in the open chooser.
    bool choose(const QString &code)
    {
        TGetItemForm *chooser = page->chooser();
        if (!chooser->isVisible())
            return false;
        const int row = chooser->model()->rowOfItem(itemId(code));
        auto *grid = chooser->findChild<QTableView *>(QStringLiteral("ItemGrd"));
        grid->setCurrentIndex(chooser->model()->index(row, 0));
        QTest::mouseClick(chooser->findChild<QPushButton *>(QStringLiteral("OkBtn")),
                          Qt::LeftButton);
        return !chooser->isVisible();
    }
    // Enter in the active grid, then the item.
    bool addByChooser(QTableView *grid, const QString &code)
    {
        QTest::keyClick(grid, Qt::Key_Return);
        return choose(code);
    }

    int itemId(const QString &code)
    {
        return f
            .scalar(
                QStringLiteral(R"(SELECT "ItemID" FROM "CodeTb" WHERE "ItemCode"='%1')").arg(code))
            .toInt();
    }
    int count(const QString &sql) { return f.scalar(sql).toInt(); }
    double number(const QString &sql) { return f.scalar(sql).toDouble(); }

    DocumentHeader header(int company, double discount = 0, bool cash = true) const
    {
        DocumentHeader h;
        h.CompanyID = company;
        h.UID = uid;
        h.Cash = cash;
        h.Discount = discount;
        h.Date1 = QDateTime(QDate(2026, 5, 1), QTime(10, 0));
        return h;
    }

    StoreFixture f;
    int uid = 0, customer = 0, supplier = 0, supplier2 = 0, walkIn = 0;
    DocumentsPage *page = nullptr;
};
