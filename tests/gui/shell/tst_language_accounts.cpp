// The interface language beyond the captions: the system accounts follow
// it, it is kept with the options, a user's language right decides it at
// login, and every window (the options window too) is in Arabic after the
// switch.

#include "OptionRows.h"

#include "data/TOptForm.h"
#include "shell/KeyboardLayout.h"
#include "shell/LanguageManager.h"
#include "shell/Options.h"
#include "shell/StoreMenus.h"
#include "shell/StorePages.h"
#include "shell/StoreTopBar.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>

using namespace OptionRows;

class TestLanguageAccounts : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void switchingRenamesTheSystemAccounts();
    void switchingCreatesMissingSystemAccounts();
    void theLanguageIsKeptWithTheOptions();
    void userLanguageRight_data();
    void userLanguageRight();
    void arabicEverywhere();
    void keyboardLayoutFollowsTheWish();

private:
    QString accountName(int id);
    std::unique_ptr<StoreFixture> m_f;
};

void TestLanguageAccounts::initTestCase()
{
    qputenv("QARVEL_MSGBOX_AUTOANSWER", "1");
}

void TestLanguageAccounts::init()
{
    options().resetToDefaults();
    m_f = std::make_unique<StoreFixture>();
    QVERIFY(m_f->createYear());
}

void TestLanguageAccounts::cleanup()
{
    LanguageManager::instance().setLanguage(false);
    QCoreApplication::processEvents();
    m_f.reset();
    options().resetToDefaults();
}

QString TestLanguageAccounts::accountName(int id)
{
    return m_f->data().scalar(R"(SELECT "AName" FROM "Address" WHERE "ID" = ?)", {id}).toString();
}

void TestLanguageAccounts::switchingRenamesTheSystemAccounts()
{
    QVERIFY(m_f->start());
    TStoreForm &w = m_f->window();
    QCOMPARE(accountName(1), QStringLiteral("Capital"));

    w.menus().arabicItem()->trigger();
    QCOMPARE(accountName(1), QStringLiteral("رأس المال"));
    QCOMPARE(accountName(2), QStringLiteral("ثمن بضاعة أول المدة"));
    QCOMPARE(accountName(3), QStringLiteral("صندوق أول المدة"));
    QCOMPARE(m_f->data().scalar(R"(SELECT "Note" FROM "Address" WHERE "ID" = 2)").toString(),
             QStringLiteral("لا يمكن تغيير هذا الحساب"));

    w.topBar()->languageButton()->click();
    QVERIFY(!appState().IsArabic);
    QCOMPARE(accountName(1), QStringLiteral("Capital"));
    QCOMPARE(accountName(2), QStringLiteral("Beginning Inventory Cost"));
    QCOMPARE(accountName(3), QStringLiteral("Opening Cash"));
    QCOMPARE(m_f->data().scalar(R"(SELECT "Note" FROM "Address" WHERE "ID" = 3)").toString(),
             QStringLiteral("This Acc. can not be changed"));
}

void TestLanguageAccounts::switchingCreatesMissingSystemAccounts()
{
    QVERIFY(m_f->exec(R"(DELETE FROM "Address")"));
    QVERIFY(m_f->start());
    m_f->window().SetMyLanguage(true);
    QCOMPARE(m_f->data().scalar(R"(SELECT count(*) FROM "Address")").toInt(), 3);
    QCOMPARE(accountName(3), QStringLiteral("صندوق أول المدة"));
}

void TestLanguageAccounts::theLanguageIsKeptWithTheOptions()
{
    QVERIFY(set(*m_f, OptKey::ArEn, "Ar"));
    QVERIFY(m_f->start());
    QVERIFY(appState().IsArabic);
    QCOMPARE(accountName(1), QStringLiteral("رأس المال"));

    m_f->window().SetMyLanguage(false);
    QCOMPARE(options().text(OptKey::ArEn), QStringLiteral("En"));
    QVERIFY(m_f->window().SaveOptions());
    QCOMPARE(get(*m_f, OptKey::ArEn), QStringLiteral("En"));
}

void TestLanguageAccounts::userLanguageRight_data()
{
    QTest::addColumn<QString>("saved");
    QTest::addColumn<int>("lang");
    QTest::addColumn<bool>("arabic");
    QTest::addColumn<bool>("mayChoose");
    QTest::newRow("both, saved English") << "En" << 0 << false << true;
    QTest::newRow("both, saved Arabic") << "Ar" << 0 << true << true;
    QTest::newRow("Arabic only") << "En" << 1 << true << false;
    QTest::newRow("English only") << "Ar" << 2 << false << false;
}

void TestLanguageAccounts::userLanguageRight()
{
    QFETCH(QString, saved);
    QFETCH(int, lang);
    QFETCH(bool, arabic);
    QFETCH(bool, mayChoose);
    QVERIFY(m_f->start());
    TStoreForm &w = m_f->window();
    options().setText(OptKey::ArEn, saved);
    w.applyUserLanguage(lang);
    QCoreApplication::processEvents();
    QCOMPARE(appState().IsArabic, arabic);
    QCOMPARE(w.topBar()->languageButton()->isHidden(), !mayChoose);
    QCOMPARE(w.findChild<QPushButton *>("AboutArEn")->isHidden(), !mayChoose);
    QCOMPARE(w.menus().menu("LanguageMenu")->menuAction()->isVisible(), mayChoose);
    QCOMPARE(w.menus().arabicItem()->isEnabled(), mayChoose);
}

void TestLanguageAccounts::arabicEverywhere()
{
    QVERIFY(m_f->start());
    TStoreForm &w = m_f->window();
    w.findChild<QPushButton *>("AboutArEn")->click();
    QCoreApplication::processEvents();
    QVERIFY(appState().IsArabic);
    QCOMPARE(w.layoutDirection(), Qt::RightToLeft);
    QCOMPARE(w.note()->tabText(StorePages::POS), QStringLiteral("نقطة بيع"));
    QCOMPARE(w.note()->tabText(StorePages::Names), QStringLiteral("&الأسماء/الحسابات"));
    QCOMPARE(w.menus().menu("OptionsMenu")->title(), QStringLiteral("خيارات"));
    QCOMPARE(w.menus().menu("LanguageMenu")->title(), QStringLiteral("اللغة"));
    QCOMPARE(w.menus().arabicItem()->text(), QStringLiteral("عربي"));
    QCOMPARE(w.menus().englishItem()->text(), QStringLiteral("انجليزي"));

    TOptForm *opt = w.optForm();
    QCOMPARE(opt->layoutDirection(), Qt::RightToLeft);
    QCOMPARE(opt->windowTitle(), QStringLiteral("خيارات البرنامج"));
    QCOMPARE(opt->findChild<QPushButton *>("OkBtn")->text(), QStringLiteral("موافق"));
    QCOMPARE(opt->findChild<QPushButton *>("BackBtn")->text(), QStringLiteral("رجوع"));
    QCOMPARE(opt->findChild<QPushButton *>("MkNewYear")->text(), QStringLiteral("بناء سنة جديدة"));
    QCOMPARE(opt->findChild<QCheckBox *>("ZakahChk")->text(), QStringLiteral("إظهار الزكاة"));
    // Texts given in Arabic alone stay as they are.
    QCOMPARE(opt->findChild<QCheckBox *>("MoreDebitDetailChk")->text(),
             QStringLiteral("أضف عبارة عليه /له إلى مدين/دائن"));

    w.findChild<QPushButton *>("AboutArEn")->click();
    QCoreApplication::processEvents();
    QCOMPARE(opt->windowTitle(), QStringLiteral("Program Options"));
    QCOMPARE(opt->findChild<QPushButton *>("MkNewYear")->text(), QStringLiteral("Build Nwe Year"));
}

void TestLanguageAccounts::keyboardLayoutFollowsTheWish()
{
    QVERIFY(m_f->start());
    m_f->window().SetKeyBoardLanguage(true);
    QCOMPARE(KeyboardLayout::requested(), 1);
    m_f->window().SetKeyBoardLanguage(false);
    QCOMPARE(KeyboardLayout::requested(), 0);
}

QTEST_MAIN(TestLanguageAccounts)
#include "tst_language_accounts.moc"
