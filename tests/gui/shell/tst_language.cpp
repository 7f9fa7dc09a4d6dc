// Switching the interface language at run time.

#include "StoreFixture.h"

#include "data/TDbOptionsForm.h"
#include "shell/LanguageManager.h"
#include "shell/StoreMenus.h"
#include "shell/StorePages.h"
#include "shell/TLogInForm.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>

class TestLanguage : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void arabicTranslationIsBuiltIn();
    void switchingRetranslatesAndMirrors();
    void switchingBackRestoresEnglish();
    void messagesFollowTheLanguage();
    void menuItemsSetTheLanguage();

private:
    static void switchTo(bool arabic);
    std::unique_ptr<StoreFixture> m_f;
};

void TestLanguage::initTestCase()
{
    qputenv("QARVEL_MSGBOX_AUTOANSWER", "1");
}

void TestLanguage::init()
{
    m_f = std::make_unique<StoreFixture>();
    QVERIFY(m_f->createYear());
    QVERIFY(m_f->start());
}

void TestLanguage::cleanup()
{
    switchTo(false);
    m_f.reset();
}

void TestLanguage::switchTo(bool arabic)
{
    LanguageManager::instance().setLanguage(arabic);
    // The change reaches the windows on the next turn of the event loop.
    QCoreApplication::processEvents();
}

void TestLanguage::arabicTranslationIsBuiltIn()
{
    QVERIFY(LanguageManager::instance().arabicAvailable());
}

void TestLanguage::switchingRetranslatesAndMirrors()
{
    TStoreForm &w = m_f->window();
    switchTo(true);
    QVERIFY(appState().IsArabic);
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::RightToLeft);
    QCOMPARE(w.layoutDirection(), Qt::RightToLeft);
    QCOMPARE(w.note()->tabText(StorePages::About), QStringLiteral("&حول البرنامج"));
    QCOMPARE(w.note()->tabText(StorePages::Old), QStringLiteral("الذمم ال&قديمة"));
    QCOMPARE(w.note()->tabText(StorePages::Claim), QStringLiteral("Claim مرتجع مزدوج"));
    QCOMPARE(w.menus().menu("ViewMenu")->title(), QStringLiteral("&عرض"));
    QCOMPARE(w.menus().exitItem()->text(), QStringLiteral("خروج"));
    QCOMPARE(w.menus().shutdownItem()->text(), QStringLiteral("خروج وايقاف تشغيل وندوز"));
    // Dialogs follow too.
    QCOMPARE(w.loginForm()->findChild<QPushButton *>("AddAdminBtn")->text(), QStringLiteral("إضافة مدير"));
    QCOMPARE(w.loginForm()->layoutDirection(), Qt::RightToLeft);
    QCOMPARE(w.dbOptionsForm()->windowTitle(), QStringLiteral("خيارات قاعدة البيانات"));
    // The language button shows the language it is in.
    QCOMPARE(w.findChild<QPushButton *>("ArEn")->text(), QStringLiteral("Ar"));
    QVERIFY(!w.findChild<QWidget *>("GreetingLB")->isHidden());
}

void TestLanguage::switchingBackRestoresEnglish()
{
    TStoreForm &w = m_f->window();
    switchTo(true);
    switchTo(false);
    QVERIFY(!appState().IsArabic);
    QCOMPARE(w.layoutDirection(), Qt::LeftToRight);
    QCOMPARE(w.note()->tabText(StorePages::About), QStringLiteral("&About"));
    QCOMPARE(w.menus().exitItem()->text(), QStringLiteral("Exit"));
    QCOMPARE(w.findChild<QPushButton *>("ArEn")->text(), QStringLiteral("En"));
    QVERIFY(w.findChild<QWidget *>("GreetingLB")->isHidden());
}

void TestLanguage::messagesFollowTheLanguage()
{
    TStoreForm &w = m_f->window();
    switchTo(true);
    MsgBox::clearShown();
    MsgBox::queueAnswer(QMessageBox::No);
    QVERIFY(!w.close());
    QCOMPARE(MsgBox::shownTexts(), QStringList{QStringLiteral("هل أنت متأكد أنك تريد الخروج من البرنامج؟ــ")});
}

void TestLanguage::menuItemsSetTheLanguage()
{
    TStoreForm &w = m_f->window();
    w.menus().arabicItem()->trigger();
    QCoreApplication::processEvents();
    QVERIFY(appState().IsArabic);
    w.menus().arabicItem()->trigger(); // setting it again keeps it
    QCoreApplication::processEvents();
    QVERIFY(appState().IsArabic);
    QCOMPARE(w.note()->tabText(StorePages::Purchase), QStringLiteral("فواتير"));
    w.findChild<QPushButton *>("AboutArEn")->click(); // the button toggles
    QCoreApplication::processEvents();
    QVERIFY(!appState().IsArabic);
    QCOMPARE(w.note()->tabText(StorePages::Purchase), QStringLiteral("&Invoices"));
}

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
