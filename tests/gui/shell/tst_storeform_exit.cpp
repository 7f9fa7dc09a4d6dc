// Ending the program: the exit question, the shutdown item, the restart.

#include "StoreFixture.h"

#include "shell/StoreMenus.h"
#include "shell/StorePages.h"
#include "shell/TLogInForm.h"

#include <QAction>
#include <QCheckBox>

class TestStoreFormExit : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void exitAnsweredNoStaysOnTheAboutPage();
    void exitAnsweredYesCloses();
    void exitItemAsksTheSameQuestion();
    void shutdownItemPowersOffAfterYes();
    void shutdownItemAnsweredNoKeepsRunning();
    void restartAsksNothingAndStartsAgainOnce();
    void closingTheLoginWindowClosesTheProgram();

private:
    std::unique_ptr<StoreFixture> m_f;
};

void TestStoreFormExit::initTestCase()
{
    qputenv("QARVEL_MSGBOX_AUTOANSWER", "1");
}

void TestStoreFormExit::init()
{
    m_f = std::make_unique<StoreFixture>();
    QVERIFY(m_f->createYear());
    QVERIFY(m_f->start());
    MsgBox::clearShown();
}

void TestStoreFormExit::cleanup()
{
    m_f.reset();
}

void TestStoreFormExit::exitAnsweredNoStaysOnTheAboutPage()
{
    TStoreForm &w = m_f->window();
    w.GoTab(StorePages::Cash);
    MsgBox::queueAnswer(QMessageBox::No);
    QVERIFY(!w.close());
    QCOMPARE(MsgBox::shownTexts(), QStringList{Texts::exitQuestion});
    QVERIFY(w.isVisible());
    QCOMPARE(w.currentPage(), int(StorePages::About));
    QVERIFY(m_f->data().isOpen());
    QVERIFY(m_f->powerOffs.isEmpty());
}

void TestStoreFormExit::exitAnsweredYesCloses()
{
    TStoreForm &w = m_f->window();
    int exitWork = 0;
    w.addExitWork([&exitWork, this] {
        // Runs while the database is still open.
        QVERIFY(m_f->data().isOpen());
        ++exitWork;
    });
    MsgBox::queueAnswer(QMessageBox::Yes);
    QVERIFY(w.close());
    QCOMPARE(MsgBox::shownTexts(), QStringList{Texts::exitQuestion});
    QVERIFY(!w.isVisible());
    QVERIFY(!w.loginForm()->isVisible());
    QVERIFY(!m_f->data().isOpen());
    QCOMPARE(exitWork, 1);
    QVERIFY(m_f->powerOffs.isEmpty());
    QVERIFY(m_f->launches.isEmpty());
}

void TestStoreFormExit::exitItemAsksTheSameQuestion()
{
    TStoreForm &w = m_f->window();
    MsgBox::queueAnswer(QMessageBox::No);
    w.menus().exitItem()->trigger();
    QCOMPARE(MsgBox::shownTexts(), QStringList{Texts::exitQuestion});
    QVERIFY(w.isVisible());
    QCOMPARE(w.menus().exitItem()->shortcut(), QKeySequence(Qt::ALT | Qt::Key_X));
}

void TestStoreFormExit::shutdownItemPowersOffAfterYes()
{
    TStoreForm &w = m_f->window();
    QVERIFY(!w.shutdownBox()->isChecked()); // cleared at every start
    MsgBox::queueAnswer(QMessageBox::Yes);
    w.menus().shutdownItem()->trigger();
    QVERIFY(!w.isVisible());
    QCOMPARE(m_f->powerOffs, QList<int>{12});
}

void TestStoreFormExit::shutdownItemAnsweredNoKeepsRunning()
{
    TStoreForm &w = m_f->window();
    MsgBox::queueAnswer(QMessageBox::No);
    w.menus().shutdownItem()->trigger();
    QVERIFY(w.isVisible());
    QVERIFY(!w.shutdownBox()->isChecked());
    QVERIFY(m_f->powerOffs.isEmpty());

    // A later plain exit does not power off.
    MsgBox::queueAnswer(QMessageBox::Yes);
    QVERIFY(w.close());
    QVERIFY(m_f->powerOffs.isEmpty());
}

void TestStoreFormExit::restartAsksNothingAndStartsAgainOnce()
{
    TStoreForm &w = m_f->window();
    w.restart();
    QVERIFY(MsgBox::shownTexts().isEmpty());
    QVERIFY(appState().Restarting);
    QVERIFY(!w.isVisible());
    QVERIFY(!m_f->data().isOpen());
    QCOMPARE(m_f->launches, QStringList{QCoreApplication::applicationFilePath()});
    QVERIFY(m_f->powerOffs.isEmpty());
}

void TestStoreFormExit::closingTheLoginWindowClosesTheProgram()
{
    TStoreForm &w = m_f->window();
    QVERIFY(w.loginForm()->isVisible()); // first-time panel of a fresh year
    MsgBox::queueAnswer(QMessageBox::Yes);
    w.loginForm()->close();
    QCOMPARE(MsgBox::shownTexts(), QStringList{Texts::exitQuestion});
    QVERIFY(!w.isVisible());
}

QTEST_MAIN(TestStoreFormExit)
#include "tst_storeform_exit.moc"
