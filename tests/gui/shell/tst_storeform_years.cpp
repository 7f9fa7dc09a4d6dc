// The year list of the top bar, opening a year and switching company.

#include "StoreFixture.h"

#include "data/TDbOptionsForm.h"
#include "shell/StoreActions.h"
#include "shell/StorePages.h"
#include "shell/StoreTopBar.h"
#include "shell/TLogInForm.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QTabWidget>

// The company tests use the fixed company prefixes, which parallel tests on
// a shared server would share: they run on the embedded engine only.
#define EMBEDDED_ONLY()                                                                            \
    QFETCH_GLOBAL(int, engineRow);                                                                 \
    if (static_cast<DbEngine>(engineRow) != DbEngine::SQLite)                                      \
        QSKIP("fixed company prefixes: embedded engine only");

class TestStoreFormYears : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void initTestCase_data() { TestDb::addEngines(); }
    void cleanup();

    void yearListFillsTheGapsAndAMissingYearCannotBeOpened();
    void openingAPastYearMarksItReadOnly();
    void anotherCompanysDatabasesAreNotListed();
    void choosingTheCurrentCompanyAgain();
    void choosingTheMainCompanyAgainRefreshesIt();
    void companyWithoutTheYearShowsTheFirstTimePanel();
    void companyButtons();

private:
    static QStringList shownYears(TStoreForm &w);
    static void pickYear(TStoreForm &w, const QString &year);
    // A year database of another company (embedded engine only).
    bool createCompanyYear(StoreFixture &f, const QString &prefix, int year);
};

void TestStoreFormYears::initTestCase()
{
    qputenv("QARVEL_MSGBOX_AUTOANSWER", "1");
}

void TestStoreFormYears::cleanup()
{
    Clock::reset();
}

QStringList TestStoreFormYears::shownYears(TStoreForm &w)
{
    QComboBox *years = w.topBar()->yearList();
    QStringList shown;
    for (int i = 0; i < years->count(); ++i)
        shown << years->itemText(i);
    return shown;
}

void TestStoreFormYears::pickYear(TStoreForm &w, const QString &year)
{
    QComboBox *years = w.topBar()->yearList();
    const int index = years->findText(year);
    QVERIFY2(index >= 0, qPrintable(year));
    // What a choice of the user does: select and report it.
    years->setCurrentIndex(index);
    emit years->activated(index);
}

bool TestStoreFormYears::createCompanyYear(StoreFixture &f, const QString &prefix, int year)
{
    ConnectionParams p = f.yearParams(year);
    p.database = YearDatabases::databaseName(prefix, year);
    QString error;
    if (!YearDatabases::create(p, &error)) {
        qWarning("%s: %s", qPrintable(p.database), qPrintable(error));
        return false;
    }
    return true;
}

void TestStoreFormYears::yearListFillsTheGapsAndAMissingYearCannotBeOpened()
{
    QARVEL_FETCH_ENGINE(engine);
    StoreFixture f(engine);
    Clock::setNow(QDateTime(QDate(2013, 3, 1), QTime(10, 0)));
    QVERIFY(f.createYear(2011));
    QVERIFY(f.createYear(2013));
    QVERIFY(f.start());
    TStoreForm &w = f.window();

    QCOMPARE(shownYears(w), (QStringList{"2011", "2012", "2013"}));
    QCOMPARE(w.topBar()->yearList()->currentText(), QStringLiteral("2013"));
    QCOMPARE(appState().CurYear, 2013);

    pickYear(w, QStringLiteral("2011"));
    QCOMPARE(appState().CurYear, 2011);
    QVERIFY(f.data().isOpen());
    QCOMPARE(f.data().params().database, f.yearParams(2011).database);
    QCOMPARE(w.currentPage(), int(StorePages::About));

    MsgBox::clearShown();
    w.loginForm()->showUserPanel();
    pickYear(w, QStringLiteral("2012"));
    QCOMPARE(MsgBox::shownTexts(),
             QStringList{QStringLiteral("SQL Server Error OR Database is not exists:")
                         + f.yearParams(2012).database});
    QVERIFY(w.loginForm()->firstTimePanelShowing());
    QVERIFY(w.loginForm()->isVisible());
    // Nothing goes on in the year that was left.
    QVERIFY(!f.data().isOpen());

    // The next good choice opens that year again.
    pickYear(w, QStringLiteral("2013"));
    QVERIFY(f.data().isOpen());
    QCOMPARE(f.data().params().database, f.yearParams(2013).database);
}

void TestStoreFormYears::openingAPastYearMarksItReadOnly()
{
    QARVEL_FETCH_ENGINE(engine);
    StoreFixture f(engine);
    QVERIFY(f.createYear(2025));
    QVERIFY(f.createYear(2026));
    QVERIFY(f.start());
    TStoreForm &w = f.window();
    QWidget *marker = w.findChild<QWidget *>("NoModifyLb");
    QVERIFY(marker->isHidden());

    pickYear(w, QStringLiteral("2025"));
    QCOMPARE(appState().CurYear, 2025);
    QCOMPARE(appState().WorkDate, QDate(2025, 12, 10));
    QVERIFY(!marker->isHidden());
    QCOMPARE(f.data().params().database, f.yearParams(2025).database);
    // The settings file names the open database.
    QCOMPARE(w.dbOptionsForm()->databaseName(), f.yearParams(2025).database);

    pickYear(w, QStringLiteral("2026"));
    QVERIFY(marker->isHidden());
    QCOMPARE(appState().WorkDate, QDate(2026, 12, 10));
}

void TestStoreFormYears::anotherCompanysDatabasesAreNotListed()
{
    EMBEDDED_ONLY();
    StoreFixture f;
    QVERIFY(f.createYear(2025));
    QVERIFY(f.createYear(2026));
    QVERIFY(createCompanyYear(f, "DATABR", 2023));
    QVERIFY(createCompanyYear(f, "DATABR", 2026));
    QVERIFY(f.start());
    TStoreForm &w = f.window();
    QCOMPARE(shownYears(w), (QStringList{"2025", "2026"}));

    w.actions()["BranchAction"]->trigger();
    QCOMPARE(appState().DataPrefix, QStringLiteral("DATABR"));
    QCOMPARE(w.currentCompany(), 2);
    QCOMPARE(w.windowTitle(), QStringLiteral(" Branch الفرع"));
    QCOMPARE(shownYears(w), (QStringList{"2023", "2024", "2025", "2026"}));
    QCOMPARE(f.data().params().database, QStringLiteral("QarvelDATABR2026"));

    w.actions()["MainAction"]->trigger();
    QCOMPARE(appState().DataPrefix, QStringLiteral("DATA"));
    QCOMPARE(w.windowTitle(), QStringLiteral(" Main الرئيسي"));
    QCOMPARE(shownYears(w), (QStringList{"2025", "2026"}));
    QCOMPARE(f.data().params().database, QStringLiteral("QarvelDATA2026"));
}

void TestStoreFormYears::choosingTheCurrentCompanyAgain()
{
    EMBEDDED_ONLY();
    StoreFixture f;
    QVERIFY(f.createYear(2026));
    QVERIFY(createCompanyYear(f, "DATABR", 2026));
    QVERIFY(f.start());
    TStoreForm &w = f.window();
    w.actions()["BranchAction"]->trigger();
    QCOMPARE(w.currentCompany(), 2);

    // A year that appears now would be listed by a refresh.
    QVERIFY(createCompanyYear(f, "DATABR", 2027));
    w.GoTab(StorePages::ItemCode);
    MsgBox::clearShown();
    w.actions()["BranchAction"]->trigger();
    QCOMPARE(shownYears(w), QStringList{"2026"});
    QCOMPARE(f.data().params().database, QStringLiteral("QarvelDATABR2026"));
    QCOMPARE(w.currentPage(), int(StorePages::ItemCode));
    QVERIFY(MsgBox::shownTexts().isEmpty());
}

void TestStoreFormYears::choosingTheMainCompanyAgainRefreshesIt()
{
    EMBEDDED_ONLY();
    StoreFixture f;
    QVERIFY(f.createYear(2026));
    QVERIFY(f.start());
    TStoreForm &w = f.window();
    QCOMPARE(w.currentCompany(), 1);

    QVERIFY(f.createYear(2027));
    w.GoTab(StorePages::ItemCode);
    w.actions()["MainAction"]->trigger();
    QCOMPARE(shownYears(w), (QStringList{"2026", "2027"}));
    // The latest year is opened.
    QCOMPARE(w.topBar()->yearList()->currentText(), QStringLiteral("2027"));
    QCOMPARE(appState().CurYear, 2027);
    QCOMPARE(f.data().params().database, QStringLiteral("QarvelDATA2027"));
    QCOMPARE(w.currentPage(), int(StorePages::About));
    QVERIFY(!w.findChild<QWidget *>("NoModifyLb")->isHidden());
}

void TestStoreFormYears::companyWithoutTheYearShowsTheFirstTimePanel()
{
    EMBEDDED_ONLY();
    StoreFixture f;
    QVERIFY(f.createYear(2026));
    QVERIFY(createCompanyYear(f, "DATATR", 2024));
    QVERIFY(f.start());
    TStoreForm &w = f.window();
    w.loginForm()->showUserPanel();
    MsgBox::clearShown();

    w.actions()["TransAction"]->trigger();
    QCOMPARE(MsgBox::shownTexts(),
             QStringList{QStringLiteral("Year: 2026 not found It must be creatred")});
    QVERIFY(w.loginForm()->firstTimePanelShowing());
    QCOMPARE(appState().DataPrefix, QStringLiteral("DATATR"));
    // The year list is left as it was.
    QCOMPARE(shownYears(w), QStringList{"2026"});
}

void TestStoreFormYears::companyButtons()
{
    EMBEDDED_ONLY();
    StoreFixture f;
    QVERIFY(f.createYear(2026));
    QVERIFY(createCompanyYear(f, "DATATR2", 2026));
    QVERIFY(f.start());
    TStoreForm &w = f.window();
    const QStringList captions{QStringLiteral("رئيسي"), QStringLiteral("فرع"),
                               QStringLiteral("نقل"), QStringLiteral("---"),
                               QStringLiteral("كراج")};
    for (int n = 1; n <= 5; ++n) {
        QPushButton *button = w.topBar()->companyButton(n);
        QCOMPARE(button->text(), captions.at(n - 1));
        QCOMPARE(button->isEnabled(), n != 4);
        QVERIFY(button->parentWidget()->objectName() == QStringLiteral("MultiPanel"));
    }
    const QList<QKeySequence> keys{QKeySequence(Qt::CTRL | Qt::Key_5)};
    QCOMPARE(w.actions()["Trans2Action"]->shortcuts(), keys);

    w.topBar()->companyButton(5)->click();
    QCOMPARE(w.currentCompany(), 5);
    QCOMPARE(w.windowTitle(), QStringLiteral(" كراج"));
    QCOMPARE(f.data().params().database, QStringLiteral("QarvelDATATR22026"));
}

QTEST_MAIN(TestStoreFormYears)
#include "tst_storeform_years.moc"
