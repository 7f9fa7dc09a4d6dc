#include "TestDb.h"

#include "accounts/AddressBook.h"
#include "accounts/NamesPage.h"
#include "accounts/TNewNameForm.h"
#include "shell/AppState.h"
#include "shell/MsgBox.h"
#include "shell/Options.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

// The address book page: adding through the entry window, the name check
// that keeps Save disabled, the edit behind the password, the delete of an
// account in use and of a free one, the search.
class TstNamesPage : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        appState().refreshToday();
        appState().CurYear = appState().ThisYear;
        appState().IsArabic = false;
        appState().SupervisorPassword = QStringLiteral("sup");
        MsgBox::clearQueues();
        MsgBox::clearShown();
        options().setNumber(QString::fromLatin1(OptKey::ConfPass), 0);
    }
    void addThroughForm();
    void editNeedsPassword();
    void deleteRefusedAndDone();
    void changeName();
    void searchFilters();

private:
    template <class T> static T *child(QWidget &w, const char *name)
    {
        T *c = w.findChild<T *>(QString::fromLatin1(name));
        if (!c)
            qWarning("missing %s", name);
        return c;
    }
    static int rowOf(QTableWidget *grid, const QString &name)
    {
        for (int i = 0; i < grid->rowCount(); ++i)
            if (grid->item(i, 0)->text() == name)
                return i;
        return -1;
    }
};

void TstNamesPage::addThroughForm()
{
    ScratchYear year(DbEngine::SQLite);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    QVERIFY(AddressBook(year.data()).save(AccountRow{0, QStringLiteral("Khalid")}).ok);
    NamesPage page(year.data());
    page.show();
    page.enterPage();
    auto *grid = child<QTableWidget>(page, "AddressGrd");
    QCOMPARE(grid->rowCount(), 1);
    for (const char *off : {"NamePayBtn", "NameCrdBtn", "ChequeBtn1"})
        QVERIFY2(!child<QPushButton>(page, off)->isEnabled(), off);
    for (const char *on : {"PrintNamesBtn", "ToExcelNameBtn"})
        QVERIFY2(child<QPushButton>(page, on)->isEnabled(), on);

    QTest::mouseClick(child<QPushButton>(page, "NewNameBtn"), Qt::LeftButton);
    TNewNameForm *form = page.entryForm();
    QVERIFY(form->isVisible());
    QCOMPARE(form->windowTitle(), QStringLiteral("Add new Name/Account"));
    QVERIFY(!child<QPushButton>(*form, "ChangeNameBtn")->isVisible());
    auto *name = child<QLineEdit>(*form, "NameEd");
    auto *ok = child<QPushButton>(*form, "OkBtn");
    QTest::keyClicks(name, QStringLiteral("Khalid"));
    QVERIFY(!ok->isEnabled());
    QTest::keyClicks(name, QStringLiteral("a"));
    QVERIFY(ok->isEnabled());
    name->setText(QStringLiteral("Sa'ad"));
    QTest::keyClicks(child<QLineEdit>(*form, "TelEd1"), QStringLiteral("0599"));
    QTest::keyClicks(child<QLineEdit>(*form, "KindEd"), QStringLiteral("customer"));
    child<QCheckBox>(*form, "IsCashOnlyChk")->setChecked(true);
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(!form->isVisible());

    const std::vector<AccountRow> rows = AddressBook(year.data()).list(QStringLiteral("Sa'ad"));
    QCOMPARE(rows.size(), size_t(1));
    QCOMPARE(rows.front().tel1, QStringLiteral("0599"));
    QCOMPARE(rows.front().kind, QStringLiteral("customer"));
    QVERIFY(rows.front().cashOnly);
    QCOMPARE(grid->rowCount(), 2);
    QCOMPARE(page.currentId(), rows.front().id);

    // An empty name is refused and the window stays.
    QTest::mouseClick(child<QPushButton>(page, "NewNameBtn"), Qt::LeftButton);
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(form->isVisible());
    QCOMPARE(MsgBox::shownTexts().last(), QStringLiteral("Error, Chose Name"));
    QTest::mouseClick(child<QPushButton>(*form, "CancelBtn"), Qt::LeftButton);
    QVERIFY(!form->isVisible());
}

void TstNamesPage::editNeedsPassword()
{
    ScratchYear year(DbEngine::SQLite);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    const int id = AddressBook(year.data()).save(AccountRow{0, QStringLiteral("Omar")}).id;
    QVERIFY(id > 3);
    options().setNumber(QString::fromLatin1(OptKey::ConfPass), 1);
    NamesPage page(year.data());
    page.show();
    page.enterPage();
    TNewNameForm *form = page.entryForm();

    MsgBox::queueInput(QStringLiteral("wrong"));
    QTest::mouseClick(child<QPushButton>(page, "EditNameBtn"), Qt::LeftButton);
    QVERIFY(!form->isVisible());

    MsgBox::queueInput(QStringLiteral("sup"));
    QTest::mouseClick(child<QPushButton>(page, "EditNameBtn"), Qt::LeftButton);
    QVERIFY(form->isVisible());
    QCOMPARE(form->windowTitle(), QStringLiteral("Edit Name/Account"));
    QVERIFY(!child<QLineEdit>(*form, "NameEd")->isEnabled());
    QCOMPARE(child<QLineEdit>(*form, "NameEd")->text(), QStringLiteral("Omar"));
    QVERIFY(child<QPushButton>(*form, "ChangeNameBtn")->isVisible());
    QTest::keyClicks(child<QLineEdit>(*form, "NoteED"), QStringLiteral("good"));
    QTest::mouseClick(child<QPushButton>(*form, "OkBtn"), Qt::LeftButton);
    QVERIFY(!form->isVisible());
    AccountRow back;
    QVERIFY(AddressBook(year.data()).account(id, &back));
    QCOMPARE(back.note, QStringLiteral("good"));
    QCOMPARE(back.name, QStringLiteral("Omar"));
}

void TstNamesPage::deleteRefusedAndDone()
{
    ScratchYear year(DbEngine::SQLite);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    AddressBook book(year.data());
    const int used = book.save(AccountRow{0, QStringLiteral("Used")}).id;
    const int free = book.save(AccountRow{0, QStringLiteral("Free")}).id;
    QVERIFY(year.data().DoSqlNEW(QStringLiteral(R"(INSERT INTO "Pay"("PNameID","Amount","UID") VALUES (?,10,0))"),
                                 {used}));
    NamesPage page(year.data());
    page.show();
    page.enterPage();
    auto *grid = child<QTableWidget>(page, "AddressGrd");

    page.selectId(used);
    QCOMPARE(page.currentId(), used);
    MsgBox::queueAnswer(QMessageBox::Yes);
    QTest::mouseClick(child<QPushButton>(page, "DelNameBtn"), Qt::LeftButton);
    const QStringList shown = MsgBox::shownTexts();
    QVERIFY(shown.size() >= 2);
    QCOMPARE(shown.at(shown.size() - 2), QStringLiteral("Are you sure to delete the NAME:\n\r Used ?"));
    QCOMPARE(shown.last(), QStringLiteral("Used\n\rThis Name/Account can not be deleted \n\r"
                                          " Invoice/Voucher is related with this name/Account "));
    QVERIFY(rowOf(grid, QStringLiteral("Used")) >= 0);
    QVERIFY(book.account(used, nullptr));

    // Answering No keeps a free account.
    page.selectId(free);
    MsgBox::queueAnswer(QMessageBox::No);
    QTest::mouseClick(child<QPushButton>(page, "DelNameBtn"), Qt::LeftButton);
    QVERIFY(book.account(free, nullptr));
    MsgBox::queueAnswer(QMessageBox::Yes);
    QTest::mouseClick(child<QPushButton>(page, "DelNameBtn"), Qt::LeftButton);
    QVERIFY(!book.account(free, nullptr));
    QCOMPARE(rowOf(grid, QStringLiteral("Free")), -1);
    QCOMPARE(grid->rowCount(), 1);
}

void TstNamesPage::changeName()
{
    ScratchYear year(DbEngine::SQLite);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    AddressBook book(year.data());
    const int id = book.save(AccountRow{0, QStringLiteral("Old")}).id;
    QVERIFY(book.save(AccountRow{0, QStringLiteral("Taken")}).ok);
    NamesPage page(year.data());
    page.show();
    page.enterPage();
    page.selectId(id);
    TNewNameForm *form = page.entryForm();
    QTest::mouseClick(child<QPushButton>(page, "EditNameBtn"), Qt::LeftButton);
    QVERIFY(form->isVisible());

    // A name that exists is refused, the window stays.
    MsgBox::queueInput(QStringLiteral("Taken"));
    MsgBox::queueAnswer(QMessageBox::Yes);
    QTest::mouseClick(child<QPushButton>(*form, "ChangeNameBtn"), Qt::LeftButton);
    QCOMPARE(MsgBox::shownTexts().last(),
             QStringLiteral("Error! the new name is already exists, Changing the name is not possible"));
    QVERIFY(form->isVisible());

    MsgBox::queueInput(QStringLiteral("New 'one'"));
    MsgBox::queueAnswer(QMessageBox::Yes);
    QTest::mouseClick(child<QPushButton>(*form, "ChangeNameBtn"), Qt::LeftButton);
    const QStringList shown = MsgBox::shownTexts();
    QCOMPARE(shown.at(shown.size() - 2), QStringLiteral("Are you sure to change the Account name From:\n\rOld\n\r"
                                                        "To the new Name:\n\rNew 'one'"));
    QCOMPARE(shown.last(), QStringLiteral("Changing the name process is completed"));
    QVERIFY(!form->isVisible());
    AccountRow back;
    QVERIFY(book.account(id, &back));
    QCOMPARE(back.name, QStringLiteral("New 'one'"));
    QCOMPARE(page.currentName(), QStringLiteral("New 'one'"));
}

void TstNamesPage::searchFilters()
{
    ScratchYear year(DbEngine::SQLite);
    QVERIFY2(year.ok(), qPrintable(year.error()));
    AddressBook book(year.data());
    QVERIFY(book.save(AccountRow{0, QStringLiteral("Alpha"), QStringLiteral("0551")}).ok);
    QVERIFY(book.save(AccountRow{0, QStringLiteral("Beta")}).ok);
    NamesPage page(year.data());
    page.show();
    auto *search = child<QLineEdit>(page, "AddressEd");
    auto *grid = child<QTableWidget>(page, "AddressGrd");
    page.enterPage();
    QCOMPARE(grid->rowCount(), 2);
    QTest::keyClicks(search, QStringLiteral("055"));
    QCOMPARE(grid->rowCount(), 1);
    QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("Alpha"));
    QTest::keyClicks(search, QStringLiteral("9"));
    QCOMPARE(grid->rowCount(), 0);
    QVERIFY(!child<QPushButton>(page, "DelNameBtn")->isEnabled());
    // Entering the page empties the search.
    page.enterPage();
    QVERIFY(search->text().isEmpty());
    QCOMPARE(grid->rowCount(), 2);
}

QTEST_MAIN(TstNamesPage)
#include "tst_namespage.moc"
